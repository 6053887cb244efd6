#include "shared/window_helpers.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTest>
#include <string>
#include <vector>

#include "platform/ui/desktop_services.h"
#include "shared/error_box.h"
#include "shared/splash.h"
#include "support/fake_opener.h"
#include "support/ui_driver.h"

using namespace testing_support;

namespace {

using WindowHelpers = UiTest;

TEST_F(WindowHelpers, ShellOpenHandsTheTargetToTheDesktop) {
  ShellOpen("http://www.example.org/vortane/");
  ShellOpen("C:\\MANUAL\\welcome.htm");
  EXPECT_EQ(user.desktop().opened,
            (std::vector<std::string>{"http://www.example.org/vortane/", "C:\\MANUAL\\welcome.htm"}));
}

TEST_F(WindowHelpers, ShellOpenTellsWhenNoProgramOpensTheTarget) {
  user.desktop().refuse = true;
  std::vector<std::string> messages;
  for (int i = 0; i < 2; ++i)
    user.onModal("VystEMsg", [&](ui::Form& box) {
      EXPECT_EQ(box.caption(), "Error");
      EXPECT_EQ(VystEMsg.ErrorHeader.caption(), "Could not open ");
      messages.push_back(VystEMsg.ErrorMessage.text());
      VystEMsg.ButtonOK.click();
    });
  ShellOpen("http://www.example.org/vortane/");
  ShellOpen("C:\\MANUAL\\welcome.htm");
  EXPECT_EQ(messages, (std::vector<std::string>{
                          "http://www.example.org/vortane/\r\n\r\nNo program for it was found.",
                          "C:\\MANUAL\\welcome.htm\r\n\r\nNo program for it was found.",
                      }));
  EXPECT_EQ(user.desktop().opened.size(), 2u);
}

TEST_F(WindowHelpers, CouldNotOpenFollowsTheVerdictWheneverItComes) {
  FakeOpener opener(prefix);
  opener.install("exit 3");
  win::setDesktop(ui::makeDesktop());
  ShellOpen("http://www.example.org/vortane/");
  QCoreApplication::processEvents();
  EXPECT_TRUE(user.modalForms().empty()) << "a box while the opener still runs";
  std::string message;
  user.onModal("VystEMsg", [&](ui::Form&) {
    message = VystEMsg.ErrorMessage.text();
    VystEMsg.ButtonOK.click();
  });
  opener.letGo();
  EXPECT_TRUE(QTest::qWaitFor([&] { return !user.modalForms().empty(); }, 20000));
  EXPECT_EQ(message, "http://www.example.org/vortane/\r\n\r\nNo program for it was found.");
}

TEST_F(WindowHelpers, SetFormFontChangesOnlyTheNameOnEveryControlWithAFont) {
  // The splash holds pictures and an image inside a picture box beside labels of several fonts.
  VystSplash.load();
  SetFormFont(VystSplash);
  EXPECT_EQ(VystSplash.lbl32.fontName(), "Tahoma");
  EXPECT_DOUBLE_EQ(VystSplash.lbl32.fontSize(), 21.75);
  EXPECT_TRUE(VystSplash.lbl32.fontBold());
  EXPECT_EQ(VystSplash.lblPlatform.fontName(), "Tahoma");
  EXPECT_DOUBLE_EQ(VystSplash.lblPlatform.fontSize(), 14.25);
  EXPECT_FALSE(VystSplash.lblPlatform.fontBold());
  EXPECT_TRUE(user.messageBoxes().empty());
}

}  // namespace
