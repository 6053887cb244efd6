// The uninstall steps of the install run: what goes, what stays, and the mends that keep an uninstall to
// exactly what the module names.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <filesystem>
#include <string>
#include <vector>

#include "installer/installer_state.h"
#include "installer/qwscreen2.h"
#include "platform/drives.h"
#include "platform/system.h"
#include "run_fixture.h"
#include "shared/vyst32.h"

using namespace testing_support;
namespace fs = std::filesystem;

namespace {

const std::vector<std::string> kGeneral = {"[General]", "Vyst3-Installer=Quarrow32 V2.0 Beta 02 (Build 08)"};

// Installed in C:\VMTOOLS\TOOLS with a data and an empty folder, and a file in a folder below the base
// directory.
ModuleContents toolsModule() {
  ModuleContents contents = vortaneTools();
  contents.lists = {{"MkDirs", {"Main", "Main\\data", "Main\\empty", "Vyst\\shared"}},
                    {"Files",
                     {"TOOLS.EXE, tools.exe, Main", "LEVEL1.BIN, Level1.dat, Main\\data",
                      "SHARED.DAT, shared.dat, Vyst\\shared", "GONE.BIN, gone.dat, Main"}}};
  return contents;
}

// The records of an installed module of version 1 in that directory.
std::vector<std::string> recordsOf(const std::string& name, const std::string& directory) {
  return {"[Moduls_Dirs]",       name + "=" + directory,     "[Moduls_EXEs]",  name + "=tools.exe", "[Moduls_Versions]",
          name + "=1,1,Final,,", "[Moduls_LastInstallMode]", name + "=Install"};
}

class UninstallRun : public RunTest {
 protected:
  UninstallRun() { startLibrary(); }

  fs::path toolsDir() const { return prefix.driveC() / "VMTOOLS" / "TOOLS"; }

  // vyst.ini with the general line and these records.
  void recordInstalled(const std::vector<std::string>& records) {
    std::vector<std::string> lines = kGeneral;
    lines.insert(lines.end(), records.begin(), records.end());
    installFamily(lines);
  }

