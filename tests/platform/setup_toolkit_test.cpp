// The Start-menu folder and shortcuts of the setup toolkit, written as desktop entries and read back.
#include "platform/setup_toolkit.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "platform/files.h"
#include "platform/system.h"
#include "support/desktop_entry_reader.h"
#include "support/planted_link.h"
#include "support/temp_prefix.h"

using namespace testing_support;
namespace fs = std::filesystem;

namespace {

const std::string kFolder = "Vortane Manager";
const std::string kWinFolder = "C:\\WINDOWS\\Start Menu\\Programs\\Vortane Manager";

class SetupToolkit : public ::testing::Test {
 protected:
  ~SetupToolkit() override { win::setSpecialFolderSource({}); }

  fs::path programs() const { return prefix.driveC() / "WINDOWS" / "Start Menu" / "Programs"; }
  fs::path folder() const { return programs() / kFolder; }
  std::vector<std::string> filesIn(const fs::path& dir) const {
    std::vector<std::string> names;
    for (auto& entry : fs::recursive_directory_iterator(dir)) names.push_back(entry.path().filename().string());
    return names;
  }

  TempPrefix prefix;
  DesktopFoldersIn desktopFolders{prefix};  // the standard prefix lies in the data folder
};

}  // namespace

TEST_F(SetupToolkit, ShortcutReadsBackAsADesktopEntryAndTheFileSearchFindsIt) {
  ASSERT_NE(win::fCreateShellFolder(kFolder), 0);
  const std::string target = "C:\\My Tools\\100% $ave (old)\\a&b;c.exe";
  ASSERT_NE(win::fCreateShellLink(kFolder, "Tovrikall32 MVE tool", target, ""), 0);

  DesktopEntry entry = readDesktopEntry(folder() / "Tovrikall32 MVE tool.desktop");
  EXPECT_TRUE(entry.wellFormed);
  EXPECT_EQ(entry.groups, std::vector<std::string>{"Desktop Entry"});
  EXPECT_EQ(entry.keys["Type"], "Application");
  EXPECT_EQ(entry.keys["Name"], "Tovrikall32 MVE tool");
  fs::path host = prefix.driveC() / "My Tools" / "100% $ave (old)" / "a&b;c.exe";
  EXPECT_EQ(entry.exec, (std::vector<std::string>{"env", "VORTANE_PREFIX=" + prefix.root().string(), host.string()}));
  EXPECT_EQ(entry.keys["Path"], host.parent_path().string());

  // The uninstall deletes "<name>.*" through the file layer.
  EXPECT_EQ(win::dirSearch(kWinFolder + "\\Tovrikall32 MVE tool.*"),
            std::vector<std::string>{"Tovrikall32 MVE tool.desktop"});
  win::kill(kWinFolder + "\\Tovrikall32 MVE tool.*");
  EXPECT_TRUE(fs::is_empty(folder()));
}

TEST_F(SetupToolkit, AFolderOrADocumentIsOpenedAndAProgramIsStarted) {
  ASSERT_NE(win::fCreateShellFolder(kFolder), 0);
  const fs::path t = prefix.driveC() / "T";
  fs::create_directories(t / "docs");
  writeFile(t / "manual.htm", "<html>");
  writeFile(t / "empty", "");
  writeFile(t / "tool", std::string("\x7f"
                                    "ELF\x02\x01\x01",
                                    7));
  writeFile(t / "run.sh", "#!/bin/sh\n");
  const struct {
    const char* target;
    bool opened;
  } cases[] = {{"docs", true},  {"manual.htm", true}, {"empty", true},
               {"tool", false}, {"run.sh", false},    {"not-there-yet", false}};
  for (const auto& c : cases) {
    ASSERT_NE(win::fCreateShellLink(kFolder, "Tool", std::string("C:\\T\\") + c.target, ""), 0) << c.target;
    std::vector<std::string> exec = {"env", "VORTANE_PREFIX=" + prefix.root().string()};
    if (c.opened) exec.push_back("xdg-open");
    exec.push_back((t / c.target).string());
    EXPECT_EQ(readDesktopEntry(folder() / "Tool.desktop").exec, exec) << c.target;
  }
}

