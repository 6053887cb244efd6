// The module screen: its look, the module list, the details of a selected module and the user's choices.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <cctype>
#include <filesystem>
#include <string>
#include <vector>

#include "installer/installer_state.h"
#include "installer/qwscreen2.h"
#include "installer_fixture.h"
#include "shared/vyst32.h"

using namespace testing_support;
namespace fs = std::filesystem;

namespace {

const ErrorSeen kNoModules{"No modules",
                           "No *.QRM modules found in current directory, nothing to install! Exiting program..."};

// Offers version 2 Beta 3 Build 1 and proposes a directory on drive X:, which the screen moves to the drive
// of the base directory.
ModuleContents toolsModule() {
  ModuleContents contents;
  contents.name = "tools";
  contents.longName = "Vortane Tools";
  contents.desc = "The tools of the family";
  contents.major = "2";
  contents.status = "Beta";
  contents.minor = "3";
  contents.build = "1";
  contents.defaultDirectory = "X:\\VMTOOLS\\TOOLS";
  contents.exeFile = "tools.exe";
  contents.splashScreen = {"Tools for every", "game of the family."};
  return contents;
}

ModuleContents plainModule(const std::string& name) {
  ModuleContents contents;
  contents.name = name;
  contents.longName = name + " module";
  contents.desc = "About " + name;
  contents.defaultDirectory = "C:\\VMTOOLS\\" + name;
  contents.splashScreen = {"All about " + name + "."};
  return contents;
}

class ModuleScreen : public InstallerTest {
 protected:
  ModuleScreen() { startLibrary(); }

  // The module records of vyst.ini beside its [General] line.
  void recordInstalled(const std::vector<std::string>& records) {
    std::vector<std::string> lines = {"[General]", "Vyst3-Installer=Quarrow32 V2.0 Beta 02 (Build 08)"};
    lines.insert(lines.end(), records.begin(), records.end());
    writeFile(baseDir() / "vyst.ini", crlfLines(lines));
  }

  void open() {
    QWScreen2.show();
    ASSERT_FALSE(ui::programState().ended);
  }

  static std::vector<std::string> lines() {
    std::vector<std::string> out;
    for (int i = 0; i < QWScreen2.List1.listCount(); ++i) out.push_back(QWScreen2.List1.list(i));
    return out;
  }
  static std::vector<std::string> modesOffered() {
    std::vector<std::string> out;
    for (int i = 0; i < QWScreen2.ComboMode.listCount(); ++i) out.push_back(QWScreen2.ComboMode.list(i));
    return out;
  }

