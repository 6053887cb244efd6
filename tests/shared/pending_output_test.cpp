#include "shared/pending_output.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "platform/files.h"
#include "support/temp_prefix.h"

using namespace testing_support;
namespace fs = std::filesystem;

namespace {

class PendingOutputNamed : public ::testing::TestWithParam<const char*> {
 protected:
  TempPrefix prefix;
  fs::path folder = prefix.driveC() / "OUT";
  std::string finalPath = std::string("C:\\OUT\\") + GetParam();

  void SetUp() override { writeFile(folder / GetParam(), "older"); }
};

TEST_P(PendingOutputNamed, CommitReplacesTheOlderFileAndLeavesNothingElse) {
  PendingOutput output(finalPath);
  win::putBytes(output.fileNumber(), "new bytes", 9);
  output.commit();
  EXPECT_EQ(readFile(folder / GetParam()), "new bytes");
  EXPECT_EQ(namesIn(folder), std::vector<std::string>{GetParam()});
}

TEST_P(PendingOutputNamed, DiscardAndAnOutputLeftUncommittedKeepTheOlderFileAndLeaveNothingElse) {
  {
    PendingOutput discarded(finalPath);
    win::putBytes(discarded.fileNumber(), "half", 4);
    discarded.discard();
    std::optional<PendingOutput> abandoned(std::in_place, finalPath);
    win::putBytes(abandoned->fileNumber(), "half", 4);
  }
  EXPECT_EQ(readFile(folder / GetParam()), "older");
  EXPECT_EQ(namesIn(folder), std::vector<std::string>{GetParam()});
}

// The one writer of whole files gives a new file the permissions of the one it replaces: an output written
// over a file that only its owner may read must not let others read it.
TEST(PendingOutput, AFileOnlyItsOwnerMayReadStaysSoWhenReplaced) {
  TempPrefix prefix;
  const fs::path older = prefix.driveC() / "OUT" / "PRIVATE.MVE";
  writeFile(older, "older");
  fs::permissions(older, fs::perms::owner_read | fs::perms::owner_write);
  PendingOutput output("C:\\OUT\\private.mve");
  win::putBytes(output.fileNumber(), "new bytes", 9);
  output.commit();
  EXPECT_EQ(readFile(older), "new bytes");
  EXPECT_EQ(fs::status(older).permissions(), fs::perms::owner_read | fs::perms::owner_write);
}

// A name the directory search never lists (the host hides names starting with a dot) must not leave its
// temporary file behind either.
INSTANTIATE_TEST_SUITE_P(Names, PendingOutputNamed, ::testing::Values("MOVIE.MVE", ".hidden"));

}  // namespace
