// The source page: file patterns, the verdict of every click, Next per source kind, the remembered
// directory, and the faults that must leave the page usable.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <filesystem>
#include <string>
#include <vector>

#include "extract/tv2mode.h"
#include "extract/tvmvlsel.h"
#include "extract/tvsource.h"
#include "extract/tvtarget.h"
#include "extract/wizard_state.h"
#include "tools/samples/sample_containers.h"
#include "wizard_fixture.h"

using namespace testing_support;
namespace fs = std::filesystem;

namespace {

class SourcePage : public WizardTest {
 protected:
  // Opens the page for a kind of source on the given directory, remembered from an earlier run.
  void open(int16_t kind, const std::string& directory = "D:\\MOVIES") {
    fs::create_directories(cd / "MOVIES");
    writeSettings({"[LastSettings]", "SourcePath=" + directory});
    mode1 = kind;
    TVSource.show();
  }
  // The user clicks the file of that name in the file list.
  void click(const std::string& name) {
    for (int i = 0; i < TVSource.File1.listCount(); ++i) {
      if (TVSource.File1.list(i) == name) {
        TVSource.File1.setListIndex(i);
        return;
      }
    }
    ADD_FAILURE() << name << " is not listed";
  }
  int rowOf(const std::string& name) {
    for (int i = 0; i < TVSource.File1.listCount(); ++i)
      if (TVSource.File1.list(i) == name) return i;
    return -1;
  }
  std::string verdict() { return TVSource.LabelError.caption(); }
};

struct VerdictCase {
  const char* label;
  int16_t kind;
  const char* file;
  std::string (*bytes)();
  const char* verdict;
  bool valid;
};

std::string movie() { return samples::mveMovie(5000, 7); }
std::string exeAt(int32_t offset) { return samples::selfPlayingExe(movie(), offset); }

const VerdictCase kVerdicts[] = {
    {"Mve", 1, "A.MVE", movie, "Valid Interplay MVE File.", true},
    {"MveLowerCaseSignature", 1, "B.MVE", [] { return std::string("interplay MVE File") + std::string(100, 'x'); },
     "No MVE file.", false},
    {"MvlOfOneEntry", 2, "ONE.MVL",
     [] {
       return samples::mvlLibrary({{"INTRO.MVE", movie(), {}}});
     },
     "Valid MVL library file. Contains 1 MVE files.", true},
    {"MvlOfThree", 2, "THREE.MVL",
     [] {
       return samples::mvlLibrary({{"A.MVE", movie(), {}}, {"B.MVE", movie(), {}}, {"C.MVE", movie(), {}}});
     },
     "Valid MVL library file. Contains 3 MVE files.", true},
    {"MvlWrongMagic", 2, "BAD.MVL",
     [] {
       return samples::mvlLibrary({{"A.MVE", movie(), {}}}, {.magic = "XMVL", .declaredCount = {}});
     },
     "No MVE file.", false},
    {"ExeDos", 3, "DOS.EXE", [] { return exeAt(107354); }, "Valid MVE self-playing file with DOS stub.", true},
    {"ExeWin32At76800", 3, "W1.EXE", [] { return exeAt(76800); }, "Valid MVE self-playing file with Win32 stub.", true},
    {"ExeWin32At233472", 3, "W2.EXE", [] { return exeAt(233472); }, "Valid MVE self-playing file with Win32 stub.",
     true},
    {"ExeWin32At310784", 3, "W3.EXE", [] { return exeAt(310784); }, "Valid MVE self-playing file with Win32 stub.",
     true},
    {"ExeWithoutMovie", 3, "TOOL.EXE", [] { return std::string(120000, 'M'); }, "No MVE file.", false},
    {"Bif", 4, "AREA.BIF",
     [] {
       return samples::bifArchive({{movie(), {}, {}}, {movie(), {}, {}}, {movie(), {}, {}}});
     },
     "Valid BIF library file. Contains 3 MVE files.", true},
    {"BifWithoutMovie", 4, "NOMOVIE.BIF",
     [] {
       return samples::bifArchive({{std::string(100, 'z'), {}, {}}});
     },
     "No BIF file or BIF file contains no MVE files.", false},
};

class SourceVerdict : public SourcePage, public testing::WithParamInterface<VerdictCase> {};

}  // namespace

