// What every page has in common: the look, the six common controls, F1, Esc, Cancel, About and the
// close box.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QWidget>
#include <cmath>
#include <functional>
#include <string>

#include "extract/tv1mode.h"
#include "extract/tv2mode.h"
#include "extract/tvmvlsel.h"
#include "extract/tvsource.h"
#include "extract/tvtarget.h"
#include "extract/wizard_state.h"
#include "help/nimbrel.h"
#include "platform/ui/units.h"
#include "tools/samples/sample_containers.h"
#include "wizard_fixture.h"

using namespace testing_support;

namespace {

struct PageCase {
  const char* name;
  WizardPage* page;
  bool backEnabled;
  const char* nextCaption;
};

const PageCase kPages[] = {
    {"TV1Mode", &TV1Mode, false, "&Next >"},  {"TV2Mode", &TV2Mode, true, "&Next >"},
    {"TVSource", &TVSource, true, "&Next >"}, {"TVMVLSel", &TVMVLSel, true, "&Next >"},
    {"TVTarget", &TVTarget, true, "&Finish"},
};

class CommonLook : public WizardTest, public testing::WithParamInterface<PageCase> {
 protected:
  // Shows the page with the wizard state it expects when the user reaches it.
  WizardPage& open() {
    mode1 = kMvlLibrary;
    SourcePath = putSource("MOVIES.MVL", samples::mvlLibrary({{"INTRO.MVE", samples::mveMovie(100, 1), {}}}));
    WizardPage& page = *GetParam().page;
    page.show();
    return page;
  }
};

struct Placement {
  const char* control;
  double left, top, width, height;
};
const Placement kCommonPlaces[] = {
    {"Image1", 120, 120, 2220, 4470},        {"Picture2", 120, 4800, 8055, 60},
    {"CommandAbout", 120, 5040, 1275, 375},  {"CommandHelp", 1500, 5040, 375, 375},
    {"ButtonBack", 3360, 5040, 1335, 375},   {"ButtonNext", 4800, 5040, 1335, 375},
    {"ButtonCancel", 6840, 5040, 1335, 375},
};

}  // namespace

TEST_P(CommonLook, WindowIsAFixedCentredDialogOfTheWizardsSize) {
  WizardPage& page = open();
  EXPECT_EQ(page.caption(), "Vortane Manager TOVRIKALL32");
  EXPECT_EQ(page.borderStyle(), ui::BorderStyle::FixedDialog);
  EXPECT_DOUBLE_EQ(page.scaleWidth(), 8205);
  EXPECT_DOUBLE_EQ(page.scaleHeight(), 5460);
  EXPECT_FALSE(page.window()->windowIcon().isNull());
  EXPECT_NEAR(page.left() + page.width() / 2, ui::screenWidth() / 2, 30);
  EXPECT_NEAR(page.top() + page.height() / 2, ui::screenHeight() / 2, 30);
}

TEST_P(CommonLook, CommonControlsStandInTheirPlacesWithTheirCaptions) {
  WizardPage& page = open();
  for (const Placement& p : kCommonPlaces) {
    ui::Control* c = page.findControl(p.control);
    ASSERT_NE(c, nullptr) << p.control;
    EXPECT_DOUBLE_EQ(c->left(), p.left) << p.control;
    EXPECT_DOUBLE_EQ(c->top(), p.top) << p.control;
    EXPECT_DOUBLE_EQ(c->width(), p.width) << p.control;
    EXPECT_DOUBLE_EQ(c->height(), p.height) << p.control;
  }
  EXPECT_DOUBLE_EQ(page.Label1.left(), 2520);
  EXPECT_DOUBLE_EQ(page.Label1.top(), 240);
  EXPECT_DOUBLE_EQ(page.Label1.width(), 5535);

  EXPECT_EQ(page.CommandAbout.caption(), "&About");
  EXPECT_EQ(page.CommandAbout.widget()->toolTip(), "Click to see advanced program information");
  EXPECT_EQ(page.CommandHelp.caption(), "");
  EXPECT_FALSE(qobject_cast<QAbstractButton*>(page.CommandHelp.widget())->icon().isNull());
  EXPECT_EQ(page.CommandHelp.widget()->toolTip(), "Click to bring up Velnor help");
  EXPECT_EQ(page.ButtonBack.caption(), "< &Back");
  EXPECT_EQ(page.ButtonNext.caption(), GetParam().nextCaption);
  EXPECT_EQ(page.ButtonCancel.caption(), "&Cancel");
  EXPECT_TRUE(page.Image1.hasPicture());
  EXPECT_FALSE(page.Picture2.hasPicture());
}

