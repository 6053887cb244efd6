#include "platform/folder_listings.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cctype>
#include <filesystem>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "platform/drives.h"
#include "platform/files.h"
#include "support/temp_prefix.h"

using namespace testing_support;
namespace fs = std::filesystem;

namespace {

// Another program changes the folder between two lookups of the same name: the second one must see the folder
// as it is then, although the first one left its listing kept.
struct ChangeByAnother {
  const char* what;
  std::vector<std::string> before;  // files in the folder before the first lookup
  std::function<void(const fs::path& folder)> change;
  std::string found;  // the host name the second lookup gives
};

void PrintTo(const ChangeByAnother& change, std::ostream* out) { *out << change.what; }

class FolderChangedBetweenTwoLookups : public ::testing::TestWithParam<ChangeByAnother> {};

TEST_P(FolderChangedBetweenTwoLookups, TheSecondLookupSeesTheFolderAsItIsThen) {
  TempPrefix prefix;
  const fs::path games = prefix.driveC() / "GAMES";
  fs::create_directories(games);
  for (const std::string& name : GetParam().before) writeFile(games / name, name);
  win::drives().toHost("C:\\GAMES\\setup.inf");
  GetParam().change(games);
  EXPECT_EQ(win::drives().toHost("C:\\GAMES\\setup.inf"), prefix.driveC() / "GAMES" / GetParam().found);
}

const ChangeByAnother kChanges[] = {
    {"creates another spelling", {}, [](const fs::path& f) { writeFile(f / "SETUP.INF", "new"); }, "SETUP.INF"},
    {"renames it", {"SETUP.INF"}, [](const fs::path& f) { fs::rename(f / "SETUP.INF", f / "Setup.Inf"); }, "Setup.Inf"},
    {"deletes it", {"SETUP.INF"}, [](const fs::path& f) { fs::remove(f / "SETUP.INF"); }, "setup.inf"},
    {"moves it out",
     {"SETUP.INF"},
     [](const fs::path& f) { fs::rename(f / "SETUP.INF", f.parent_path() / "SETUP.INF"); },
     "setup.inf"},
    {"puts a new folder in its place",
     {"SETUP.INF"},
     [](const fs::path& f) {
       fs::rename(f, f.parent_path() / "OLD");
       writeFile(f / "Setup.INF", "new");
     },
     "Setup.INF"},
    {"changes it after the program looked into many other folders",
     {},
     [](const fs::path& f) {
       for (int i = 0; i < 40; ++i) {
         fs::create_directories(f.parent_path() / ("F" + std::to_string(i)));
         win::drives().toHost("C:\\F" + std::to_string(i) + "\\setup.inf");
       }
       writeFile(f / "SETUP.INF", "new");
     },
     "SETUP.INF"},
};

INSTANTIATE_TEST_SUITE_P(Changes, FolderChangedBetweenTwoLookups, ::testing::ValuesIn(kChanges),
                         [](const ::testing::TestParamInfo<ChangeByAnother>& change) {
                           std::string name;
                           for (const char* c = change.param.what; *c; ++c)
                             if (std::isalnum(static_cast<unsigned char>(*c))) name += *c;
                           return name;
                         });

TEST(FolderListings, TheProgramsOwnChangesAreSeenByItsNextLookups) {
  TempPrefix prefix;
  const fs::path games = prefix.driveC() / "GAMES";
  writeFile(games / "setup.inf", "old");
  writeFile(games / "NEW.TMP", "new");
  EXPECT_EQ(win::dirSearch("C:\\GAMES\\SETUP.INF"), std::vector<std::string>{"setup.inf"});
  // Another program leaves a second spelling, which comes first in byte order: the replace takes its place
  // and removes the older one, so one file of the name is left.
  writeFile(games / "Setup.Inf", "other");
  win::replaceFile("C:\\GAMES\\NEW.TMP", "C:\\GAMES\\SETUP.INF");
  EXPECT_EQ(win::dirSearch("C:\\GAMES\\setup.inf"), std::vector<std::string>{"Setup.Inf"});
  EXPECT_EQ(readFile(games / "Setup.Inf"), "new");
  win::removeFile("C:\\GAMES\\SETUP.INF");
  EXPECT_EQ(win::dirSearch("C:\\GAMES\\setup.inf"), std::vector<std::string>{});
}

// A child process inherits the kernel's reports of changes to the folders kept: if it took them in, its
// parent would never see those changes.
TEST(FolderListings, AChildProcessLeavesItsParentsReportsToTheParent) {
  TempPrefix prefix;
  const fs::path games = prefix.driveC() / "GAMES";
  fs::create_directories(games);
  EXPECT_EQ(win::drives().toHost("C:\\GAMES\\setup.inf"), games / "setup.inf");
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    writeFile(games / "SETUP.INF", "from the child");
    const bool seen = win::drives().toHost("C:\\GAMES\\setup.inf") == games / "SETUP.INF";
    ::_exit(seen ? 0 : 1);
  }
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  EXPECT_EQ(win::drives().toHost("C:\\GAMES\\setup.inf"), games / "SETUP.INF");
}

}  // namespace