TEST_P(SourceVerdict, EveryClickShowsTheVerdictAndSetsNext) {
  const VerdictCase& c = GetParam();
  putSource(std::string("MOVIES/") + c.file, c.bytes());
  open(c.kind);
  click(c.file);
  EXPECT_EQ(verdict(), c.verdict);
  EXPECT_EQ(TVSource.ButtonNext.enabled(), c.valid);
  EXPECT_EQ(SourcePath, std::string("D:\\MOVIES\\") + c.file);
}

INSTANTIATE_TEST_SUITE_P(Kinds, SourceVerdict, testing::ValuesIn(kVerdicts),
                         [](const testing::TestParamInfo<VerdictCase>& testInfo) {
                           return std::string(testInfo.param.label);
                         });

TEST_F(SourcePage, TheFileListShowsOnlyFilesOfTheChosenKind) {
  for (const char* name : {"A.MVE", "B.MVL", "C.EXE", "D.BIF", "E.TXT"})
    putSource(std::string("MOVIES/") + name, movie());
  const char* expected[][2] = {{"*.MVE", "A.MVE"}, {"*.MVL", "B.MVL"}, {"*.EXE", "C.EXE"}, {"*.BIF", "D.BIF"}};
  for (int16_t kind = 1; kind <= 4; ++kind) {
    open(kind);
    EXPECT_EQ(TVSource.File1.pattern(), expected[kind - 1][0]);
    ASSERT_EQ(TVSource.File1.listCount(), 1) << kind;
    EXPECT_EQ(TVSource.File1.list(0), expected[kind - 1][1]);
    TVSource.PageSwitch = -1;
    TVSource.unload();
  }
}

TEST_F(SourcePage, TheListsOpenOnTheRememberedDirectory) {
  open(1, "D:\\MOVIES");
  EXPECT_EQ(TVSource.Drive1.drive().substr(0, 2), "d:");
  EXPECT_EQ(TVSource.Dir1.path(), "D:\\MOVIES");
  EXPECT_EQ(TVSource.File1.path(), "D:\\MOVIES");
  EXPECT_TRUE(TVSource.LabelError.caption().empty());
  EXPECT_FALSE(TVSource.ButtonNext.enabled());
}

TEST_F(SourcePage, WithoutSettingsOrWithAVanishedDirectoryTheListsStartInTheCurrentDirectory) {
  mode1 = kMveFile;
  TVSource.show();
  EXPECT_EQ(TVSource.Dir1.path(), "C:\\");
  TVSource.PageSwitch = -1;
  TVSource.unload();
  open(1, "D:\\GONE");
  EXPECT_EQ(TVSource.Dir1.path().substr(0, 2), "D:");
  EXPECT_EQ(TVSource.Dir1.path(), TVSource.File1.path());
  EXPECT_FALSE(ui::programState().ended);
}

TEST_F(SourcePage, AnotherDirectoryDisablesNextButKeepsTheVerdict) {
  putSource("MOVIES/A.MVE", movie());
  open(1);
  click("A.MVE");
  ASSERT_TRUE(TVSource.ButtonNext.enabled());
  TVSource.Dir1.setPath("D:\\");
  EXPECT_FALSE(TVSource.ButtonNext.enabled());
  EXPECT_EQ(verdict(), "Valid Interplay MVE File.");
  EXPECT_EQ(TVSource.File1.path(), "D:\\");
}

