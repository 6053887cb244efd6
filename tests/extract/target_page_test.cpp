// The target page: the space the run needs, the drive test with the free space, Finish with its low-space
// question, the directory and the stub checks, and Back.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "extract/tv_doit.h"
#include "extract/tvmvlsel.h"
#include "extract/tvsource.h"
#include "extract/tvtarget.h"
#include "extract/wizard_state.h"
#include "platform/drives.h"
#include "platform/system.h"
#include "platform/ui/message_box.h"
#include "shared/dir_chooser.h"
#include "support/planted_link.h"
#include "tools/samples/sample_containers.h"
#include "wizard_fixture.h"

using namespace testing_support;
namespace fs = std::filesystem;

namespace {

// Free bytes per drive letter, as the system would report them; unknown drives report none.
class FakeFreeSpace : public win::FreeSpaceSource {
 public:
  std::map<char, uint64_t> bytes;
  std::optional<win::DiskFreeSpace> diskFreeSpace(char) override { return std::nullopt; }
  std::optional<uint64_t> diskFreeSpaceEx(char drive) override {
    auto it = bytes.find(char(std::toupper(static_cast<unsigned char>(drive))));
    if (it == bytes.end()) return std::nullopt;
    return it->second;
  }
};

class TargetPage : public WizardTest {
 protected:
  TargetPage() {
    win::setFreeSpaceSource(freeSpace);
    freeSpace->bytes['C'] = 50'000'000;
    freeSpace->bytes['D'] = 5'000'000;
  }
  ~TargetPage() override { win::setFreeSpaceSource(nullptr); }

  // Chooses movies of these sizes out of one MVE source and the output kind, then opens the page.
  void open(const std::vector<int32_t>& sizes, int16_t output = 2, int16_t source = 1) {
    mode1 = source;
    mode2 = output;
    const char* stubs[] = {"", "", "w32stub.lib", "dosstub.lib"};
    StubFile = stubs[output];
    // A source that holds the first movie when the test runs the extraction; huge sizes only count.
    int32_t first = sizes.empty() ? 0 : sizes[0];
    size_t sourceSize = first > 1'000'000 ? samples::kShortestMovie : std::max<size_t>(first, samples::kShortestMovie);
    SourcePath = putSource("A.MVE", samples::mveMovie(sourceSize, 1));
    MovieCount = 0;
    for (int32_t size : sizes) Movies[++MovieCount] = MovieEntry{"A.MVE", 0, size};
    TVTarget.show();
  }
  void type(const std::string& text) { TVTarget.Text1.setText(text); }

  std::shared_ptr<FakeFreeSpace> freeSpace = std::make_shared<FakeFreeSpace>();
};

}  // namespace

TEST_F(TargetPage, SpaceNeededCountsTheStubOncePerMovie) {
  struct Case {
    int16_t output;
    std::vector<int32_t> sizes;
    int64_t expected;
    const char* shown;
  };
  const Case cases[] = {
      {2, {1000, 20000, 300000}, 321000 + 3 * kW32StubLength, "324.000 Bytes"},
      {3, {1000, 20000}, 21000 + 2 * kDosStubLength, "22.400 Bytes"},
      {1, {1000, 20000, 300000}, 321000, "321.000 Bytes"},
      {2, {}, 0, "0 Bytes"},
  };
  for (const Case& c : cases) {
    open(c.sizes, c.output);
    EXPECT_EQ(SpaceNeeded, c.expected) << c.shown;
    EXPECT_EQ(TVTarget.LabelSpaceNeeded.caption(), c.shown);
    TVTarget.PageSwitch = -1;
    TVTarget.unload();
  }
}

