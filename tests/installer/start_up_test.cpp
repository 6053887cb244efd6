// The installer's start procedure and its base-directory screen.
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "installer/installer_state.h"
#include "installer/qw_main.h"
#include "installer/qwscreen1.h"
#include "installer/qwscreen2.h"
#include "installer_fixture.h"
#include "platform/drives.h"
#include "shared/vyst32.h"
#include "support/planted_link.h"

using namespace testing_support;
namespace fs = std::filesystem;

namespace {

const std::string kGeneral = "Vyst3-Installer=Quarrow32 V2.0 Beta 02 (Build 08)";
const ErrorSeen kNoDir{"No dir specified", "Enter a directory for Vyst3!"};
const ErrorSeen kInvalidDir{"Invalid dir", "Could not install Vyst3 in that directory. Choose another!"};
const ErrorSeen kAccessError{"Access error", "Could not create/write file C:\\VYST.CFG"};
const ErrorSeen kNoModules{"No modules",
                           "No *.QRM modules found in current directory, nothing to install! Exiting program..."};
const ErrorSeen kNotInstalled{"Vyst32 error", "Vyst3 is not properly installed!"};

class StartUp : public InstallerTest {
 protected:
  // C:\VYST.CFG in whatever case it was created.
  fs::path cfg() const { return win::drives().toHost("C:\\VYST.CFG"); }

  // Every file and folder below drive C:, as paths relative to it.
  std::set<std::string> treeOfDriveC() const {
    std::set<std::string> tree;
    for (auto& entry : fs::recursive_directory_iterator(prefix.driveC()))
      tree.insert(entry.path().lexically_relative(prefix.driveC()).string());
    return tree;
  }

  // The user acts on the base-directory screen when it comes up; it must be closed by then.
  void onBaseDirectoryScreen(std::function<void()> action) {
    user.onModal("QWScreen1", [action](ui::Form&) { action(); });
  }
  void typeAndPressNext(const std::string& directory) {
    QWScreen1.TextDir.setText(directory);
    userClick(QWScreen1.ButtonNext);
  }

  // The start procedure runs through to the module screen, which ends the program with its box while no
  // module archive lies beside the program. Error boxes on the way are closed; errors holds them all.
  void runMainToNoModules(int boxesOnTheWay = 0) {
    for (int i = 0; i <= boxesOnTheWay; ++i) expectErrorBox();
    EXPECT_PROGRAM_ENDS(Main(), 1);
    ASSERT_FALSE(errors.empty());
    EXPECT_EQ(errors.back(), kNoModules);
  }
};

}  // namespace

TEST_F(StartUp, WithABaseDirectoryTheLibraryStartsAtOnce) {
  installFamily();
  runMainToNoModules();
  EXPECT_EQ(user.modalForms(), std::vector<std::string>{"VystEMsg"}) << "no base-directory screen";
  EXPECT_EQ(prog_key, "QRW32");
  EXPECT_EQ(prog_title, "QUARROW32");
  EXPECT_EQ(prog_version, "2.0 Beta 02 (Build 08)");
  EXPECT_EQ(prog_date, "07/07/98");
  EXPECT_EQ(mode_names, (std::array<std::string, kModeCount>{"Skip", "Install", "Uninstall", "Repair", "Update"}));
  EXPECT_EQ(makedirtree_probe, "test.ini");
  EXPECT_EQ(pfad_vyst, "C:\\VYST\\");
  EXPECT_EQ(pfad_temp, "C:\\VYST\\_Temp\\");
  EXPECT_EQ(inf_dir, pfad_temp);
  EXPECT_EQ(pfad_main, "C:\\SETUP\\");
}