TEST_F(SourcePage, NextWithAnMveFileTakesTheWholeFileAndGoesToTheTargetPage) {
  putSource("MOVIES/BIG.MVE", samples::mveMovie(1000000, 3));
  open(1);
  click("BIG.MVE");
  userClick(TVSource.ButtonNext);
  EXPECT_FALSE(ui::programState().ended);
  EXPECT_EQ(MovieCount, 1);
  EXPECT_EQ(Movies[1].Name, "BIG.MVE");
  EXPECT_EQ(Movies[1].Offset, 0);
  EXPECT_EQ(Movies[1].Size, 1000000);
  EXPECT_FALSE(TVSource.isLoaded());
  EXPECT_EQ(shownPages(), std::vector<std::string>{"TVTarget"});
  EXPECT_EQ(settings(), crlfLines({"[LastSettings]", "SourcePath=D:\\MOVIES"}));
}

TEST_F(SourcePage, NextWithASelfPlayingExeTakesTheMovieFromItsOffset) {
  std::string exe = exeAt(233472);
  putSource("MOVIES/TRAILER.EXE", exe);
  open(3);
  click("TRAILER.EXE");
  userClick(TVSource.ButtonNext);
  EXPECT_EQ(MovieCount, 1);
  EXPECT_EQ(Movies[1].Name, "TRAILER.EXE");
  EXPECT_EQ(Movies[1].Offset, 233472);
  EXPECT_EQ(Movies[1].Size, int32_t(exe.size()) - 233472);
  EXPECT_EQ(shownPages(), std::vector<std::string>{"TVTarget"});
}

TEST_F(SourcePage, AnExeThatNoLongerHoldsAMovieAtNextStaysSilentlyButTheDirectoryIsRemembered) {
  putSource("MOVIES/TRAILER.EXE", exeAt(76800));
  open(3);
  click("TRAILER.EXE");
  putSource("MOVIES/TRAILER.EXE", std::string(90000, 'x'));
  userClick(TVSource.ButtonNext);
  EXPECT_FALSE(ui::programState().ended);
  EXPECT_EQ(shownPages(), std::vector<std::string>{"TVSource"});
  EXPECT_EQ(TVSource.PageSwitch, 0);
  EXPECT_EQ(MovieCount, 0);
  EXPECT_EQ(verdict(), "Valid MVE self-playing file with Win32 stub.");
  EXPECT_EQ(settings(), crlfLines({"[LastSettings]", "SourcePath=D:\\MOVIES"}));
  EXPECT_PROGRAM_ENDS(TVSource.window()->close(), 0);
}

TEST_F(SourcePage, NextWithALibraryGoesToTheLibraryPageAndLeavesTheMoviesAlone) {
  putSource("MOVIES/AREA.BIF", samples::bifArchive({{movie(), {}, {}}, {movie(), {}, {}}}));
  MovieCount = 5;
  open(4);
  click("AREA.BIF");
  userClick(TVSource.ButtonNext);
  EXPECT_EQ(shownPages(), std::vector<std::string>{"TVMVLSel"});
  EXPECT_EQ(MovieCount, 5);
  EXPECT_EQ(TVMVLSel.List1.listCount(), 2);
}

TEST_F(SourcePage, DoubleClickOnAValidFileGoesOnAtOnce) {
  putSource("MOVIES/A.MVE", movie());
  open(1);
  userDoubleClickRow(TVSource.File1, rowOf("A.MVE"));
  EXPECT_EQ(shownPages(), std::vector<std::string>{"TVTarget"});
  EXPECT_EQ(Movies[1].Name, "A.MVE");
}

TEST_F(SourcePage, DoubleClickOnAnInvalidFileOnlyShowsTheVerdict) {
  putSource("MOVIES/BAD.MVE", std::string(100, 'x'));
  open(1);
  userDoubleClickRow(TVSource.File1, rowOf("BAD.MVE"));
  EXPECT_EQ(shownPages(), std::vector<std::string>{"TVSource"});
  EXPECT_EQ(verdict(), "No MVE file.");
  EXPECT_TRUE(settings().find("SourcePath=D:\\MOVIES") != std::string::npos);  // untouched by the click
}

