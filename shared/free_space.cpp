#include <limits>

#include "platform/system.h"
#include "shared/routines.h"

namespace {

constexpr int64_t kInt32Max = std::numeric_limits<int32_t>::max();
// The larger measurement is capped here, below the 32-bit limit.
constexpr uint64_t kLargeMeasurementCap = 2'000'000'000;

// Clusters times their size, or 0 when the product does not fit a 32-bit signed count.
int64_t clusterMeasurement(std::string_view drive) {
  auto d = win::getDiskFreeSpace(drive);
  if (!d) return 0;
  unsigned __int128 product =
      static_cast<unsigned __int128>(d->sectorsPerCluster) * d->bytesPerSector * d->freeClusters;
  return product > static_cast<unsigned __int128>(kInt32Max) ? 0 : static_cast<int64_t>(product);
}

int64_t userMeasurement(std::string_view drive) {
  auto bytes = win::getDiskFreeSpaceEx(drive);
  if (!bytes) return 0;
  return static_cast<int64_t>(*bytes > kLargeMeasurementCap ? kLargeMeasurementCap : *bytes);
}

}  // namespace

int32_t getfreespace(std::string_view path) {
  std::string_view drive = path.substr(0, 2);
  int64_t clusters = clusterMeasurement(drive);
  int64_t user = userMeasurement(drive);
  return static_cast<int32_t>(clusters > user ? clusters : user);
}
