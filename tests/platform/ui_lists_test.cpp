// Drive, directory and file lists over the drives of a temporary prefix, wired as a chooser form does.
#include <filesystem>

#include "platform/drives.h"
#include "platform/ui/ui.h"
#include "support/ui_driver.h"

namespace {

using testing_support::UiTest;
using testing_support::writeFile;

// Drive -> directory -> file list, each step with errors ignored, as the programs' choosers wire them.
class Chooser : public ui::Form {
 public:
  Chooser() : Form("Chooser") {
    drive1.onChange = [this] {
      events.push_back("drive " + drive1.drive());
      win::tryStep([&] { dir1.setPath(drive1.drive()); });
    };
    dir1.onChange = [this] {
      events.push_back("dir " + dir1.path());
      win::tryStep([&] { file1.setPath(dir1.path()); });
    };
    file1.onClick = [this] { events.push_back("file " + file1.fileName()); };
    file1.onDblClick = [this] { events.push_back("open " + file1.fileName()); };
    file1.onPathChange = [this] { events.push_back("files " + file1.path()); };
    file1.onPatternChange = [this] { events.push_back("pattern " + file1.pattern()); };
  }
  std::vector<std::string> events;
  ui::DriveListBox drive1{this, "Drive1"};
  ui::DirListBox dir1{this, "Dir1"};
  ui::FileListBox file1{this, "File1"};

