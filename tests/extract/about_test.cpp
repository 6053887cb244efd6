// The About box: title and version lines, the tab strip with its four frames, the web buttons.
#include "extract/about.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "extract/tv1mode.h"
#include "wizard_fixture.h"

using namespace testing_support;

namespace {

class AboutBox : public WizardTest {
 protected:
  // Opens the box from the first page; the action runs while it is open, then OK closes it.
  void whileOpen(std::function<void()> action) {
    TV1Mode.show();
    user.onModal("About", [action](ui::Form&) {
      action();
      About.Command2.click();
    });
    userClick(TV1Mode.CommandAbout);
  }

  static std::vector<std::string> visibleFrames() {
    std::vector<std::string> shown;
    for (ui::Frame* f : {&About.FrameCredits, &About.FrameImages, &About.FrameThanks, &About.FrameTools})
      if (f->visible()) shown.push_back(f->name());
    return shown;
  }
};

}  // namespace

TEST_F(AboutBox, TitleAndVersionLinesNameTheProgram) {
  whileOpen([] {
    EXPECT_EQ(About.caption(), "About");
    EXPECT_EQ(About.Label1.caption(), "Vortane Manager for Windows 32 - TOVRIKALL32");
    EXPECT_EQ(About.version.caption(), "Version 1.0 Beta 02 (Build 03) - 01/14/99");
    EXPECT_DOUBLE_EQ(About.height(), 4365);
    EXPECT_EQ(About.Label1.fontName(), "Tahoma");
  });
  EXPECT_FALSE(About.isLoaded());
  EXPECT_TRUE(TV1Mode.isVisible());
}

TEST_F(AboutBox, OpensOnTheCreditsWithTheSecondPicture) {
  whileOpen([] {
    EXPECT_EQ(visibleFrames(), std::vector<std::string>{"FrameCredits"});
    EXPECT_FALSE(About.Picture1[0].visible());
    EXPECT_TRUE(About.Picture1[1].visible());
    EXPECT_FALSE(About.Picture1[2].visible());
    for (int i = 0; i <= 6; ++i) EXPECT_FALSE(About.LabelCr[i].caption().empty()) << i;
    EXPECT_EQ(About.ThanksList.listCount(), 1);
  });
}

TEST_F(AboutBox, EachTabShowsExactlyItsFrameInTheCommonPlace) {
  struct Tab {
    int index;
    const char* caption;
    const char* frame;
  };
  const Tab tabs[] = {{2, "Images", "FrameImages"},
                      {3, "Thanks", "FrameThanks"},
                      {4, "Useful related tools", "FrameTools"},
                      {1, "Credits", "FrameCredits"}};
  whileOpen([&] {
    for (const Tab& t : tabs) {
      EXPECT_EQ(About.TabStrip1.tabCaption(t.index), t.caption);
      About.TabStrip1.select(t.index);
      ASSERT_EQ(visibleFrames(), std::vector<std::string>{t.frame});
      ui::Control* frame = About.findControl(t.frame);
      EXPECT_DOUBLE_EQ(frame->left(), 240) << t.frame;
      EXPECT_DOUBLE_EQ(frame->top(), 1440) << t.frame;
      EXPECT_DOUBLE_EQ(frame->width(), 6375) << t.frame;
    }
  });
}

TEST_F(AboutBox, OpeningAgainStartsOnTheCreditsWhateverTabWasChosen) {
  whileOpen([] { About.TabStrip1.select(3); });
  user.onModal("About", [](ui::Form&) {
    EXPECT_EQ(About.TabStrip1.selectedIndex(), 1);
    EXPECT_EQ(visibleFrames(), std::vector<std::string>{"FrameCredits"});
    About.Command2.click();
  });
  userClick(TV1Mode.CommandAbout);
}

TEST_F(AboutBox, EachToolButtonOpensItsOwnWebAddressAndTheBoxStays) {
  whileOpen([this] {
    About.TabStrip1.select(4);
    for (int i = 0; i <= 2; ++i) {
      EXPECT_TRUE(About.InternetLnk[i].enabled());
      EXPECT_EQ(About.InternetLnk[i].caption(), "Go there NOW!");
      userClick(About.InternetLnk[i]);
    }
    EXPECT_TRUE(About.isVisible());
    const auto& opened = user.desktop().opened;
    ASSERT_EQ(opened.size(), 3u);
    for (int i = 0; i <= 2; ++i) {
      EXPECT_EQ(opened[i], About.InternetLnk[i].tag());
      EXPECT_EQ(opened[i].rfind("http://www.example.org/", 0), 0u) << opened[i];
    }
    EXPECT_NE(opened[0], opened[1]);
    EXPECT_NE(opened[1], opened[2]);
  });
}

TEST_F(AboutBox, Screenshots) {
  whileOpen([] {
    saveScreenshot(About, "about_credits");
    About.TabStrip1.select(4);
    saveScreenshot(About, "about_tools");
    About.TabStrip1.select(3);
    saveScreenshot(About, "about_thanks");
  });
}
