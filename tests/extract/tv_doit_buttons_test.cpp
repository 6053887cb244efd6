// The run page's own look, and its buttons and keys while the run yields.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "extract/tv_doit.h"
#include "extract/tv_main.h"
#include "extract/wizard_state.h"
#include "help/nimbrel.h"
#include "platform/ui/message_box.h"
#include "run_page_fixture.h"
#include "wizard_fixture.h"

using namespace testing_support;
namespace fs = std::filesystem;

namespace {

class RunPageButtons : public WizardTest {
 protected:
  // A run of several blocks from the CD into C:\OUT.
  RunPageButtons() : movie(bytesOf(100000, 50)) {
    mode1 = kMveFile;
    mode2 = kWin32Exe;
    StubFile = "w32stub.lib";
    SourcePath = putSource("LOGO.MVE", movie);
    Movies[1] = {"LOGO.MVE", 0, static_cast<int32_t>(movie.size())};
    MovieCount = 1;
    SpaceNeeded = static_cast<int64_t>(movie.size()) + kW32StubLength;
    fs::create_directories(prefix.driveC() / "OUT");
    TargetDir = "C:\\OUT\\";
  }
  bool finished() const {
    return readFile(prefix.driveC() / "OUT" / "LOGO.EXE") == std::string(kW32StubLength, 'W') + movie;
  }
  std::string movie;
};

TEST_F(RunPageButtons, ThePageShowsItsDesignStateWhileRunning) {
  user.atYield(1, [] {
    EXPECT_EQ(TVDoIt.caption(), "Vortane Manager TOVRIKALL32");
    EXPECT_EQ(TVDoIt.Label1.caption(), "Please wait, while the movie files are created...");
    EXPECT_EQ(TVDoIt.LabelProgress.caption(), "Processing LOGO.EXE...");
    EXPECT_FALSE(TVDoIt.ButtonBack.enabled());
    EXPECT_EQ(TVDoIt.ButtonNext.caption(), "&Next >");
    EXPECT_FALSE(TVDoIt.ButtonNext.enabled());
    EXPECT_TRUE(TVDoIt.ButtonCancel.enabled());
    for (ui::Control* c : TVDoIt.controls()) {
      if (c->hasFont()) {
        EXPECT_EQ(c->fontName(), "Tahoma") << c->name();
      }
    }
  });
  RunTVDoIt();
  EXPECT_TRUE(finished());
}

TEST_F(RunPageButtons, ScreenshotsWhileRunningAndAtTheEnd) {
  user.atYield(2, [] { saveScreenshot(TVDoIt, "tvdoit_running"); });
  RunTVDoIt();
  EXPECT_EQ(TVDoIt.ButtonNext.caption(), "E&xit");
  saveScreenshot(TVDoIt, "tvdoit_done");
}

// Exit is the default button once the run is over, whichever button had the focus during the run.
TEST_F(RunPageButtons, EnterAfterTheRunEndsTheProgram) {
  RunTVDoIt();
  ASSERT_TRUE(finished());
  EXPECT_PROGRAM_ENDS(userType(Qt::Key_Return), 0);
  EXPECT_TRUE(user.modalForms().empty());
}

struct YieldAction {
  const char* name;
  std::function<void(ScriptedUser&)> act;
  std::function<void(ScriptedUser&)> check;
};

const YieldAction kActions[] = {
    {"F1", [](ScriptedUser&) { userKey(TVDoIt.ButtonCancel.widget(), Qt::Key_F1); },
     [](ScriptedUser&) { EXPECT_EQ(Nimbrel.owner(), &TVDoIt); }},
    {"HelpButton", [](ScriptedUser&) { userClick(TVDoIt.CommandHelp); },
     [](ScriptedUser&) { EXPECT_EQ(Nimbrel.owner(), &TVDoIt); }},
    {"About",
     [](ScriptedUser& user) {
       user.onModal("About", [](ui::Form& about) { about.unload(); });
       userClick(TVDoIt.CommandAbout);
     },
     [](ScriptedUser& user) { EXPECT_EQ(user.modalForms(), std::vector<std::string>{"About"}); }},
    {"EscAnsweredNo",
     [](ScriptedUser& user) {
       user.answerMessageBox(ui::kIdNo);
       userKey(TVDoIt.ButtonBack.widget(), Qt::Key_Escape);
     },
     [](ScriptedUser& user) {
       ASSERT_EQ(user.messageBoxes().size(), 1u);
       EXPECT_EQ(user.messageBoxes()[0].text, "Are you sure you want to abort?");
     }},
};

class RunPageAtAYield : public RunPageButtons, public ::testing::WithParamInterface<YieldAction> {};

TEST_P(RunPageAtAYield, TheButtonWorksAndTheRunGoesOn) {
  user.atYield(2, [this] { GetParam().act(user); });
  RunTVDoIt();
  GetParam().check(user);
  EXPECT_FALSE(ui::programState().ended);
  EXPECT_TRUE(finished());
}

INSTANTIATE_TEST_SUITE_P(Actions, RunPageAtAYield, ::testing::ValuesIn(kActions),
                         [](const ::testing::TestParamInfo<YieldAction>& testInfo) {
                           return std::string(testInfo.param.name);
                         });

}  // namespace