TEST_F(StartUp, WithoutABaseDirectoryTheScreenCreatesItWithItsParents) {
  onBaseDirectoryScreen([this] {
    EXPECT_EQ(QWScreen1.caption(), "Vortane Manager QUARROW32");
    EXPECT_EQ(QWScreen1.LabelSup.caption(),
              "Quarrow has detected, that no Vyst3-module has yet been installed, so we need to install Vyst3 "
              "first. Please specify a directory, where to install Vyst3:");
    EXPECT_EQ(QWScreen1.LabelLong.caption(),
              "(Note: Additionally a small file called C:\\VYST.CFG will be created, please make sure that you "
              "have write access to C:\\ and there are at least 512 bytes free on C:)");
    EXPECT_EQ(QWScreen1.LabelProgVersion.caption(), "V2.0 Beta 02 (Build 08) - 07/07/98");
    EXPECT_EQ(QWScreen1.TextDir.text(), "C:\\VMTOOLS\\_VYST");
    EXPECT_EQ(QWScreen1.ButtonBack.caption(), "< &Back");
    EXPECT_EQ(QWScreen1.ButtonNext.caption(), "&Next >");
    EXPECT_EQ(QWScreen1.ButtonCancel.caption(), "&Cancel");
    EXPECT_TRUE(QWScreen1.Image1.hasPicture());
    for (ui::Control* c : QWScreen1.controls()) {
      if (c->hasFont()) {
        EXPECT_EQ(c->fontName(), "Tahoma") << c->name();
      }
    }
    saveScreenshot(QWScreen1, "installer_base_directory_screen");
    userClick(QWScreen1.ButtonNext);
    EXPECT_FALSE(QWScreen1.isLoaded());
  });
  runMainToNoModules();

  fs::path made = prefix.driveC() / "VMTOOLS" / "_VYST";
  EXPECT_EQ(readFile(made / "vyst.ini"), crlfLines({"[General]", kGeneral}));
  EXPECT_EQ(readFile(cfg()), crlfLines({"[Directories]", "Vyst3=C:\\VMTOOLS\\_VYST"}));
  EXPECT_FALSE(fs::exists(made / "test.ini")) << "the probe is gone";
  EXPECT_EQ(pfad_vyst, "C:\\VMTOOLS\\_VYST\\") << "the library started from the new directory";
  EXPECT_EQ(errors.size(), 1u);
}

TEST_F(StartUp, CfgNamingADirectoryWithoutVystIniShowsTheScreenAndCancelEndsAtOnce) {
  writeFile(cfg(), crlfLines({"[Directories]", "Vyst3=C:\\OLD"}));
  fs::create_directories(prefix.driveC() / "OLD");
  std::set<std::string> before = treeOfDriveC();
  onBaseDirectoryScreen([] { userClick(QWScreen1.ButtonCancel); });
  EXPECT_PROGRAM_ENDS(Main(), 0);
  EXPECT_EQ(user.modalForms(), std::vector<std::string>{"QWScreen1"});
  EXPECT_EQ(treeOfDriveC(), before);
  EXPECT_EQ(readFile(cfg()), crlfLines({"[Directories]", "Vyst3=C:\\OLD"}));
}

TEST_F(StartUp, ClosingTheScreenLeadsToTheLibrarysFatalBox) {
  std::set<std::string> before = treeOfDriveC();
  onBaseDirectoryScreen([] { QWScreen1.window()->close(); });
  expectErrorBox();
  EXPECT_PROGRAM_ENDS(Main(), 1);
  EXPECT_EQ(errors, std::vector<ErrorSeen>{kNotInstalled});
  EXPECT_EQ(treeOfDriveC(), before);
}

TEST_F(StartUp, EachRefusedDirectoryCreatesNothingAndTheNextTrySucceeds) {
  struct Case {
    const char* typed;
    ErrorSeen box;
  };
  const Case cases[] = {
      {"", kNoDir},
      {"   ", kNoDir},
      {" n/a ", kNoDir},
      {"VYST", kInvalidDir},                      // relative to the current directory
      {"C:VYST", kInvalidDir},                    // relative to drive C:'s current directory
      {"\\VYST", kInvalidDir},                    // on the current drive
      {"C:/VYST", kInvalidDir},                   // "/" is no separator for the directory tree
      {"1:\\VYST", kInvalidDir},                  // no drive letter
      {"Q:\\VYST", kInvalidDir},                  // a drive that is not there
      {"C:\\WINDOWS\\SYSTEM\\a<b", kInvalidDir},  // no Windows name
  };
  std::set<std::string> before = treeOfDriveC();
  onBaseDirectoryScreen([&] {
    for (const Case& c : cases) {
      typeAndPressNext(c.typed);
      ASSERT_FALSE(errors.empty()) << c.typed;
      EXPECT_EQ(errors.back(), c.box) << c.typed;
      EXPECT_TRUE(QWScreen1.isVisible()) << c.typed;
      EXPECT_EQ(treeOfDriveC(), before) << c.typed;
    }
    typeAndPressNext("C:\\A\\B\\C");
    EXPECT_FALSE(QWScreen1.isLoaded());
  });
  runMainToNoModules(static_cast<int>(std::size(cases)));
  EXPECT_EQ(errors.size(), std::size(cases) + 1);
  EXPECT_EQ(readFile(cfg()), crlfLines({"[Directories]", "Vyst3=C:\\A\\B\\C"}));
  EXPECT_EQ(readFile(prefix.driveC() / "A" / "B" / "C" / "vyst.ini"), crlfLines({"[General]", kGeneral}));
}