  // The user types into the directory box, after emptying it or going on from its end.
  static QLineEdit* directoryBox() { return QWScreen2.TextDir.widget()->findChild<QLineEdit*>(); }
  static void typeDirectory(const std::string& text) {
    QTest::keyClick(directoryBox(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(directoryBox(), Qt::Key_Delete);
    typeOn(text);
  }
  static void typeOn(const std::string& text) {
    QTest::keyClick(directoryBox(), Qt::Key_End);
    QTest::keyClicks(directoryBox(), QString::fromStdString(text));
  }

  static bool detailsShown() {
    return QWScreen2.ComboMode.visible() && QWScreen2.LabelMode.visible() && QWScreen2.TextDir.visible() &&
           QWScreen2.LabelDir.visible();
  }
};

struct Placement {
  const char* control;
  int index;
  double left, top, width, height;
  bool visible;
};
const Placement kPlaces[] = {
    {"Image1", -1, 120, 120, 2250, 4500, true},           {"LabelSup", -1, 2520, 240, 5535, 855, true},
    {"List1", -1, 2520, 1080, 5535, 1230, true},          {"LabelLong", -1, 2520, 2460, 5595, 255, true},
    {"LabelMode", -1, 5040, 2460, 1455, 555, false},      {"ComboMode", -1, 6540, 2400, 1515, 315, false},
    {"TextDesc", -1, 2580, 2760, 5535, 915, true},        {"LabelProcess", 0, 2580, 2760, 5535, 255, false},
    {"LabelProcess", 4, 2580, 3720, 5535, 255, false},    {"LabelDesc2", -1, 2520, 3180, 5535, 615, true},
    {"LabelVersion", 1, 2520, 3780, 1395, 255, false},    {"LabelVersion", 2, 4020, 3780, 4095, 255, false},
    {"LabelVersion", 3, 2520, 4020, 1395, 255, false},    {"LabelVersion", 4, 4020, 4020, 4095, 255, false},
    {"TextDir", -1, 4020, 4260, 4035, 315, false},        {"LabelDir", -1, 2520, 4320, 1155, 255, false},
    {"Picture2", -1, 120, 4800, 8055, 60, true},          {"ButtonBack", -1, 3360, 5040, 1335, 375, true},
    {"ButtonNext", -1, 4800, 5040, 1335, 375, true},      {"ButtonCancel", -1, 6840, 5040, 1335, 375, true},
    {"LabelProgVersion", -1, 120, 5160, 3975, 315, true},
};

}  // namespace

TEST_F(ModuleScreen, ControlsStandInTheirPlacesInTheirDesignStates) {
  putModule("TOOLS.QRM", toolsModule());
  open();
  EXPECT_EQ(QWScreen2.caption(), "Vortane Manager QUARROW32");
  EXPECT_DOUBLE_EQ(QWScreen2.scaleWidth(), 8205);
  EXPECT_DOUBLE_EQ(QWScreen2.scaleHeight(), 5460);
  for (const Placement& p : kPlaces) {
    ui::Control* c = QWScreen2.findControl(p.control, p.index);
    ASSERT_NE(c, nullptr) << p.control << p.index;
    EXPECT_DOUBLE_EQ(c->left(), p.left) << p.control << p.index;
    EXPECT_DOUBLE_EQ(c->top(), p.top) << p.control << p.index;
    EXPECT_DOUBLE_EQ(c->width(), p.width) << p.control << p.index;
    EXPECT_DOUBLE_EQ(c->height(), p.height) << p.control << p.index;
    EXPECT_EQ(c->visible(), p.visible) << p.control << p.index;
    if (c->hasFont()) {
      EXPECT_EQ(c->fontName(), "Tahoma") << p.control << p.index;
    }
  }
  EXPECT_EQ(QWScreen2.LabelSup.caption(),
            "Welcome to the Vortane Manager Tools! You can choose the modules to install here (just change their "
            "installation modes) and -if installing them for the first time- change their directories.");
  EXPECT_EQ(QWScreen2.TextDesc.text(),
            "Select a module in the list above to edit its installation mode and/or its destination directory.\r\n");
  EXPECT_EQ(QWScreen2.LabelMode.caption(), "Mode:");
  EXPECT_EQ(QWScreen2.LabelVersion[1].caption(), "Module version:");
  EXPECT_EQ(QWScreen2.LabelVersion[3].caption(), "Installed version:");
  EXPECT_EQ(QWScreen2.LabelDir.caption(), "Directory:");
  EXPECT_EQ(QWScreen2.LabelProgVersion.caption(), "V2.0 Beta 02 (Build 08) - 07/07/98");
  EXPECT_TRUE(QWScreen2.LabelLong.fontBold());
  EXPECT_TRUE(QWScreen2.TextDesc.fontItalic());
  EXPECT_TRUE(QWScreen2.LabelVersion[1].fontItalic());
  EXPECT_FALSE(QWScreen2.LabelVersion[2].fontItalic());
  EXPECT_TRUE(QWScreen2.LabelDir.fontItalic());
  EXPECT_FALSE(QWScreen2.ButtonBack.enabled());
  EXPECT_TRUE(QWScreen2.ButtonNext.isDefault());
  EXPECT_TRUE(QWScreen2.ButtonCancel.isCancel());
  EXPECT_TRUE(QWScreen2.Image1.hasPicture());
  saveScreenshot(QWScreen2, "installer_module_screen_loaded");
}

TEST_F(ModuleScreen, OneModuleMakesOneLineOnTheDriveOfTheBaseDirectory) {
  fs::path d = prefix.mapDrive('D', "disk_d");
  writeFile(prefix.driveC() / "VYST.CFG", crlfLines({"[Directories]", "Vyst3=D:\\FAMILY"}));
  writeFile(d / "FAMILY" / "vyst.ini", crlfLines({"[General]"}));
  vyst_init();
  inf_dir = pfad_temp;
  putModule("TOOLS.QRM", toolsModule());
  open();
  EXPECT_EQ(lines(), std::vector<std::string>{"Install Vortane Tools in D:\\VMTOOLS\\TOOLS"});
  EXPECT_EQ(modules[1].File, "C:\\SETUP\\TOOLS.QRM");
  EXPECT_EQ(QWScreen2.List1.listIndex(), -1);
  EXPECT_FALSE(detailsShown());
}

TEST_F(ModuleScreen, ArchivesThatDoNotLoadLeaveNoGap) {
  putModule("A.QRM", plainModule("A"));
  putSetupFile("B.QRM", "this is no HOG archive");
  putSetupFile("C.QRM", samples::hogArchive({{"readme.txt", "no description here"}}));
  putModule("d.qrm", plainModule("D"));  // the platform's matching ignores case
  putModule("E.TXT", plainModule("E"));
  open();
  EXPECT_EQ(lines(),
            (std::vector<std::string>{"Install A module in C:\\VMTOOLS\\A", "Install D module in C:\\VMTOOLS\\D"}));
  EXPECT_EQ(modules[2].Name, "D");
  EXPECT_EQ(modules[2].File, "C:\\SETUP\\d.qrm");
}

TEST_F(ModuleScreen, OnlyTheFirst32ArchivesCount) {
  auto nameOf = [](int i) { return "M" + std::string(i < 10 ? "0" : "") + std::to_string(i); };
  for (int i = 1; i <= 33; ++i) putModule(nameOf(i) + ".QRM", plainModule(nameOf(i)));
  open();
  ASSERT_EQ(QWScreen2.List1.listCount(), 32);
  EXPECT_EQ(modules[32].Name, "M32");
  EXPECT_EQ(lines().back(), "Install M32 module in C:\\VMTOOLS\\M32");

  // A broken one among the first 32 costs a line: the 33rd is still never looked at.
  ui::tearDownAllForms();
  modules = ModuleTable{};
  putSetupFile("M05.QRM", "broken");
  open();
  EXPECT_EQ(QWScreen2.List1.listCount(), 31);
  EXPECT_EQ(modules[5].Name, "M06");
  EXPECT_EQ(modules[31].Name, "M32");
}

class NoModule : public ModuleScreen, public testing::WithParamInterface<const char*> {};

TEST_P(NoModule, EndsTheProgramWithTheNoModulesBox) {
  std::string what = GetParam();
  if (what == "a broken archive") putSetupFile("BROKEN.QRM", "VHF");
  if (what == "an archive without description") putSetupFile("DATA.QRM", samples::hogArchive({{"a.txt", "a"}}));
  expectErrorBox();
  EXPECT_PROGRAM_ENDS(QWScreen2.show(), 1);
  EXPECT_EQ(errors, std::vector<ErrorSeen>{kNoModules});
}
INSTANTIATE_TEST_SUITE_P(Cases, NoModule,
                         testing::Values("no archive", "a broken archive", "an archive without description"));

struct StateCase {
  const char* what;
  std::vector<std::string> records;
  bool updateOnly;
  std::vector<std::string> modes;
  const char* mode;
  const char* directory;
  bool directoryEditable;
  const char* installedVersion;  // nullptr: hidden
};

std::string nameOfStateCase(const testing::TestParamInfo<StateCase>& c) {
  std::string name;
  for (const char* p = c.param.what; *p; ++p)
    if (std::isalnum(static_cast<unsigned char>(*p))) name += *p;
  return name;
}

class InstalledState : public ModuleScreen, public testing::WithParamInterface<StateCase> {};

TEST_P(InstalledState, TheClickShowsTheModesTheDirectoryAndTheVersions) {
  const StateCase& c = GetParam();
  recordInstalled(c.records);
  ModuleContents contents = toolsModule();
  contents.updateOnly = c.updateOnly;
  putModule("TOOLS.QRM", contents);
  open();
  std::string line = std::string(c.mode) + " Vortane Tools in " + c.directory;
  EXPECT_EQ(lines(), std::vector<std::string>{line});

  clickLine(0);
  EXPECT_EQ(QWScreen2.LabelLong.caption(), "The tools of the family");
  EXPECT_EQ(modesOffered(), c.modes);
  EXPECT_EQ(QWScreen2.ComboMode.text(), c.mode);
  EXPECT_EQ(QWScreen2.TextDir.text(), c.directory);
  EXPECT_EQ(QWScreen2.TextDir.enabled(), c.directoryEditable);
  EXPECT_EQ(QWScreen2.LabelVersion[2].caption(), "2 Beta 3 Build 1");
  EXPECT_TRUE(QWScreen2.LabelVersion[1].visible());
  EXPECT_TRUE(QWScreen2.LabelVersion[2].visible());
  EXPECT_EQ(QWScreen2.LabelVersion[3].visible(), c.installedVersion != nullptr);
  EXPECT_EQ(QWScreen2.LabelVersion[4].visible(), c.installedVersion != nullptr);
  if (c.installedVersion) {
    EXPECT_EQ(QWScreen2.LabelVersion[4].caption(), c.installedVersion);
  }
  EXPECT_EQ(QWScreen2.TextDesc.text(), "Tools for every game of the family. ");
  EXPECT_TRUE(detailsShown());
  EXPECT_EQ(lines(), std::vector<std::string>{line}) << "the click keeps the line";
  saveScreenshot(QWScreen2, "installer_module_screen_" + nameOfStateCase({c, 0}));
  EXPECT_EQ(mode_names.at(static_cast<size_t>(modules[1].Mode)), c.mode);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, InstalledState,
    testing::Values(
        StateCase{"not installed", {}, false, {"Skip", "Install"}, "Install", "C:\\VMTOOLS\\TOOLS", true, nullptr},
        StateCase{"the same version",
                  {"[Moduls_Dirs]", "TOOLS=D:\\OLD\\TOOLS", "[Moduls_Versions]", "TOOLS=2 Beta 3 Build 1,2,Beta,3,1"},
                  false,
                  {"Skip", "Uninstall", "Repair"},
                  "Skip",
                  "D:\\OLD\\TOOLS",
                  false,
                  nullptr},
        StateCase{"an older version",
                  {"[Moduls_Dirs]", "TOOLS=D:\\OLD\\TOOLS", "[Moduls_Versions]", "TOOLS=2 Beta 2,2,Beta,2,"},
                  false,
                  {"Skip", "Update"},
                  "Update",
                  "D:\\OLD\\TOOLS",
                  false,
                  "2 Beta 2"},
        StateCase{"a newer version",
                  {"[Moduls_Dirs]", "TOOLS=D:\\OLD\\TOOLS", "[Moduls_Versions]", "TOOLS=2,2,Final,,"},
                  false,
                  {"Skip"},
                  "Skip",
                  "D:\\OLD\\TOOLS",
                  false,
                  "2"},
        StateCase{"update only, not installed",
                  {},
                  true,
                  {"Skip"},
                  "Skip",
                  "(Upgrade only, old version not installed)",
                  false,
                  nullptr}),
    nameOfStateCase);

TEST_F(ModuleScreen, ATypedDirectoryAndAChosenModeSurviveAClickOnAnotherLineAndBack) {
  putModule("TOOLS.QRM", toolsModule());
  putModule("ZOO.QRM", plainModule("ZOO"));
  open();
  clickLine(0);
  typeDirectory("D");
  EXPECT_EQ(lines()[0], "Install Vortane Tools in D") << "the line follows every keystroke";
  typeOn(":\\Mine");
  EXPECT_EQ(lines()[0], "Install Vortane Tools in D:\\Mine");
  chooseMode("Skip");
  EXPECT_EQ(lines()[0], "Skip Vortane Tools in D:\\Mine");

  clickLine(1);
  EXPECT_EQ(QWScreen2.TextDir.text(), "C:\\VMTOOLS\\ZOO");
  EXPECT_EQ(QWScreen2.ComboMode.text(), "Install");
  EXPECT_EQ(QWScreen2.TextDesc.text(), "All about ZOO. ");
  clickLine(0);
  EXPECT_EQ(QWScreen2.TextDir.text(), "D:\\Mine");
  EXPECT_EQ(QWScreen2.ComboMode.text(), "Skip");
  EXPECT_EQ(QWScreen2.TextDesc.text(), "Tools for every game of the family. ");
  EXPECT_EQ(lines(),
            (std::vector<std::string>{"Skip Vortane Tools in D:\\Mine", "Install ZOO module in C:\\VMTOOLS\\ZOO"}));
  EXPECT_EQ(modules[1].Directory, "D:\\Mine");
  EXPECT_EQ(modules[1].Mode, kSkip);
  EXPECT_EQ(modules[2].Mode, kInstall);
  saveScreenshot(QWScreen2, "installer_module_screen_chosen");
}

TEST_F(ModuleScreen, AnEmptiedDirectoryIsStoredEmpty) {
  putModule("TOOLS.QRM", toolsModule());
  open();
  clickLine(0);
  typeDirectory("");
  EXPECT_EQ(lines()[0], "Install Vortane Tools in ");
  EXPECT_EQ(modules[1].Directory, "");
}

TEST_F(ModuleScreen, WithNoLineSelectedTheDetailsChangeNothing) {
  putModule("TOOLS.QRM", toolsModule());
  putModule("ZOO.QRM", plainModule("ZOO"));
  open();
  clickLine(1);
  clickLine(1, Qt::ControlModifier);
  ASSERT_EQ(QWScreen2.List1.listIndex(), -1);
  typeDirectory("E:\\Elsewhere");
  chooseMode("Skip");
  EXPECT_FALSE(ui::programState().ended);
  EXPECT_EQ(lines(), (std::vector<std::string>{"Install Vortane Tools in C:\\VMTOOLS\\TOOLS",
                                               "Install ZOO module in C:\\VMTOOLS\\ZOO"}));
  EXPECT_EQ(modules[1].Directory, "C:\\VMTOOLS\\TOOLS");
  EXPECT_EQ(modules[2].Directory, "C:\\VMTOOLS\\ZOO");
  EXPECT_EQ(modules[2].Mode, kInstall);
}

TEST_F(ModuleScreen, AModuleWhoseArchiveWentAwayKeepsItsChoicesAndItsShortDescription) {
  putModule("TOOLS.QRM", toolsModule());
  putModule("ZOO.QRM", plainModule("ZOO"));
  open();
  clickLine(0);
  typeDirectory("D:\\Mine");
  fs::remove(setupDir() / "TOOLS.QRM");
  clickLine(1);
  clickLine(0);
  EXPECT_FALSE(ui::programState().ended);
  EXPECT_EQ(QWScreen2.TextDir.text(), "D:\\Mine");
  EXPECT_EQ(QWScreen2.TextDesc.text(), "The tools of the family") << "not the description another module left";
  EXPECT_EQ(lines()[0], "Install Vortane Tools in D:\\Mine");
}

TEST_F(ModuleScreen, AClickWhileNextIsDisabledChangesNothing) {
  putModule("TOOLS.QRM", toolsModule());
  open();
  // As after the run, when the list shows the errors.
  QWScreen2.ButtonNext.setEnabled(false);
  clickLine(0);
  EXPECT_FALSE(detailsShown());
  EXPECT_EQ(QWScreen2.LabelLong.caption(), "");
}

class Leaving : public ModuleScreen, public testing::WithParamInterface<const char*> {};

TEST_P(Leaving, EndsTheProgram) {
  putModule("TOOLS.QRM", toolsModule());
  open();
  std::string how = GetParam();
  if (how == "Cancel") EXPECT_PROGRAM_ENDS(userClick(QWScreen2.ButtonCancel), 0);
  if (how == "Esc") EXPECT_PROGRAM_ENDS(userKey(QWScreen2.List1.widget(), Qt::Key_Escape), 0);
  if (how == "close box") EXPECT_PROGRAM_ENDS(QWScreen2.window()->close(), 0);
  if (how == "CloseScreen") EXPECT_PROGRAM_ENDS(QWScreen2.CloseScreen(), 0);
  EXPECT_TRUE(user.messageBoxes().empty());
}
INSTANTIATE_TEST_SUITE_P(Ways, Leaving, testing::Values("Cancel", "Esc", "close box", "CloseScreen"));
