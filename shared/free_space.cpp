#include <limits>

#include "platform/system.h"
#include "shared/routines.h"

namespace {

constexpr int64_t kCountMax = std::numeric_limits<int64_t>::max();

// Clusters times their size; a product past what a count can hold counts as the most it can hold.
int64_t clusterMeasurement(std::string_view drive) {
  auto d = win::getDiskFreeSpace(drive);
  if (!d) return 0;
  unsigned __int128 product =
      static_cast<unsigned __int128>(d->sectorsPerCluster) * d->bytesPerSector * d->freeClusters;
  return product > static_cast<unsigned __int128>(kCountMax) ? kCountMax : static_cast<int64_t>(product);
}

int64_t userMeasurement(std::string_view drive) {
  auto bytes = win::getDiskFreeSpaceEx(drive);
  if (!bytes) return 0;
  return *bytes > static_cast<uint64_t>(kCountMax) ? kCountMax : static_cast<int64_t>(*bytes);
}

}  // namespace

int64_t getfreespace(std::string_view path) {
  std::string_view drive = path.substr(0, 2);
  int64_t clusters = clusterMeasurement(drive);
  int64_t user = userMeasurement(drive);
  return clusters > user ? clusters : user;
}