TEST_F(SetupToolkit, AProgramGetsExecutePermissionWhereItMayBeRead) {
  ASSERT_NE(win::fCreateShellFolder(kFolder), 0);
  const fs::path tool = prefix.driveC() / "T" / "tool";
  writeFile(tool, std::string("\x7f"
                              "ELF",
                              4));
  fs::permissions(tool, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  ASSERT_NE(win::fCreateShellLink(kFolder, "Tool", "C:\\T\\tool", ""), 0);
  EXPECT_EQ(fs::status(tool).permissions(), fs::perms::owner_read | fs::perms::owner_write | fs::perms::owner_exec |
                                                fs::perms::group_read | fs::perms::group_exec);
}

// A target that is a link to a program elsewhere: the program is started only when it is runnable already.
TEST_F(SetupToolkit, AProgramBehindALinkAtTheTargetIsNeverChanged) {
  ASSERT_NE(win::fCreateShellFolder(kFolder), 0);
  const fs::path program = prefix.root() / "outside" / "prog.sh";
  writeFile(program, "#!/bin/sh\n");
  fs::create_directories(prefix.driveC() / "T");
  fs::create_symlink(program, prefix.driveC() / "T" / "tool");
  const fs::perms readable = fs::perms::owner_read | fs::perms::owner_write;
  fs::permissions(program, readable);
  EXPECT_EQ(win::fCreateShellLink(kFolder, "Tool", "C:\\T\\tool", ""), 0);
  EXPECT_EQ(fs::status(program).permissions(), readable);
  EXPECT_FALSE(fs::exists(folder() / "Tool.desktop"));

  fs::permissions(program, readable | fs::perms::owner_exec);
  ASSERT_NE(win::fCreateShellLink(kFolder, "Tool", "C:\\T\\tool", ""), 0);
  EXPECT_EQ(readDesktopEntry(folder() / "Tool.desktop").exec.back(), (prefix.driveC() / "T" / "tool").string());
}

TEST_F(SetupToolkit, ArgumentsFollowAsOneArgument) {
  ASSERT_NE(win::fCreateShellFolder(kFolder), 0);
  ASSERT_NE(win::fCreateShellLink(kFolder, "Tool", "C:\\T\\tool.exe", "-x \"1\""), 0);
  DesktopEntry entry = readDesktopEntry(folder() / "Tool.desktop");
  EXPECT_TRUE(entry.wellFormed);
  ASSERT_EQ(entry.exec.size(), 4u);
  EXPECT_EQ(entry.exec[3], "-x \"1\"");
}

TEST_F(SetupToolkit, HostPathsWithBackslashesQuotesAndBlanksAtTheEndsSurviveTheEscapes) {
  // A prefix whose host folder holds what Windows names cannot: backslash, backtick, quote, a blank at the end.
  fs::path odd = prefix.root() / "odd \\ `x` \"q\" ";
  win::drives().usePrefix(odd);
  ASSERT_NE(win::fCreateShellFolder(kFolder), 0);
  ASSERT_NE(win::fCreateShellLink(kFolder, " Blank at both ends ", "C:\\T\\tool.exe", ""), 0);
  DesktopEntry entry = readDesktopEntry(odd / "drive_c" / "WINDOWS" / "Start Menu" / "Programs" / kFolder /
                                        " Blank at both ends .desktop");
  EXPECT_TRUE(entry.wellFormed);
  EXPECT_EQ(entry.keys["Name"], " Blank at both ends ");
  fs::path host = odd / "drive_c" / "T" / "tool.exe";
  EXPECT_EQ(entry.exec, (std::vector<std::string>{"env", "VORTANE_PREFIX=" + odd.string(), host.string()}));
  EXPECT_EQ(entry.keys["Path"], host.parent_path().string());
}

TEST_F(SetupToolkit, OnTheStandardPrefixTheTargetStartsWithoutEnv) {
  fs::path standard = prefix.root() / "xdg-data" / "vortane" / "prefix";
  win::drives().usePrefix(standard);
  ASSERT_NE(win::fCreateShellFolder(kFolder), 0);
  ASSERT_NE(win::fCreateShellLink(kFolder, "Tool", "C:\\T\\tool.exe", ""), 0);
  DesktopEntry entry =
      readDesktopEntry(standard / "drive_c" / "WINDOWS" / "Start Menu" / "Programs" / kFolder / "Tool.desktop");
  EXPECT_EQ(entry.exec, std::vector<std::string>{(standard / "drive_c" / "T" / "tool.exe").string()});
}

TEST_F(SetupToolkit, LinkNamesThatAreNoPlainFileNameWriteNothing) {
  ASSERT_NE(win::fCreateShellFolder(kFolder), 0);
  for (const char* name : {"", ".", "..", ".hidden", "a\\b", "..\\..\\..\\escaped", "a:b", "a*b", "a?b", "a\"b", "a<b",
                           "a>b", "a|b", "tab\there", "line\r\nbreak"}) {
    EXPECT_EQ(win::fCreateShellLink(kFolder, name, "C:\\T\\tool.exe", ""), 0) << name;
  }
  EXPECT_TRUE(fs::is_empty(folder()));
  EXPECT_EQ(filesIn(programs()), std::vector<std::string>{kFolder});
  EXPECT_FALSE(fs::exists(prefix.driveC() / "WINDOWS" / "escaped.desktop"));
}

TEST_F(SetupToolkit, FolderNamesThatAreNoPlainFileNameAreRefused) {
  for (const char* name : {"", "..", ".hidden", "a\\b", "a/b"}) {
    EXPECT_EQ(win::fCreateShellFolder(name), 0) << name;
    EXPECT_EQ(win::fCreateShellLink(name, "Tool", "C:\\T\\tool.exe", ""), 0) << name;
  }
  EXPECT_TRUE(fs::is_empty(programs()));
}

TEST_F(SetupToolkit, AnUnmappedTargetOrAMissingFolderWritesNothing) {
  EXPECT_EQ(win::fCreateShellLink(kFolder, "Tool", "C:\\T\\tool.exe", ""), 0) << "no folder yet";
  ASSERT_NE(win::fCreateShellFolder(kFolder), 0);
  EXPECT_EQ(win::fCreateShellLink(kFolder, "Tool", "Q:\\T\\tool.exe", ""), 0) << "no drive Q:";
  EXPECT_EQ(win::fCreateShellLink(kFolder, "Tool", "C:\\T\\t<o>l.exe", ""), 0) << "no Windows name";
  EXPECT_TRUE(fs::is_empty(folder()));
}

TEST_F(SetupToolkit, ShortcutReplacesOneOfTheSameNameInAnyCase) {
  ASSERT_NE(win::fCreateShellFolder(kFolder), 0);
  writeFile(folder() / "TOOL.DESKTOP", "old");
  ASSERT_NE(win::fCreateShellLink(kFolder, "Tool", "C:\\T\\tool.exe", ""), 0);
  EXPECT_EQ(filesIn(folder()), std::vector<std::string>{"TOOL.DESKTOP"});
  EXPECT_EQ(readDesktopEntry(folder() / "TOOL.DESKTOP").keys["Name"], "Tool");
}

class ShortcutBesideALink : public SetupToolkit, public ::testing::WithParamInterface<LinkTarget> {};

TEST_P(ShortcutBesideALink, IsNeverWrittenThroughALinkPlantedAtItsName) {
  ASSERT_NE(win::fCreateShellFolder(kFolder), 0);
  PlantedLink link(folder() / "Tool.desktop", prefix.root() / "outside", GetParam());
  ASSERT_NE(win::fCreateShellLink(kFolder, "Tool", "C:\\T\\tool.exe", ""), 0);
  EXPECT_TRUE(link.outsideUnchanged());
  ASSERT_TRUE(isPlainFile(folder() / "Tool.desktop"));
  EXPECT_EQ(readDesktopEntry(folder() / "Tool.desktop").keys["Name"], "Tool");
}
INSTANTIATE_TEST_SUITE_P(Targets, ShortcutBesideALink, ::testing::Values(LinkTarget::Nowhere, LinkTarget::OutsideFile),
                         linkTargetName);

TEST_F(SetupToolkit, FolderIsMadeWithTheProgramsFolderAndAgainWithoutHarm) {
  fs::remove_all(prefix.driveC() / "WINDOWS" / "Start Menu");
  EXPECT_NE(win::fCreateShellFolder(kFolder), 0);
  EXPECT_TRUE(fs::is_directory(folder()));
  writeFile(folder() / "Kept.desktop", "x");
  EXPECT_NE(win::fCreateShellFolder(kFolder), 0);
  EXPECT_EQ(readFile(folder() / "Kept.desktop"), "x");
}

TEST_F(SetupToolkit, NothingIsMadeWhenTheShellGivesTheProgramsFolderNoPath) {
  win::setSpecialFolderSource([](int) { return win::SpecialFolder{true, std::nullopt}; });
  EXPECT_EQ(win::fCreateShellFolder(kFolder), 0);
  EXPECT_EQ(win::fCreateShellLink(kFolder, "Tool", "C:\\T\\tool.exe", ""), 0);
  EXPECT_FALSE(fs::exists(folder()));
}