  // The module of the archive, recorded as installed in directory, with the uninstall chosen on the screen.
  void uninstall(const ModuleContents& contents, const std::string& directory) {
    recordInstalled(recordsOf("TOOLS", directory));
    putModule("TOOLS.QRM", contents);
    openScreen();
    ASSERT_EQ(modules[1].Directory, directory);
    modules[1].Mode = kUninstall;
  }
};

TEST_F(UninstallRun, RemovesWhatTheModuleNamesAndKeepsTheRest) {
  recordInstalled({"[Moduls_Dirs]", "TOOLS=C:\\VMTOOLS\\TOOLS", "OTHER=C:\\VMTOOLS\\OTHER", "[Moduls_EXEs]",
                   "TOOLS=tools.exe", "[Moduls_Versions]", "TOOLS=1,1,Final,,", "[Moduls_LastInstallMode]",
                   "TOOLS=Install"});
  for (const char* name : {"tools.exe", "tools.ini", "TOOLS2.INI", "readme.txt", "data/Level1.dat"})
    writeFile(toolsDir() / name, name);
  fs::create_directories(toolsDir() / "empty");
  writeFile(baseDir() / "shared" / "shared.dat", "the family's");
  for (const char* name : {"Vortane Tools.desktop", "VORTANE TOOLS.lnk", "Vortane Tools", "Vortane Tools Extra.desktop",
                           "Vortane Tools.old.desktop", "Other.desktop"})
    writeFile(shortcutFolder() / name, name);
  putModule("TOOLS.QRM", toolsModule());
  openScreen();
  modules[1].Mode = kUninstall;
  pressNext();

  EXPECT_EQ(listLines(), std::vector<std::string>{"There were no errors."});
  // The directory keeps a file no line names, so it stays; its data and empty folders go.
  EXPECT_EQ(namesIn(toolsDir()), std::vector<std::string>{"readme.txt"});
  EXPECT_EQ(readFile(baseDir() / "shared" / "shared.dat"), "the family's");
  EXPECT_EQ(namesIn(shortcutFolder()),
            (std::vector<std::string>{"Other.desktop", "Vortane Tools Extra.desktop", "Vortane Tools.old.desktop"}));
  EXPECT_EQ(vystIni(), crlfLines({"[General]", "Vyst3-Installer=Quarrow32 V2.0 Beta 02 (Build 08)", "[Moduls_Dirs]",
                                  "TOOLS=", "OTHER=C:\\VMTOOLS\\OTHER", "[Moduls_EXEs]", "TOOLS=", "[Moduls_Versions]",
                                  "TOOLS=", "[Moduls_LastInstallMode]", "TOOLS=", "[Detour]", "TOOLS="}));
}

TEST_F(UninstallRun, TheFifthStepLabelIsHiddenDuringAnUninstall) {
  recordInstalled(recordsOf("TOOLS", "C:\\VMTOOLS\\TOOLS"));
  ModuleContents first = toolsModule();
  first.name = "A";
  first.desc = "A shortcut";
  first.lists.clear();
  putModule("A.QRM", first);
  putModule("TOOLS.QRM", toolsModule());
  openScreen();
  modules[2].Mode = kUninstall;
  QCoreApplication::processEvents();
  PaintRecorder recorder;
  QWScreen2.LabelProcess.forEach([&](ui::Label& step) { recorder.watch(step); });
  std::vector<bool> fifthShownWhileDeletingShortcuts;
  recorder.onPaint = [&](ui::Label& label) {
    if (label.index() == 3 && label.fontBold() && label.caption() == "Deleting shortcut icons...")
      fifthShownWhileDeletingShortcuts.push_back(QWScreen2.LabelProcess[4].visible());
  };
  pressNext();

  using Look = PaintRecorder::Look;
  const std::string uninstallCaptions[] = {"Deleting files...", "Removing directories...", "Unregistering module...",
                                           "Deleting shortcut icons..."};
  for (int i = 0; i < 4; ++i) {
    const std::vector<Look> looks = recorder.looksOf(QWScreen2.LabelProcess[i]);
    ASSERT_GE(looks.size(), 2u);
    EXPECT_EQ(std::vector<Look>(looks.end() - 2, looks.end()),
              (std::vector<Look>{{uninstallCaptions[i], false, true}, {uninstallCaptions[i], false, false}}))
        << "label " << i;
  }
  const std::vector<Look> fifth = recorder.looksOf(QWScreen2.LabelProcess[4]);
  EXPECT_EQ(fifth.back(), (Look{"Creating shortcut icons...", true, false})) << "marked pending, then never again";
  EXPECT_EQ(fifthShownWhileDeletingShortcuts, std::vector<bool>{false});
  EXPECT_EQ(listLines(), std::vector<std::string>{"There were no errors."});
}

TEST_F(UninstallRun, FileNamesAreTakenLiterally) {
  ModuleContents contents = toolsModule();
  contents.lists = {{"Files",
                     {"X, *.dat, Main\\data", "X, level?.dat, Main\\data", "X, ..\\outside.txt, Main\\data",
                      "X, data\\Level1.dat, Main", "X, Main\\data\\Level1.dat, C:\\", "X, , Main\\data"}}};
  writeFile(toolsDir() / "data" / "Level1.dat", "level");
  writeFile(toolsDir() / "outside.txt", "outside");
  uninstall(contents, "C:\\VMTOOLS\\TOOLS");
  pressNext();
  EXPECT_EQ(listLines(), std::vector<std::string>{"There were no errors."});
  EXPECT_EQ(readFile(toolsDir() / "data" / "Level1.dat"), "level");
  EXPECT_EQ(readFile(toolsDir() / "outside.txt"), "outside");
}

struct DirectoryCase {
  const char* what;
  const char* directory;
  const char* settingsFile;  // host path below the prefix's drive C
  bool deleted;
  friend void PrintTo(const DirectoryCase& c, std::ostream* out) { *out << c.what; }
};

class SettingsFilesOfTheDirectory : public UninstallRun, public testing::WithParamInterface<DirectoryCase> {};

// Every *.ini file of the module's directory is its program's, unless the directory is one that others share.
// A directory starting with "~" lies in the prefix folder, reached through drive Z:, the host's root.
TEST_P(SettingsFilesOfTheDirectory, GoOnlyWithADirectoryOfTheModulesOwn) {
  const DirectoryCase& c = GetParam();
  prefix.mapDrive('D', "disk_d");
  win::drives().map('E', prefix.driveC() / "VYST");
  HomeFolderIn home(prefix);
  std::string directory = c.directory;
  if (directory.starts_with("~")) directory.replace(0, 1, *win::drives().toWindows(prefix.root()));
  // The prefix's own drives.ini is kept as it is.
  if (!fs::exists(prefix.root() / c.settingsFile)) writeFile(prefix.root() / c.settingsFile, "[Settings]\r\nKey=1\r\n");
  ModuleContents contents = toolsModule();
  contents.lists.clear();
  uninstall(contents, directory);
  pressNext();
  EXPECT_EQ(listLines(), std::vector<std::string>{"There were no errors."});
  EXPECT_EQ(fs::exists(prefix.root() / c.settingsFile), !c.deleted);
  EXPECT_TRUE(fs::exists(baseDir() / "vyst.ini"));
}

INSTANTIATE_TEST_SUITE_P(
    Directories, SettingsFilesOfTheDirectory,
    testing::Values(DirectoryCase{"OwnDirectory", "C:\\VMTOOLS\\TOOLS", "drive_c/VMTOOLS/TOOLS/tools.ini", true},
                    DirectoryCase{"BaseDirectory", "C:\\VYST", "drive_c/VYST/vortane.ini", false},
                    DirectoryCase{"BaseDirectoryWithDots", "c:\\vmtools\\..\\vyst\\", "drive_c/VYST/tools.ini", false},
                    DirectoryCase{"BaseDirectoryThroughAnotherDrive", "E:\\", "drive_c/VYST/tools.ini", false},
                    DirectoryCase{"DriveRoot", "C:\\", "drive_c/boot.ini", false},
                    DirectoryCase{"OtherDriveRoot", "D:\\", "disk_d/setup.ini", false},
                    DirectoryCase{"WindowsDirectory", "C:\\WINDOWS", "drive_c/WINDOWS/win.ini", false},
                    DirectoryCase{"SystemDirectory", "C:\\WINDOWS\\SYSTEM", "drive_c/WINDOWS/SYSTEM/system.ini", false},
                    DirectoryCase{"HomeFolder", "~\\home\\user", "home/user/app.ini", false},
                    DirectoryCase{"FolderHoldingTheHomeFolder", "~\\HOME\\", "home/settings.ini", false},
                    DirectoryCase{"PrefixFolder", "~", "drives.ini", false}),
    [](const testing::TestParamInfo<DirectoryCase>& c) { return c.param.what; });

TEST_F(UninstallRun, TheFamilysSettingsFilesAreNeverDeleted) {
  ModuleContents contents = toolsModule();
  contents.lists = {
      {"Files", {"X, vyst.ini, C:\\VYST", "X, VORTANE.INI, c:\\vyst\\", "X, old.ini, C:\\VYST", "X, vyst.cfg, C:\\"}}};
  writeFile(baseDir() / "vortane.ini", "[Nimbrel]\r\nPlaySounds=0\r\n");
  writeFile(baseDir() / "old.ini", "old");
  uninstall(contents, "C:\\VMTOOLS\\TOOLS");
  const std::string familyFile = readFile(prefix.driveC() / "VYST.CFG");
  pressNext();
  EXPECT_EQ(listLines(), std::vector<std::string>{"There were no errors."});
  EXPECT_EQ(readFile(prefix.driveC() / "VYST.CFG"), familyFile);
  EXPECT_EQ(readFile(baseDir() / "vortane.ini"), "[Nimbrel]\r\nPlaySounds=0\r\n");
  EXPECT_NE(vystIni().find("[General]"), std::string::npos);
  EXPECT_FALSE(fs::exists(baseDir() / "old.ini"));
}

class WithoutProgramsFolder : public UninstallRun, public testing::WithParamInterface<bool> {};

TEST_P(WithoutProgramsFolder, NoShortcutIsLookedFor) {
  writeFile(shortcutFolder() / "Vortane Tools.desktop", "shortcut");
  const bool known = GetParam();
  win::setSpecialFolderSource([known](int) { return win::SpecialFolder{known, std::nullopt}; });
  uninstall(toolsModule(), "C:\\VMTOOLS\\TOOLS");
  pressNext();
  win::setSpecialFolderSource({});
  EXPECT_EQ(listLines(), std::vector<std::string>{"There were no errors."});
  EXPECT_TRUE(fs::exists(shortcutFolder() / "Vortane Tools.desktop"));
}

INSTANTIATE_TEST_SUITE_P(Shell, WithoutProgramsFolder, testing::Bool(),
                         [](const testing::TestParamInfo<bool>& c) { return c.param ? "NoPath" : "Unknown"; });

TEST_F(UninstallRun, FilesThatCannotBeDeletedAreListed) {
  // The kernel's process files cannot be deleted, not even by root: one named by a [Files] line, and one
  // that the shortcut's name finds in a Programs folder whose "Vortane Manager" leads there.
  win::drives().map('P', "/proc/self");
  const fs::path programs = prefix.root() / "programs";
  fs::create_directories(programs);
  fs::create_directory_symlink("/proc/self", programs / "Vortane Manager");
  win::drives().map('R', programs);
  win::setSpecialFolderSource([](int) { return win::SpecialFolder{true, "R:\\"}; });
  ModuleContents contents = toolsModule();
  contents.desc = "status";
  contents.lists = {{"Files", {"X, status, P:\\"}}};
  uninstall(contents, "C:\\VMTOOLS\\TOOLS");
  pressNext();
  win::setSpecialFolderSource({});
  EXPECT_EQ(listLines(),
            (std::vector<std::string>{"Could not delete P:\\status", "Could not delete R:\\Vortane Manager\\status"}));
}

TEST_F(UninstallRun, RecordsThatCannotBeEmptiedAreListed) {
  std::vector<std::string> records = recordsOf("TOOLS", "C:\\VMTOOLS\\TOOLS");
  records.insert(records.end(), {"[Notes]", "Text=" + std::string(80000, 'x')});
  recordInstalled(records);
  const std::string before = vystIni();
  putModule("TOOLS.QRM", toolsModule());
  openScreen();
  modules[1].Mode = kUninstall;
  // vyst.ini is past a file size limit, as on a nearly full disk: no rewrite of it fits.
  pressNextWithFileSizeLimit(80000);
  EXPECT_EQ(listLines(), std::vector<std::string>{"Could not unregister module Vortane Tools"});
  EXPECT_TRUE(vystIni() == before);
}

// Relative directories resolve against the current directory, ".." climbs out of the module.
TEST_F(UninstallRun, DirectoriesThatLeaveTheirPlaceDeleteNothingAndAreListed) {
  writeFile(prefix.driveC() / "victim.txt", "the user's");
  fs::create_directories(prefix.driveC() / "EMPTY");
  ModuleContents contents = toolsModule();
  contents.lists = {{"MkDirs", {"Main\\..\\..\\EMPTY", "EMPTY"}},
                    {"Files", {"X, victim.txt, Main\\..\\..", "X, victim.txt, \\"}}};
  uninstall(contents, "C:\\VMTOOLS\\TOOLS");
  pressNext();
  EXPECT_EQ(listLines(), (std::vector<std::string>{"Could not delete C:\\VMTOOLS\\TOOLS\\..\\..\\victim.txt",
                                                   "Could not delete \\victim.txt", "Could not delete EMPTY",
                                                   "Could not delete C:\\VMTOOLS\\TOOLS\\..\\..\\EMPTY"}));
  EXPECT_EQ(readFile(prefix.driveC() / "victim.txt"), "the user's");
  EXPECT_TRUE(fs::is_directory(prefix.driveC() / "EMPTY"));
}

struct KeptFolderCase {
  const char* what;
  const char* directory;  // the module's
  const char* line;       // of [MkDirs]
  const char* folder;     // host folder below the prefix, empty
  friend void PrintTo(const KeptFolderCase& c, std::ostream* out) { *out << c.what; }
};

class FolderThatIsNoModules : public UninstallRun, public testing::WithParamInterface<KeptFolderCase> {};

// D: is an empty folder; E: the prefix folder, so that E:\disk_d is D:'s root by another name.
TEST_P(FolderThatIsNoModules, StaysEvenWhenEmpty) {
  const KeptFolderCase& c = GetParam();
  prefix.mapDrive('D', "disk_d");
  win::drives().map('E', prefix.root());
  ModuleContents contents = toolsModule();
  contents.lists = {{"MkDirs", {c.line}}};
  uninstall(contents, c.directory);
  pressNext();
  EXPECT_EQ(listLines(), std::vector<std::string>{"There were no errors."});
  EXPECT_TRUE(fs::is_directory(prefix.root() / c.folder));
}

INSTANTIATE_TEST_SUITE_P(Folders, FolderThatIsNoModules,
                         testing::Values(KeptFolderCase{"DriveRoot", "D:\\", "Main", "disk_d"},
                                         KeptFolderCase{"DriveRootByAnotherName", "C:\\VMTOOLS\\TOOLS", "E:\\disk_d",
                                                        "disk_d"},
                                         KeptFolderCase{"SystemDirectory", "C:\\VMTOOLS\\TOOLS", "C:\\WINDOWS\\SYSTEM",
                                                        "drive_c/WINDOWS/SYSTEM"}),
                         [](const testing::TestParamInfo<KeptFolderCase>& c) { return c.param.what; });

class RecordedDirectoryNotAbsolute : public UninstallRun, public testing::WithParamInterface<const char*> {};

// An old record or a hand edit: the directory names no place of its own, so nothing is deleted, but the
// records go, so that the module can be installed afresh.
TEST_P(RecordedDirectoryNotAbsolute, LeavesEveryFileAndEmptiesTheRecords) {
  for (const char* name : {"tools.exe", "tools.ini", "data/Level1.dat"}) writeFile(toolsDir() / name, name);
  writeFile(shortcutFolder() / "Vortane Tools.desktop", "shortcut");
  uninstall(toolsModule(), GetParam());
  pressNext();
  EXPECT_EQ(listLines(),
            std::vector<std::string>{"The files of Vortane Tools were left in " + std::string(GetParam())});
  EXPECT_EQ(namesIn(toolsDir()), (std::vector<std::string>{"data", "tools.exe", "tools.ini"}));
  EXPECT_TRUE(fs::exists(shortcutFolder() / "Vortane Tools.desktop"));
  EXPECT_EQ(vystIni(), crlfLines({"[General]", "Vyst3-Installer=Quarrow32 V2.0 Beta 02 (Build 08)", "[Moduls_Dirs]",
                                  "TOOLS=", "[Moduls_EXEs]", "TOOLS=", "[Moduls_Versions]",
                                  "TOOLS=", "[Moduls_LastInstallMode]", "TOOLS=", "[Detour]", "TOOLS="}));
}

INSTANTIATE_TEST_SUITE_P(Directories, RecordedDirectoryNotAbsolute,
                         testing::Values("VMTOOLS\\TOOLS", "C:VMTOOLS\\TOOLS", "\\VMTOOLS\\TOOLS"),
                         [](const testing::TestParamInfo<const char*>& c) { return "Case" + std::to_string(c.index); });

}  // namespace