TEST_F(TargetPage, SpaceNeededPastTwoGigabytesIsCountedInFull) {
  open({2'000'000'000, 2'000'000'000, 147'483'647});
  EXPECT_EQ(SpaceNeeded, int64_t{4'147'483'647} + 3 * kW32StubLength);
  EXPECT_EQ(TVTarget.LabelSpaceNeeded.caption(), "4.147.486.647 Bytes");
}

TEST_F(TargetPage, AStubThatCannotBeMeasuredCountsNothing) {
  fs::remove(mainDir() / "stub" / "w32stub.lib");
  open({5000, 6000}, 2);
  EXPECT_EQ(SpaceNeeded, 11000);
}

TEST_F(TargetPage, TheDriveTestNamesTheDriveAndItsFreeSpace) {
  struct Case {
    const char* text;
    bool finish;
    const char* drive;
    const char* space;
  };
  const Case cases[] = {
      {"", false, "", ""},
      {"D", false, "", ""},
      {"D:", false, "", ""},
      {"D:\\", true, "Free space on drive D:", "5.000.000 Bytes"},
      {"d:\\movies", true, "Free space on drive D:", "5.000.000 Bytes"},
      {"c:\\out", true, "Free space on drive C:", "50.000.000 Bytes"},
      {"\\\\server\\share", false, "", ""},
      {"D:movies", false, "", ""},
      {"?:\\x", true, "Free space on drive ?:", "0 Bytes"},
  };
  open({1000});
  for (const Case& c : cases) {
    type(c.text);
    EXPECT_EQ(TVTarget.ButtonNext.enabled(), c.finish) << c.text;
    EXPECT_EQ(TVTarget.LabelTextAvailable.caption(), c.drive) << c.text;
    EXPECT_EQ(TVTarget.LabelSpaceAvailable.caption(), c.space) << c.text;
  }
}

TEST_F(TargetPage, TheRememberedDirectoryIsOfferedAndTestedOnLoad) {
  writeSettings({"[LastSettings]", "TargetDir=d:\\movies"});
  open({1000});
  EXPECT_EQ(TVTarget.Text1.text(), "d:\\movies");
  EXPECT_TRUE(TVTarget.ButtonNext.enabled());
  EXPECT_EQ(TVTarget.LabelTextAvailable.caption(), "Free space on drive D:");
}

TEST_F(TargetPage, WithoutSettingsTheTextIsEmptyAndFinishDisabled) {
  open({1000});
  EXPECT_EQ(TVTarget.Text1.text(), "");
  EXPECT_FALSE(TVTarget.ButtonNext.enabled());
  EXPECT_EQ(TVTarget.LabelTextAvailable.caption(), "");
}

TEST_F(TargetPage, FinishCreatesTheDirectoryRemembersItAsTypedAndRunsTheExtraction) {
  open({5000}, 1);
  type("c:\\out\\movies");
  userClick(TVTarget.ButtonNext);
  EXPECT_FALSE(ui::programState().ended);
  EXPECT_TRUE(user.messageBoxes().empty());
  EXPECT_TRUE(fs::is_directory(prefix.driveC() / "out" / "movies"));
  EXPECT_EQ(settings(), crlfLines({"[LastSettings]", "TargetDir=c:\\out\\movies"}));
  EXPECT_EQ(TargetDir, "c:\\out\\movies\\");
  EXPECT_TRUE(fs::exists(prefix.driveC() / "out" / "movies" / "A.MVE"));
  EXPECT_FALSE(TVTarget.isLoaded());
  EXPECT_TRUE(TVDoIt.isVisible());
}

class TargetPageBesideLinks : public TargetPage, public ::testing::WithParamInterface<LinkTarget> {};

TEST_P(TargetPageBesideLinks, FinishWritesNeitherTheSettingsNorTheProbeThroughALink) {
  PlantedLink settingsLink(settingsFile(), prefix.root() / "outside", GetParam());
  PlantedLink probeLink(prefix.driveC() / "out" / "mscreate.dir", prefix.root() / "outside", GetParam());
  open({5000}, 1);
  type("c:\\out");
  userClick(TVTarget.ButtonNext);
  EXPECT_TRUE(user.messageBoxes().empty());
  EXPECT_TRUE(settingsLink.outsideUnchanged());
  EXPECT_TRUE(probeLink.outsideUnchanged());
  ASSERT_TRUE(isPlainFile(settingsFile()));
  EXPECT_EQ(settings(), crlfLines({"[LastSettings]", "TargetDir=c:\\out"}));
  EXPECT_TRUE(probeLink.linkLeftAlone());
  EXPECT_TRUE(isPlainFile(prefix.driveC() / "out" / "A.MVE"));
}

INSTANTIATE_TEST_SUITE_P(Links, TargetPageBesideLinks, ::testing::Values(LinkTarget::Nowhere, LinkTarget::OutsideFile),
                         linkTargetName);

TEST_F(TargetPage, TheTargetPageCannotBeUsedWhileTheRunGoesOn) {
  open({200000}, 1);
  type("c:\\out");
  std::vector<std::string> usable;
  user.atYield(1, [&] {
    EXPECT_TRUE(TVTarget.isLoaded());
    for (ui::Control* control : TVTarget.controls())
      if (control->enabled()) usable.push_back(control->name());
    userClick(TVTarget.ButtonNext);
    userClick(TVTarget.ButtonBack);
  });
  userClick(TVTarget.ButtonNext);
  EXPECT_GE(user.yields(), 1);
  EXPECT_TRUE(usable.empty()) << usable.front();
  EXPECT_EQ(TargetDir, "c:\\out\\");
  EXPECT_EQ(fs::file_size(prefix.driveC() / "out" / "A.MVE"), 200000u);
  EXPECT_TRUE(TVDoIt.isVisible());
  EXPECT_FALSE(TVTarget.isLoaded());
}

TEST_F(TargetPage, TooLittleSpaceAsksAndNoKeepsThePage) {
  freeSpace->bytes['C'] = 3000;
  open({5000}, 2);
  type("c:\\out");
  user.answerMessageBox(ui::kIdNo);
  userClick(TVTarget.ButtonNext);
  ASSERT_EQ(user.messageBoxes().size(), 1u);
  const ui::MessageBoxRequest& box = user.messageBoxes()[0];
  EXPECT_EQ(box.text, "Too less disk space on that drive. Are you sure you want to continue?");
  EXPECT_EQ(box.title, "TOVRIK32");
  EXPECT_EQ(box.buttons, (std::vector<int>{ui::kIdYes, ui::kIdNo}));
  EXPECT_EQ(box.defaultButton, ui::kIdNo);
  EXPECT_FALSE(fs::exists(prefix.driveC() / "out"));
  EXPECT_EQ(settings(), "");
  EXPECT_EQ(TargetDir, "");
  EXPECT_EQ(shownPages(), std::vector<std::string>{"TVTarget"});
  EXPECT_TRUE(TVTarget.ButtonNext.enabled());
}

TEST_F(TargetPage, TooLittleSpaceAndYesGoesOn) {
  freeSpace->bytes['C'] = 3000;
  open({5000}, 2);
  type("c:\\out");
  user.answerMessageBox(ui::kIdYes);
  userClick(TVTarget.ButtonNext);
  EXPECT_TRUE(fs::is_directory(prefix.driveC() / "out"));
  EXPECT_EQ(settings(), crlfLines({"[LastSettings]", "TargetDir=c:\\out"}));
  EXPECT_TRUE(TVDoIt.isVisible());
}

TEST_F(TargetPage, FreeSpaceIsComparedIn64Bits) {
  // A total just past 2^32 must not wrap around to a small number and pass the test.
  freeSpace->bytes['C'] = 3000;
  open({2'147'483'647, 2'147'483'647, 2}, 1);
  ASSERT_EQ(SpaceNeeded, int64_t{1} << 32);
  type("c:\\out");
  user.answerMessageBox(ui::kIdNo);
  userClick(TVTarget.ButtonNext);
  EXPECT_EQ(user.messageBoxes().size(), 1u);
}

TEST_F(TargetPage, FreeSpacePastTwoGigabytesIsShownAndComparedInFull) {
  struct Case {
    uint64_t free;
    int16_t output;
    const char* shown;
    bool asks;
  };
  // Two movies of 2.000.000.000 bytes need 4.000.000.000 bytes as MVE files, 2.000 more with the Win32 player.
  const Case cases[] = {
      {70'000'000'000, kWin32Exe, "70.000.000.000 Bytes", false},
      {4'000'000'000, kMveOutput, "4.000.000.000 Bytes", false},
      {4'000'001'999, kWin32Exe, "4.000.001.999 Bytes", true},
      {3'000'000'000, kMveOutput, "3.000.000.000 Bytes", true},
  };
  // A directory that cannot be made: Finish stops right after the space test, before any run.
  win::drives().map('P', "/proc/self");
  for (const Case& c : cases) {
    freeSpace->bytes['P'] = c.free;
    open({2'000'000'000, 2'000'000'000}, c.output);
    type("P:\\OUT");
    EXPECT_EQ(TVTarget.LabelSpaceAvailable.caption(), c.shown);
    size_t asked = user.messageBoxes().size();
    if (c.asks) user.answerMessageBox(ui::kIdYes);
    expectErrorBox();
    userClick(TVTarget.ButtonNext);
    EXPECT_EQ(user.messageBoxes().size() - asked, c.asks ? 1u : 0u) << c.shown;
    EXPECT_EQ(errors.back().caption, "Could not create dir") << c.shown;
    TVTarget.PageSwitch = -1;
    TVTarget.unload();
  }
}

TEST_F(TargetPage, ADirectoryThatCannotBeCreatedIsToldAndThePageStays) {
  win::drives().map('P', "/proc/self");
  freeSpace->bytes['P'] = 1'000'000;
  open({5000}, 1);
  type("P:\\OUT");
  expectErrorBox();
  userClick(TVTarget.ButtonNext);
  EXPECT_FALSE(ui::programState().ended);
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_EQ(errors[0].caption, "Could not create dir");
  EXPECT_EQ(errors[0].message, "Could not create directory P:\\OUT.");
  EXPECT_EQ(settings(), "");
  EXPECT_EQ(shownPages(), std::vector<std::string>{"TVTarget"});
  EXPECT_EQ(TVTarget.PageSwitch, 0);
  EXPECT_FALSE(TVDoIt.isLoaded());
}

TEST_F(TargetPage, AMissingPlayerStubIsToldBeforeAnythingIsWritten) {
  fs::remove(mainDir() / "stub" / "dosstub.lib");
  freeSpace->bytes['C'] = 10;  // the stub is told first: no space question for a run that cannot be
  open({5000}, 3);
  type("c:\\out");
  expectErrorBox();
  userClick(TVTarget.ButtonNext);
  EXPECT_FALSE(ui::programState().ended);
  EXPECT_TRUE(user.messageBoxes().empty());
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_EQ(errors[0].caption, "Player stub missing");
  EXPECT_NE(errors[0].message.find("C:\\VYST\\TOVRIK32\\stub\\dosstub.lib"), std::string::npos);
  EXPECT_NE(errors[0].message.find("No files were written."), std::string::npos);
  EXPECT_FALSE(fs::exists(prefix.driveC() / "out"));
  EXPECT_EQ(settings(), "");
  EXPECT_EQ(shownPages(), std::vector<std::string>{"TVTarget"});
}

TEST_F(TargetPage, BackGoesToThePageBeforeAfterTheKindOfSource) {
  struct Case {
    int16_t source;
    const char* page;
  };
  for (Case c : {Case{1, "TVSource"}, Case{3, "TVSource"}, Case{2, "TVMVLSel"}, Case{4, "TVMVLSel"}}) {
    if (c.source == 2 || c.source == 4) expectErrorBox();  // the library page reads the MVE file in vain
    open({1000}, 2, c.source);
    TargetDir = "c:\\old\\";
    userClick(TVTarget.ButtonBack);
    EXPECT_FALSE(ui::programState().ended);
    EXPECT_EQ(TargetDir, "");
    EXPECT_EQ(shownPages(), std::vector<std::string>{c.page}) << c.source;
    for (ui::Form* page : {static_cast<ui::Form*>(&TVSource), static_cast<ui::Form*>(&TVMVLSel)}) {
      static_cast<HandOverPage*>(page)->PageSwitch = -1;
      page->unload();
    }
  }
}

TEST_F(TargetPage, BrowsePutsTheChosenDirectoryIntoTheText) {
  fs::create_directories(cd / "MOVIES");
  open({1000});
  type("D:\\");
  user.onModal("VystDirC", [](ui::Form&) {
    VystDirC.Dir1.setPath("D:\\MOVIES");
    VystDirC.Command1.click();
  });
  userClick(TVTarget.CommandBrowse);
  EXPECT_EQ(TVTarget.Text1.text(), "D:\\MOVIES");
  EXPECT_TRUE(TVTarget.ButtonNext.enabled());
}

TEST_F(TargetPage, Screenshot) {
  writeSettings({"[LastSettings]", "TargetDir=C:\\GAMES\\MOVIES"});
  open({1234567, 456789}, 2);
  saveScreenshot(TVTarget, "tvtarget");
}
