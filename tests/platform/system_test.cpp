#include "platform/system.h"

#include <gtest/gtest.h>

#include "support/temp_prefix.h"

using namespace testing_support;

namespace {

class FixedSource : public win::FreeSpaceSource {
 public:
  std::optional<win::DiskFreeSpace> diskFreeSpace(char drive) override {
    asked += drive;
    return win::DiskFreeSpace{8, 512, 1000, 2000};
  }
  std::optional<uint64_t> diskFreeSpaceEx(char) override { return 3'000'000'000ull; }
  std::string asked;
};

}  // namespace

TEST(System, FreeSpaceComesFromTheInjectedSource) {
  TempPrefix prefix;
  auto source = std::make_shared<FixedSource>();
  win::setFreeSpaceSource(source);
  auto d = win::getDiskFreeSpace("c:\\");
  ASSERT_TRUE(d);
  EXPECT_EQ(d->freeClusters, 1000u);
  EXPECT_EQ(win::getDiskFreeSpaceEx("D:"), 3'000'000'000ull);
  EXPECT_EQ(source->asked, "C");
  EXPECT_EQ(win::getDiskFreeSpace("1:"), std::nullopt);
  EXPECT_EQ(win::getDiskFreeSpace(""), std::nullopt);
  win::setFreeSpaceSource(nullptr);
}

TEST(System, RealFreeSpaceOfAMappedDriveAndNoneForAnUnmappedOne) {
  TempPrefix prefix;
  auto ex = win::getDiskFreeSpaceEx("C:");
  ASSERT_TRUE(ex);
  EXPECT_GT(*ex, 0u);
  auto d = win::getDiskFreeSpace("C:");
  ASSERT_TRUE(d);
  EXPECT_EQ(d->bytesPerSector, 512u);
  EXPECT_EQ(win::getDiskFreeSpaceEx("Q:"), std::nullopt);
}

TEST(System, SpecialFoldersTellKnownWithoutPathFromUnknown) {
  TempPrefix prefix;
  auto fonts = win::specialFolder(win::CSIDL_FONTS);
  EXPECT_TRUE(fonts.known);
  EXPECT_EQ(fonts.path, "C:\\WINDOWS\\FONTS");
  EXPECT_EQ(win::specialFolder(win::CSIDL_PROGRAMS).path, "C:\\WINDOWS\\Start Menu\\Programs");
  auto drives = win::specialFolder(win::CSIDL_DRIVES);
  EXPECT_TRUE(drives.known);
  EXPECT_EQ(drives.path, std::nullopt);
  EXPECT_FALSE(win::specialFolder(9999).known);
}

TEST(System, SleepGoesThroughTheReplaceableSleeper) {
  uint32_t slept = 0;
  win::setSleeper([&](uint32_t ms) { slept += ms; });
  win::sleepMs(3000);
  EXPECT_EQ(slept, 3000u);
  win::setSleeper({});
}

TEST(System, WebAddressesAreNotPaths) {
  EXPECT_TRUE(win::isWebAddress("http://www.example.org/"));
  EXPECT_TRUE(win::isWebAddress("mailto:help@example.org"));
  EXPECT_FALSE(win::isWebAddress("C:\\HELP\\index.htm"));
  EXPECT_FALSE(win::isWebAddress("pages/a.htm"));
}

// Each test runs in a process of its own, so nothing has asked for the running program yet.
TEST(System, AProgramNameSetBeforeAnyQueryIsKept) {
  TempPrefix prefix;
  win::setAppExeName("tovrik32");
  EXPECT_EQ(win::appExeName(), "tovrik32");
  EXPECT_FALSE(win::appPath().empty());
}

TEST(System, AProgramFolderSetBeforeAnyQueryLeavesTheNameToTheRunningProgram) {
  TempPrefix prefix;
  win::setAppPath("C:\\PROGRAMS");
  EXPECT_EQ(win::appPath(), "C:\\PROGRAMS");
  EXPECT_EQ(win::appExeName(), "platform_core_tests");
}