 protected:
  void design() override {
    setClientSize(8000, 5000);
    drive1.move(120, 120, 3000, 315);
    dir1.move(120, 600, 3000, 4000);
    file1.move(3300, 120, 4000, 4500);
  }
};
inline Chooser chooser;

class ListsTest : public UiTest {
 protected:
  ListsTest() {
    for (const char* f : {"Games/Vortane/intro.mve", "Games/Vortane/B.MvE", "Games/Vortane/notes.txt",
                          "Games/Vortane/art.JPG", "Games/Vortane/art.gif", "Games/Arcade/x.mve"})
      writeFile(prefix.driveC() / f, "x");
    std::filesystem::create_directories(prefix.driveC() / "Games" / "Vortane" / "Movies");
    dData = prefix.mapDrive('D', "cdrom");
    writeFile(dData / "V2DATA" / "movies.mvl", "VMVL");
  }
  std::filesystem::path dData;
};

TEST_F(ListsTest, TheDriveListShowsTheMappedDrivesAndChangesOnlyToReadyOnes) {
  std::vector<std::string> shown;
  for (int i = 0; i < chooser.drive1.listCount(); ++i) shown.push_back(chooser.drive1.list(i));
  EXPECT_EQ(shown, (std::vector<std::string>{"c: [drive_c]", "d: [cdrom]", "z:"}));
  EXPECT_EQ(chooser.drive1.drive(), "c: [drive_c]");

  chooser.drive1.setDrive("D:\\V2DATA");
  EXPECT_EQ(chooser.drive1.drive(), "d: [cdrom]");
  EXPECT_EQ(chooser.dir1.path(), "D:\\");
  chooser.drive1.setDrive("d:");  // no change, no event
  EXPECT_EQ(chooser.events, (std::vector<std::string>{"drive d: [cdrom]", "dir D:\\", "files D:\\"}));

  std::filesystem::remove_all(dData);
  for (const char* bad : {"q:", "d: [cdrom]", ""}) {
    try {
      chooser.drive1.setDrive(bad);
      ADD_FAILURE() << "no error for " << bad;
    } catch (const win::Error& e) {
      EXPECT_EQ(e.number(), win::DeviceUnavailable) << bad;
    }
  }
  EXPECT_EQ(chooser.drive1.drive(), "d: [cdrom]");
}

TEST_F(ListsTest, AUserPickOfADriveThatIsNotReadyLeavesTheListsWhereTheyWere) {
  chooser.dir1.setPath("C:\\GAMES");
  std::filesystem::remove_all(dData);
  chooser.show();
  auto* combo = chooser.drive1.widget();
  testing_support::userKey(combo, Qt::Key_Down);
  EXPECT_FALSE(ui::programState().ended);
  EXPECT_EQ(chooser.dir1.path(), "C:\\Games");
  EXPECT_EQ(chooser.file1.path(), "C:\\Games");
  try {
    chooser.dir1.setPath("d:");
    ADD_FAILURE() << "no error for a drive without its folder";
  } catch (const win::Error& e) {
    EXPECT_EQ(e.number(), win::DiskNotReady);
  }
}

TEST_F(ListsTest, TheDirectoryListOpensPathsWithoutRegardToCaseAndSpellsThemAsOnDisk) {
  EXPECT_EQ(chooser.dir1.path(), "C:\\");
  chooser.dir1.setPath("c:\\games\\VORTANE");
  EXPECT_EQ(chooser.dir1.path(), "C:\\Games\\Vortane");
  chooser.dir1.setPath("C:\\GAMES\\vortane");  // the same directory: no Change
  EXPECT_EQ(chooser.events, (std::vector<std::string>{"dir C:\\Games\\Vortane", "files C:\\Games\\Vortane"}));

  EXPECT_EQ(chooser.dir1.list(-1), "C:\\Games\\Vortane");
  EXPECT_EQ(chooser.dir1.list(-2), "C:\\Games");
  EXPECT_EQ(chooser.dir1.list(-3), "C:\\");
  EXPECT_EQ(chooser.dir1.list(-4), "");
  EXPECT_EQ(chooser.dir1.listCount(), 1);
  EXPECT_EQ(chooser.dir1.list(0), "C:\\Games\\Vortane\\Movies");
  EXPECT_EQ(chooser.dir1.listIndex(), -1);

  try {
    chooser.dir1.setPath("C:\\Games\\Missing");
    ADD_FAILURE() << "no error for a missing directory";
  } catch (const win::Error& e) {
    EXPECT_EQ(e.number(), win::PathNotFound);
  }
  EXPECT_EQ(chooser.dir1.path(), "C:\\Games\\Vortane");
  chooser.dir1.setPath("..");
  EXPECT_EQ(chooser.dir1.path(), "C:\\");  // relative to the drive's current directory, the root
}

TEST_F(ListsTest, ADriveAloneOpensItsCurrentDirectory) {
  win::drives().changeDirectory("D:\\V2DATA");
  chooser.dir1.setPath("d: [cdrom]");
  EXPECT_EQ(chooser.dir1.path(), "D:\\V2DATA");
}

TEST_F(ListsTest, DoubleClickingAnEntryOpensIt) {
  chooser.dir1.setPath("C:\\Games");
  chooser.show();
  chooser.events.clear();
  // Rows: c:\, Games, then the subdirectories Arcade and Vortane.
  testing_support::userDoubleClickRow(chooser.dir1, 3);
  EXPECT_EQ(chooser.dir1.path(), "C:\\Games\\Vortane");
  EXPECT_EQ(chooser.events.front(), "dir C:\\Games\\Vortane");
  testing_support::userDoubleClickRow(chooser.dir1, 0);
  EXPECT_EQ(chooser.dir1.path(), "C:\\");
}

TEST_F(ListsTest, OpeningADirectoryThatVanishedReadsTheListAgain) {
  chooser.dir1.setPath("C:\\Games");
  chooser.show();
  chooser.events.clear();
  std::filesystem::remove_all(prefix.driveC() / "Games" / "Vortane");
  testing_support::userDoubleClickRow(chooser.dir1, 3);  // Vortane, gone by now
  EXPECT_EQ(chooser.dir1.path(), "C:\\Games");
  EXPECT_EQ(chooser.dir1.listCount(), 1);
  EXPECT_EQ(chooser.dir1.list(0), "C:\\Games\\Arcade");
  EXPECT_TRUE(chooser.events.empty());
}

TEST_F(ListsTest, TheFileListMatchesItsPatternsWithoutRegardToCase) {
  chooser.file1.setPath("C:\\GAMES\\VORTANE");
  struct Case {
    const char* pattern;
    std::vector<std::string> names;
  };
  const Case cases[] = {
      {"*.MVE", {"B.MvE", "intro.mve"}},
      {"*.jpg;*.gif", {"art.gif", "art.JPG"}},
      {"*.*", {"art.gif", "art.JPG", "B.MvE", "intro.mve", "notes.txt"}},
      {"*.bif", {}},
  };
  for (const Case& c : cases) {
    chooser.file1.setPattern(c.pattern);
    std::vector<std::string> names;
    for (int i = 0; i < chooser.file1.listCount(); ++i) names.push_back(chooser.file1.list(i));
    EXPECT_EQ(names, c.names) << c.pattern;
  }
  EXPECT_EQ(chooser.file1.fileName(), "");
}

TEST_F(ListsTest, FileSelectionFiresClickAndTheNameIsReported) {
  chooser.file1.setPattern("*.MVE");
  chooser.file1.setPath("C:\\Games\\Vortane");
  chooser.file1.setListIndex(1);
  EXPECT_EQ(chooser.file1.fileName(), "intro.mve");
  chooser.show();
  testing_support::userDoubleClickRow(chooser.file1, 0);
  EXPECT_EQ(chooser.events, (std::vector<std::string>{"pattern *.MVE", "files C:\\Games\\Vortane", "file intro.mve",
                                                      "file B.MvE", "open B.MvE"}));
  EXPECT_THROW(chooser.file1.setPath("C:\\nowhere"), win::Error);
  EXPECT_EQ(chooser.file1.path(), "C:\\Games\\Vortane");
}

}  // namespace