TEST_F(StartUp, ACfgThatCannotBeWrittenStaysAsItWasAndTheNextTrySucceeds) {
  const std::string older = crlfLines({"[Directories]", "Vyst3=C:\\OLD", "[Notes]", "Text=" + std::string(200, 'x')});
  writeFile(cfg(), older);
  onBaseDirectoryScreen([&] {
    // A file size limit that the new vyst.ini fits and the rewritten C:\VYST.CFG does not, as on a full disk.
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit{120, RLIM_INFINITY};
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limit), 0);
    typeAndPressNext("C:\\NEW");
    limit.rlim_cur = RLIM_INFINITY;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limit), 0);
    ASSERT_EQ(errors, std::vector<ErrorSeen>{kAccessError});
    EXPECT_EQ(readFile(cfg()), older);
    EXPECT_TRUE(QWScreen1.isVisible());
    userClick(QWScreen1.ButtonNext);
  });
  runMainToNoModules(1);
  EXPECT_EQ(readFile(cfg()), crlfLines({"[Directories]", "Vyst3=C:\\NEW", "[Notes]", "Text=" + std::string(200, 'x')}));
  EXPECT_EQ(std::distance(fs::directory_iterator(prefix.driveC()), fs::directory_iterator()), 4)
      << "no temporary file is left beside C:\\VYST.CFG (WINDOWS, SETUP, NEW, VYST.CFG)";
}

TEST_F(StartUp, TheDirectoryIsTrimmedAndRecordedAsTyped) {
  fs::path d = prefix.mapDrive('D', "disk_d");
  onBaseDirectoryScreen([this] { typeAndPressNext("  d:\\Tools\\Vyst  "); });
  runMainToNoModules();
  EXPECT_EQ(readFile(cfg()), crlfLines({"[Directories]", "Vyst3=d:\\Tools\\Vyst"}));
  EXPECT_TRUE(fs::exists(d / "Tools" / "Vyst" / "vyst.ini"));
  EXPECT_EQ(pfad_vyst, "d:\\Tools\\Vyst\\");
}

TEST_F(StartUp, ADirectoryWithAVystIniKeepsItsRecordsAndGainsTheInstallerLine) {
  writeFile(prefix.driveC() / "FAMILY" / "vyst.ini", crlfLines({"[Moduls_Dirs]", "TOVRIK32=C:\\FAMILY\\TOVRIK32"}));
  onBaseDirectoryScreen([this] { typeAndPressNext("C:\\FAMILY"); });
  runMainToNoModules();
  EXPECT_EQ(readFile(prefix.driveC() / "FAMILY" / "vyst.ini"),
            crlfLines({"[Moduls_Dirs]", "TOVRIK32=C:\\FAMILY\\TOVRIK32", "[General]", kGeneral}));
}

// The screen has neither a default nor a cancel button: Enter and Esc while typing press nothing.
TEST_F(StartUp, BackEnterAndEscDoNothingAndOnlyNextGoesOn) {
  onBaseDirectoryScreen([this] {
    const std::pair<const char*, std::function<void()>> presses[] = {
        {"Back", [] { userClick(QWScreen1.ButtonBack); }},
        {"Enter", [] { userKey(QWScreen1.TextDir.widget(), Qt::Key_Return); }},
        {"Esc", [] { userKey(QWScreen1.TextDir.widget(), Qt::Key_Escape); }},
    };
    for (const auto& [name, press] : presses) {
      press();
      EXPECT_TRUE(QWScreen1.isVisible()) << name;
      EXPECT_FALSE(ui::programState().ended) << name;
    }
    EXPECT_FALSE(fs::exists(prefix.driveC() / "VMTOOLS"));
    userClick(QWScreen1.ButtonNext);
  });
  runMainToNoModules();
  EXPECT_TRUE(fs::exists(prefix.driveC() / "VMTOOLS" / "_VYST" / "vyst.ini"));
}

