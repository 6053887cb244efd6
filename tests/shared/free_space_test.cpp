#include <gtest/gtest.h>

#include <limits>
#include <memory>
#include <optional>

#include "platform/system.h"
#include "shared/routines.h"
#include "support/temp_prefix.h"

namespace {

class FakeFreeSpace : public win::FreeSpaceSource {
 public:
  std::optional<win::DiskFreeSpace> clusters;
  std::optional<uint64_t> userBytes;
  char asked = 0;
  std::optional<win::DiskFreeSpace> diskFreeSpace(char drive) override {
    asked = drive;
    return clusters;
  }
  std::optional<uint64_t> diskFreeSpaceEx(char) override { return userBytes; }
};

// Cluster counts whose product is the given number of bytes.
win::DiskFreeSpace bytes(uint32_t freeClusters, uint32_t sectorsPerCluster = 8, uint32_t bytesPerSector = 512) {
  return {sectorsPerCluster, bytesPerSector, freeClusters, freeClusters};
}

struct Case {
  std::optional<win::DiskFreeSpace> clusters;
  std::optional<uint64_t> userBytes;
  int64_t expected;
};

class GetFreeSpace : public ::testing::Test {
 protected:
  GetFreeSpace() { win::setFreeSpaceSource(fake); }
  ~GetFreeSpace() override { win::setFreeSpaceSource(nullptr); }
  testing_support::TempPrefix prefix;
  std::shared_ptr<FakeFreeSpace> fake = std::make_shared<FakeFreeSpace>();
};

TEST_F(GetFreeSpace, TakesTheLargerOfTwoFullMeasurements) {
  constexpr int64_t kMost = std::numeric_limits<int64_t>::max();
  const Case cases[] = {
      {std::nullopt, 70'000'000'000, 70'000'000'000},
      {std::nullopt, 3'000'000'000, 3'000'000'000},
      {std::nullopt, 2'147'483'648, 2'147'483'648},
      {std::nullopt, 123'456, 123'456},
      {bytes(1, 2'100'000'000, 1), 3'000'000'000, 3'000'000'000},
      {bytes(1, 2'100'000'000, 1), 1'000, 2'100'000'000},
      {bytes(17'000'000, 8, 512), std::nullopt, 69'632'000'000},
      {bytes(0xFFFFFFFFu, 0xFFFFFFFFu, 0xFFFFFFFFu), 5'000, kMost},
      {std::nullopt, std::numeric_limits<uint64_t>::max(), kMost},
      {bytes(1000), 10, 4'096'000},
      {bytes(10), 1'000'000, 1'000'000},
      {bytes(0), 0, 0},
      {std::nullopt, std::nullopt, 0},
  };
  for (const auto& c : cases) {
    fake->clusters = c.clusters;
    fake->userBytes = c.userBytes;
    EXPECT_EQ(getfreespace("C:\\GAMES\\movie.mve"), c.expected)
        << (c.clusters ? c.clusters->freeClusters : 0) << " " << (c.userBytes ? *c.userBytes : 0);
  }
}

TEST_F(GetFreeSpace, AsksForTheDriveOfThePathsFirstTwoCharacters) {
  fake->clusters = bytes(1);
  getfreespace("d:\\games");
  EXPECT_EQ(fake->asked, 'D');
}

TEST_F(GetFreeSpace, APathThatNamesNoDriveGivesNothing) {
  fake->clusters = bytes(1000);
  fake->userBytes = 1000;
  for (const char* path : {"", "C", "\\\\server\\share", "GAMES\\movie.mve", "1:\\"})
    EXPECT_EQ(getfreespace(path), 0) << path;
}

}  // namespace
