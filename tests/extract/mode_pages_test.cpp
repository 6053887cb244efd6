// The source-kind and output-kind pages.
#include <gtest/gtest.h>

#include <QWidget>
#include <string>
#include <vector>

#include "extract/tv1mode.h"
#include "extract/tv2mode.h"
#include "extract/tvsource.h"
#include "extract/wizard_state.h"
#include "wizard_fixture.h"

using namespace testing_support;

namespace {

// The option buttons as the focus passes them with Tab, starting at the first one.
std::vector<int> tabOrderOfOptions(const ui::ControlArray<ui::OptionButton>& options) {
  std::vector<int> order;
  QWidget* first = options[options.lbound()].widget();
  QWidget* w = first;
  do {
    options.forEach([&](ui::OptionButton& o) {
      if (o.widget() == w) order.push_back(o.index());
    });
    w = w->nextInFocusChain();
  } while (w != first);
  return order;
}

}  // namespace

TEST_F(WizardTest, SourceKindOptionsStandInScreenOrderWithTheirKinds) {
  TV1Mode.show();
  struct Row {
    int index;
    const char* caption;
    double top;
  };
  const Row rows[] = {{1, "MVE file", 1800}, {2, "MVL file", 2580}, {4, "BIF file", 3120}, {3, "EXE file", 3660}};
  for (const Row& r : rows) {
    EXPECT_EQ(TV1Mode.Option1[r.index].caption(), r.caption);
    EXPECT_DOUBLE_EQ(TV1Mode.Option1[r.index].top(), r.top) << r.caption;
    EXPECT_DOUBLE_EQ(TV1Mode.Option1[r.index].left(), 2520) << r.caption;
    EXPECT_TRUE(TV1Mode.Option1[r.index].fontBold()) << r.caption;
    EXPECT_FALSE(TV1Mode.Option1[r.index].value()) << r.caption;
  }
  EXPECT_FALSE(TV1Mode.Label4.fontBold());
  EXPECT_EQ(tabOrderOfOptions(TV1Mode.Option1), (std::vector<int>{1, 2, 4, 3}));
  EXPECT_EQ(TV1Mode.Label3.caption(), "What kind of movie do you want to open in the converter?");
  EXPECT_EQ(TV1Mode.Label5.caption(), "As used in Vortane 2. (Directory \\V2DATA)");
  EXPECT_EQ(TV1Mode.Label2.caption(), "As used in Baldur's Gate. (Directory \\CDn\\MOVIES)");
}

TEST_F(WizardTest, ClickingAKindStoresItsIndexAndEnablesNext) {
  TV1Mode.show();
  userClick(TV1Mode.Option1[4]);
  EXPECT_EQ(mode1, 4);
  EXPECT_TRUE(TV1Mode.ButtonNext.enabled());
  userClick(TV1Mode.Option1[3]);
  EXPECT_EQ(mode1, 3);
}

TEST_F(WizardTest, NextOnTheFirstPageHandsOverToTheOutputKindPage) {
  TV1Mode.show();
  userClick(TV1Mode.Option1[2]);
  userClick(TV1Mode.ButtonNext);
  EXPECT_FALSE(ui::programState().ended);
  EXPECT_FALSE(TV1Mode.isLoaded());
  EXPECT_EQ(shownPages(), std::vector<std::string>{"TV2Mode"});
  EXPECT_EQ(TV2Mode.PageSwitch, 0);
}

TEST_F(WizardTest, OutputKindsOfAPlainMveSourceLeaveOutTheMveOutput) {
  struct Case {
    int16_t source;
    bool mveOffered;
  };
  for (Case c : {Case{1, false}, Case{2, true}, Case{3, true}, Case{4, true}}) {
    mode1 = c.source;
    TV2Mode.show();
    EXPECT_EQ(TV2Mode.Option1[1].enabled(), c.mveOffered) << "mode1 " << c.source;
    EXPECT_TRUE(TV2Mode.Option1[2].enabled());
    EXPECT_TRUE(TV2Mode.Option1[3].enabled());
    TV2Mode.PageSwitch = -1;
    TV2Mode.unload();
  }
}

TEST_F(WizardTest, EachOutputKindNamesItsPlayerStub) {
  mode1 = kMvlLibrary;
  TV2Mode.show();
  struct Case {
    int index;
    const char* stub;
  };
  for (Case c : {Case{2, "w32stub.lib"}, Case{3, "dosstub.lib"}, Case{1, ""}}) {
    userClick(TV2Mode.Option1[c.index]);
    EXPECT_EQ(mode2, c.index);
    EXPECT_EQ(StubFile, c.stub) << c.index;
  }
  EXPECT_TRUE(TV2Mode.ButtonNext.enabled());
  EXPECT_EQ(TV2Mode.Option1[2].caption(), "Self-playing EXE file for Win32");
  EXPECT_EQ(TV2Mode.Option1[3].caption(), "Self-playing EXE file for DOS");
}

TEST_F(WizardTest, BackOnTheOutputKindPageForgetsTheSourceKind) {
  TV1Mode.show();
  userClick(TV1Mode.Option1[4]);
  userClick(TV1Mode.ButtonNext);
  userClick(TV2Mode.ButtonBack);
  EXPECT_FALSE(ui::programState().ended);
  EXPECT_EQ(mode1, 0);
  EXPECT_EQ(shownPages(), std::vector<std::string>{"TV1Mode"});
  TV1Mode.Option1.forEach([](ui::OptionButton& o) { EXPECT_FALSE(o.value()) << o.index(); });
  EXPECT_FALSE(TV1Mode.ButtonNext.enabled());
}

TEST_F(WizardTest, NextOnTheOutputKindPageGoesToTheSourcePage) {
  mode1 = kMveFile;
  TV2Mode.show();
  userClick(TV2Mode.Option1[2]);
  userClick(TV2Mode.ButtonNext);
  EXPECT_FALSE(ui::programState().ended);
  EXPECT_EQ(shownPages(), std::vector<std::string>{"TVSource"});
  EXPECT_EQ(mode2, 2);
}

TEST_F(WizardTest, ScreenshotsOfTheKindPages) {
  TV1Mode.show();
  userClick(TV1Mode.Option1[2]);
  saveScreenshot(TV1Mode, "tv1mode");
  mode1 = kMveFile;
  TV2Mode.show();
  saveScreenshot(TV2Mode, "tv2mode");
}

TEST_F(WizardTest, EnterPressesNextOnlyOnceItIsEnabled) {
  TV1Mode.show();
  userKey(TV1Mode.Option1[1].widget(), Qt::Key_Return);
  EXPECT_EQ(shownPages(), std::vector<std::string>{"TV1Mode"});
  userClick(TV1Mode.Option1[1]);
  userKey(TV1Mode.Option1[1].widget(), Qt::Key_Return);
  EXPECT_EQ(shownPages(), std::vector<std::string>{"TV2Mode"});
}