TEST_P(CommonLook, NextIsTheDisabledDefaultAndCancelTheCancelButton) {
  WizardPage& page = open();
  EXPECT_TRUE(page.ButtonNext.isDefault());
  EXPECT_FALSE(page.ButtonNext.enabled());
  EXPECT_TRUE(page.ButtonCancel.isCancel());
  EXPECT_EQ(page.ButtonBack.enabled(), GetParam().backEnabled);
}

TEST_P(CommonLook, EveryTextIsTahoma825) {
  WizardPage& page = open();
  for (ui::Control* c : page.controls()) {
    if (!c->hasFont()) continue;
    EXPECT_EQ(c->fontName(), "Tahoma") << c->name();
    EXPECT_DOUBLE_EQ(c->fontSize(), 8.25) << c->name();
  }
}

TEST_P(CommonLook, F1OnAnyControlShowsTheHelpCompanionOwnedByThePage) {
  WizardPage& page = open();
  page.ButtonCancel.setFocus();
  userKey(page.ButtonCancel.widget(), Qt::Key_F1);
  ASSERT_TRUE(Nimbrel.isLoaded());
  EXPECT_TRUE(Nimbrel.isVisible());
  EXPECT_EQ(Nimbrel.owner(), &page);
  EXPECT_FALSE(ui::programState().ended);
}

TEST_P(CommonLook, HelpButtonShowsTheCompanionOwnedByThePage) {
  WizardPage& page = open();
  userClick(page.CommandHelp);
  EXPECT_TRUE(Nimbrel.isVisible());
  EXPECT_EQ(Nimbrel.owner(), &page);
}

TEST_P(CommonLook, AboutShowsTheAboutBoxModalAndThePageStays) {
  WizardPage& page = open();
  user.onModal("About", [](ui::Form& about) { about.unload(); });
  userClick(page.CommandAbout);
  EXPECT_EQ(user.modalForms(), std::vector<std::string>{"About"});
  EXPECT_TRUE(page.isVisible());
}

TEST_P(CommonLook, CancelEndsTheProgramWithoutAQuestion) {
  WizardPage& page = open();
  EXPECT_PROGRAM_ENDS(page.ButtonCancel.click(), 0);
  EXPECT_TRUE(user.messageBoxes().empty());
}

TEST_P(CommonLook, EscEndsTheProgram) {
  WizardPage& page = open();
  userKey(page.ButtonBack.widget(), Qt::Key_Escape);
  EXPECT_TRUE(ui::programState().ended);
}

TEST_P(CommonLook, TheCloseBoxEndsTheProgram) {
  WizardPage& page = open();
  EXPECT_PROGRAM_ENDS(page.window()->close(), 0);
}

INSTANTIATE_TEST_SUITE_P(Pages, CommonLook, testing::ValuesIn(kPages),
                         [](const testing::TestParamInfo<PageCase>& testInfo) {
                           return std::string(testInfo.param.name);
                         });

// Closing the help companion leaves the wizard running.
TEST_F(WizardTest, ClosingTheHelpCompanionLeavesTheWizardRunning) {
  TV1Mode.show();
  userClick(TV1Mode.CommandHelp);
  Nimbrel.window()->close();
  EXPECT_FALSE(ui::programState().ended);
  EXPECT_TRUE(TV1Mode.isVisible());
}
