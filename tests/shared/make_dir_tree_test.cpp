#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>

#include "shared/identity.h"
#include "shared/vyst32.h"
#include "support/planted_link.h"
#include "support/temp_prefix.h"

using namespace testing_support;
namespace fs = std::filesystem;

namespace {

// Everything the directory holds, names only.
std::vector<std::string> entries(const fs::path& dir) {
  std::vector<std::string> names;
  for (auto& e : fs::directory_iterator(dir)) names.push_back(e.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

class MakeDirTreeTest : public ::testing::TestWithParam<const char*> {
 protected:
  MakeDirTreeTest() { makedirtree_probe = GetParam(); }
  TempPrefix prefix;
};

TEST_P(MakeDirTreeTest, CreatesEveryMissingLevelAndLeavesNoProbe) {
  EXPECT_TRUE(MakeDirTree("C:\\GAMES\\VORTANE\\MOVIES"));
  fs::path made = prefix.driveC() / "GAMES" / "VORTANE" / "MOVIES";
  ASSERT_TRUE(fs::is_directory(made));
  EXPECT_TRUE(entries(made).empty());
}

TEST_P(MakeDirTreeTest, AcceptsATrailingSeparatorAndAnExistingDirectory) {
  EXPECT_TRUE(MakeDirTree("C:\\NEW\\SUB\\"));
  EXPECT_TRUE(fs::is_directory(prefix.driveC() / "NEW" / "SUB"));
  EXPECT_TRUE(MakeDirTree("C:\\NEW\\SUB"));
  EXPECT_TRUE(MakeDirTree("C:\\"));
  EXPECT_TRUE(entries(prefix.driveC() / "NEW" / "SUB").empty());
}

TEST_P(MakeDirTreeTest, OnlyBackslashSeparatesLevels) {
  EXPECT_FALSE(MakeDirTree("C:\\ONE/TWO"));
  EXPECT_FALSE(fs::exists(prefix.driveC() / "ONE"));
}

TEST_P(MakeDirTreeTest, FailsWhereNothingCanBeCreated) {
  EXPECT_FALSE(MakeDirTree("Q:\\GAMES"));
  EXPECT_FALSE(MakeDirTree("C:\\bad|name\\x"));
  writeFile(prefix.driveC() / "file.txt", "x");
  EXPECT_FALSE(MakeDirTree("C:\\file.txt\\SUB"));
  EXPECT_EQ(readFile(prefix.driveC() / "file.txt"), "x");
  auto cd = prefix.mapDrive('D', "cdrom");
  fs::remove_all(cd);
  EXPECT_FALSE(MakeDirTree("D:\\MOVIES"));
}

TEST_P(MakeDirTreeTest, NeverTouchesAUserFileThatCarriesTheProbesName) {
  fs::path dir = prefix.driveC() / "TARGET";
  const std::string mine = "[Test]\r\nTest=mine\r\nKeep=1\r\n";
  writeFile(dir / makedirtree_probe, mine);
  fs::create_directories(dir / "OTHER");
  EXPECT_TRUE(MakeDirTree("C:\\TARGET"));
  EXPECT_EQ(readFile(dir / makedirtree_probe), mine);
  EXPECT_EQ(entries(dir), (std::vector<std::string>{"OTHER", makedirtree_probe}));
}

TEST_P(MakeDirTreeTest, AProbeNameHeldByADirectoryIsPassedOver) {
  fs::path dir = prefix.driveC() / "TARGET";
  fs::create_directories(dir / makedirtree_probe);
  EXPECT_TRUE(MakeDirTree("C:\\TARGET"));
  EXPECT_EQ(entries(dir), std::vector<std::string>{makedirtree_probe});
}

TEST_P(MakeDirTreeTest, ALinkThatCarriesTheProbesNameIsPassedOverAndLeftAlone) {
  for (LinkTarget target : {LinkTarget::Nowhere, LinkTarget::OutsideFile}) {
    const std::string folder = "TARGET-" + nameOf(target);
    PlantedLink link(prefix.driveC() / folder / makedirtree_probe, prefix.root() / "outside", target);
    EXPECT_TRUE(MakeDirTree("C:\\" + folder));
    EXPECT_TRUE(link.outsideUnchanged()) << folder;
    EXPECT_TRUE(link.linkLeftAlone()) << folder;
    EXPECT_EQ(entries(prefix.driveC() / folder), std::vector<std::string>{makedirtree_probe}) << folder;
  }
}

INSTANTIATE_TEST_SUITE_P(BothPrograms, MakeDirTreeTest, ::testing::Values("mscreate.dir", "test.ini"));

}  // namespace