TEST_F(StartUp, WithoutTahomaTheScreenEndsTheProgramWithTheFontBox) {
  fs::remove(prefix.driveC() / "WINDOWS" / "FONTS" / "tahoma.ttf");
  expectErrorBox();
  EXPECT_PROGRAM_ENDS(Main(), 1);
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_EQ(errors[0].caption, "Font error");
  EXPECT_EQ(user.modalForms(), std::vector<std::string>{"VystEMsg"});
  EXPECT_FALSE(fs::exists(prefix.driveC() / "VMTOOLS"));
}

TEST_F(StartUp, WithAModuleBesideTheProgramTheModuleScreenShowsModelessWithoutOwner) {
  installFamily();
  ModuleContents tools;
  tools.name = "TOOLS";
  tools.longName = "Vortane Tools";
  tools.defaultDirectory = "C:\\VMTOOLS\\TOOLS";
  putModule("TOOLS.QRM", tools);
  Main();
  EXPECT_FALSE(ui::programState().ended);
  EXPECT_TRUE(user.modalForms().empty());
  EXPECT_TRUE(QWScreen2.isVisible());
  EXPECT_EQ(QWScreen2.owner(), nullptr);
  EXPECT_EQ(QWScreen2.List1.list(0), "Install Vortane Tools in C:\\VMTOOLS\\TOOLS");
}

TEST_F(StartUp, TheNewBaseDirectoryDecidesTheDriveTheModulesAreProposedOn) {
  prefix.mapDrive('D', "disk_d");
  ModuleContents tools;
  tools.name = "TOOLS";
  tools.longName = "Vortane Tools";
  tools.defaultDirectory = "C:\\VMTOOLS\\TOOLS";
  putModule("TOOLS.QRM", tools);
  onBaseDirectoryScreen([this] { typeAndPressNext("D:\\VYST"); });
  Main();
  EXPECT_FALSE(ui::programState().ended);
  EXPECT_EQ(QWScreen2.List1.list(0), "Install Vortane Tools in D:\\VMTOOLS\\TOOLS");
  EXPECT_EQ(inf_dir, "D:\\VYST\\_Temp\\");
}

class StartUpBesideALink : public StartUp, public ::testing::WithParamInterface<LinkTarget> {};

TEST_P(StartUpBesideALink, TheBaseDirectoryScreenWritesNothingThroughALink) {
  PlantedLink cfgLink(prefix.driveC() / "VYST.CFG", prefix.root() / "outside", GetParam());
  PlantedLink iniLink(prefix.driveC() / "NEW" / "vyst.ini", prefix.root() / "outside", GetParam());
  PlantedLink probeLink(prefix.driveC() / "NEW" / "test.ini", prefix.root() / "outside", GetParam());
  onBaseDirectoryScreen([this] { typeAndPressNext("C:\\NEW"); });
  runMainToNoModules();
  EXPECT_TRUE(cfgLink.outsideUnchanged());
  EXPECT_TRUE(iniLink.outsideUnchanged());
  EXPECT_TRUE(probeLink.outsideUnchanged());
  EXPECT_TRUE(probeLink.linkLeftAlone());
  ASSERT_TRUE(isPlainFile(prefix.driveC() / "VYST.CFG"));
  EXPECT_EQ(readFile(prefix.driveC() / "VYST.CFG"), crlfLines({"[Directories]", "Vyst3=C:\\NEW"}));
  ASSERT_TRUE(isPlainFile(prefix.driveC() / "NEW" / "vyst.ini"));
  EXPECT_EQ(readFile(prefix.driveC() / "NEW" / "vyst.ini"), crlfLines({"[General]", kGeneral}));
}
INSTANTIATE_TEST_SUITE_P(Targets, StartUpBesideALink, ::testing::Values(LinkTarget::Nowhere, LinkTarget::OutsideFile),
                         linkTargetName);
