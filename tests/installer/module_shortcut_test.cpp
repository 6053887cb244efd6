// A module's Start-menu shortcut, read back as a desktop entry.
#include "installer/module_shortcut.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "platform/files.h"
#include "support/desktop_entry_reader.h"
#include "support/temp_prefix.h"

using namespace testing_support;
namespace fs = std::filesystem;

namespace {

const std::string kWinFolder = "C:\\WINDOWS\\Start Menu\\Programs\\Vortane Manager";

class ModuleShortcut : public ::testing::Test {
 protected:
  fs::path folder() const { return prefix.driveC() / "WINDOWS" / "Start Menu" / "Programs" / "Vortane Manager"; }

  TempPrefix prefix;
  DesktopFoldersIn desktopFolders{prefix};
};

}  // namespace

TEST_F(ModuleShortcut, SlashesBecomeBlanksAndTheShortcutReadsBack) {
  ASSERT_TRUE(CreateModuleShortcut("Tovrikall32 MVE/EXE/BIF tool", "C:\\VMTOOLS\\TOVRIK32\\tovrik32"));
  DesktopEntry entry = readDesktopEntry(folder() / "Tovrikall32 MVE EXE BIF tool.desktop");
  EXPECT_TRUE(entry.wellFormed);
  EXPECT_EQ(entry.keys["Type"], "Application");
  EXPECT_EQ(entry.keys["Name"], "Tovrikall32 MVE EXE BIF tool");
  fs::path target = prefix.driveC() / "VMTOOLS" / "TOVRIK32" / "tovrik32";
  EXPECT_EQ(entry.exec, (std::vector<std::string>{"env", "VORTANE_PREFIX=" + prefix.root().string(), target.string()}));
  EXPECT_EQ(entry.keys["Path"], target.parent_path().string());
  // The uninstall finds it again under the same name.
  EXPECT_EQ(win::dirSearch(kWinFolder + "\\" + ShortcutLinkName("Tovrikall32 MVE/EXE/BIF tool") + ".*"),
            std::vector<std::string>{"Tovrikall32 MVE EXE BIF tool.desktop"});
}

TEST_F(ModuleShortcut, NamesStillNoPlainFileNameFailAndWriteNothing) {
  for (const char* desc :
       {"", "..", "../x", "Tools\\Utils", "..\\..\\..\\Desktop\\evil", "C:Tools", "Which?", ".profile"}) {
    EXPECT_FALSE(CreateModuleShortcut(desc, "C:\\VMTOOLS\\T\\t")) << desc;
  }
  EXPECT_TRUE(fs::is_empty(folder()));
  EXPECT_EQ(std::distance(fs::directory_iterator(folder().parent_path()), fs::directory_iterator()), 1);
}

TEST_F(ModuleShortcut, OnlySlashesChangeInTheName) {
  EXPECT_EQ(ShortcutLinkName("a//b / c"), "a  b   c");
  EXPECT_EQ(ShortcutLinkName("Tools: Editor"), "Tools: Editor");
}

TEST_F(ModuleShortcut, ATargetThatCannotBeMappedFails) {
  EXPECT_FALSE(CreateModuleShortcut("Tools", "Q:\\VMTOOLS\\t"));
  EXPECT_TRUE(fs::is_empty(folder())) << "the folder is made all the same";
}