TEST_F(SourcePage, AFileThatVanishedBeforeNextIsToldAndThePageStays) {
  putSource("MOVIES/A.MVE", movie());
  open(1);
  click("A.MVE");
  fs::remove(cd / "MOVIES" / "A.MVE");
  userClick(TVSource.ButtonNext);
  EXPECT_FALSE(ui::programState().ended);
  EXPECT_EQ(shownPages(), std::vector<std::string>{"TVSource"});
  EXPECT_EQ(verdict(), "No MVE file.");
  EXPECT_FALSE(TVSource.ButtonNext.enabled());
  EXPECT_EQ(MovieCount, 0);
}

TEST_F(SourcePage, AFileTooLargeForTheFormatsIsRefused) {
  putSource("MOVIES/HUGE.MVE", movie());
  fs::resize_file(cd / "MOVIES" / "HUGE.MVE", (uintmax_t{1} << 31) + 10);  // sparse: takes no disk space
  open(1);
  click("HUGE.MVE");
  EXPECT_EQ(verdict(), "The file is larger than 2.147.483.647 Bytes, which no movie file can be.");
  EXPECT_FALSE(TVSource.ButtonNext.enabled());
}

TEST_F(SourcePage, ADriveThatCannotBeReadIsToldAndTheListGoesBackToThePreviousDrive) {
  fs::path e = prefix.mapDrive('E', "cdrom");
  open(1);
  int row = -1;
  for (int i = 0; i < TVSource.Drive1.listCount(); ++i)
    if (TVSource.Drive1.list(i).substr(0, 2) == "e:") row = i;
  ASSERT_GE(row, 0);
  fs::remove(e);  // the medium is taken out
  expectErrorBox();
  emit qobject_cast<QComboBox*>(TVSource.Drive1.widget())->activated(row);
  EXPECT_FALSE(ui::programState().ended);
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_EQ(errors[0].caption, "Drive not ready");
  EXPECT_NE(errors[0].message.find("E:"), std::string::npos);
  EXPECT_EQ(TVSource.Drive1.drive().substr(0, 2), "d:");
  EXPECT_EQ(TVSource.Dir1.path(), "D:\\MOVIES");
  EXPECT_TRUE(TVSource.isVisible());
}

TEST_F(SourcePage, BackGoesToTheOutputKindPageAndKeepsTheState) {
  putSource("MOVIES/A.MVE", movie());
  open(1);
  click("A.MVE");
  userClick(TVSource.ButtonBack);
  EXPECT_EQ(shownPages(), std::vector<std::string>{"TV2Mode"});
  EXPECT_EQ(mode1, 1);
  EXPECT_EQ(SourcePath, "D:\\MOVIES\\A.MVE");
}

TEST_F(SourcePage, Screenshot) {
  putSource("MOVIES/INTRO.MVL", samples::mvlLibrary({{"INTRO.MVE", movie(), {}}, {"END.MVE", movie(), {}}}));
  putSource("MOVIES/AREA.MVL", samples::mvlLibrary({{"A.MVE", movie(), {}}}));
  fs::create_directories(cd / "MOVIES" / "EXTRA");
  open(2);
  click("INTRO.MVL");
  saveScreenshot(TVSource, "tvsource");
}

TEST_F(SourcePage, AnUnknownSourceKindEndsTheProgramWithAnAssertion) {
  expectErrorBox();
  EXPECT_PROGRAM_ENDS(open(0), 1);
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_EQ(errors[0].caption, "Assertion failed!");
  EXPECT_EQ(errors[0].message.substr(0, errors[0].message.find('\r')), "Unknown 'mode1'.");
}

TEST_F(SourcePage, TheFileListHasTheFocusWhenThePageOpens) {
  putSource("MOVIES/A.MVE", movie());
  open(1);
  TVSource.window()->activateWindow();
  QApplication::processEvents();
  EXPECT_EQ(QApplication::focusWidget(), TVSource.File1.widget());
}
