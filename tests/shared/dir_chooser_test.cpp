#include "shared/dir_chooser.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <filesystem>
#include <functional>
#include <string>

#include "support/ui_driver.h"

using namespace testing_support;
namespace fs = std::filesystem;

namespace {

class DirChooser : public UiTest {
 protected:
  DirChooser() {
    fs::create_directories(prefix.driveC() / "GAMES" / "VORTANE");
    fs::create_directories(prefix.mapDrive('D', "cdrom") / "MOVIES");
  }
  // Runs the chooser; the user does what the script says, reads the label and presses OK.
  std::string choose(std::string directory, std::function<void()> script = {}) {
    user.onModal("VystDirC", [this, script](ui::Form& form) {
      EXPECT_EQ(form.caption(), "Directory");
      if (script) script();
      shownLabel = VystDirC.LabelDir.caption();
      shownPath = VystDirC.Dir1.path();
      VystDirC.Command1.click();
    });
    ChooseDirectory(directory);
    EXPECT_FALSE(VystDirC.isLoaded());
    return directory;
  }
  // Picks a drive in the list as the user does, ready or not.
  static void pickDrive(char letter) {
    auto* combo = qobject_cast<QComboBox*>(VystDirC.Drive1.widget());
    for (int i = 0; i < VystDirC.Drive1.listCount(); ++i)
      if (VystDirC.Drive1.list(i)[0] == letter) {
        combo->setCurrentIndex(i);
        emit combo->activated(i);
      }
  }
  std::string shownLabel, shownPath;
};

TEST_F(DirChooser, OKAtOnceGivesTheDirectoryAsTheListWritesIt) {
  EXPECT_EQ(choose("c:\\games\\vortane"), "C:\\GAMES\\VORTANE");
  EXPECT_EQ(shownLabel, "C:\\GAMES\\VORTANE");
  EXPECT_EQ(choose("D:\\MOVIES\\"), "D:\\MOVIES");
}

TEST_F(DirChooser, ADirectoryTheListShowsAlreadyComesBackAsPassed) { EXPECT_EQ(choose("c:\\"), "c:\\"); }

TEST_F(DirChooser, AChangeOfDriveGivesThatDrivesCurrentDirectory) {
  EXPECT_EQ(choose("C:\\GAMES\\VORTANE", [] { pickDrive('d'); }), "D:\\");
}

TEST_F(DirChooser, TheDirectoryLastOpenedIsTheChoice) {
  auto script = [] {
    pickDrive('d');
    VystDirC.Dir1.setPath("D:\\MOVIES");
  };
  EXPECT_EQ(choose("C:\\GAMES", script), "D:\\MOVIES");
}

TEST_F(DirChooser, AMissingDirectoryOpensWhereTheDriveChangeLeftTheLists) {
  EXPECT_EQ(choose("D:\\NOWHERE"), "D:\\");
  EXPECT_EQ(shownPath, "D:\\");
}

TEST_F(DirChooser, ADriveThatCannotBeReadKeepsThePreviousDriveAndDirectory) {
  fs::remove_all(prefix.mapDrive('E', "empty_drive"));
  std::string driveAfterPick;
  auto script = [&] {
    pickDrive('e');
    driveAfterPick = VystDirC.Drive1.drive();
  };
  EXPECT_EQ(choose("C:\\GAMES", script), "C:\\GAMES");
  EXPECT_EQ(driveAfterPick.substr(0, 2), "c:");
  EXPECT_EQ(shownPath, "C:\\GAMES");
  EXPECT_FALSE(ui::programState().ended);
}

TEST_F(DirChooser, DircPathIsRestoredAfterTheCall) {
  dirc_path = "C:\\BEFORE";
  std::string seenDuring;
  choose("C:\\GAMES", [&] { seenDuring = dirc_path; });
  EXPECT_EQ(seenDuring, "C:\\GAMES");
  EXPECT_EQ(dirc_path, "C:\\BEFORE");
}

TEST_F(DirChooser, LoadsInTahoma) {
  choose("C:\\GAMES", [] {
    EXPECT_EQ(VystDirC.Label1.fontName(), "Tahoma");
    EXPECT_EQ(VystDirC.Drive1.fontName(), "Tahoma");
    EXPECT_EQ(VystDirC.Dir1.fontName(), "Tahoma");
    EXPECT_EQ(VystDirC.Command1.fontName(), "Tahoma");
  });
}

TEST_F(DirChooser, Screenshot) {
  choose("C:\\GAMES\\VORTANE", [] {
    EXPECT_EQ(VystDirC.window()->grab().size(), QSize(396, 451));  // 5940 x 6765 twips at 96 dpi
    saveScreenshot(VystDirC, "dir_chooser");
  });
}

}  // namespace
