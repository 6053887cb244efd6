#include "shared/error_box.h"

#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>
#include <string>
#include <vector>

#include "support/ui_driver.h"

using namespace testing_support;

namespace {

struct SeenBox {
  std::string title, header, message;
};

class ErrorBox : public UiTest {
 protected:
  // The user reads the next error box and presses OK.
  void expectBox() {
    user.onModal("VystEMsg", [this](ui::Form& form) {
      seen.push_back({form.caption(), VystEMsg.ErrorHeader.caption(), VystEMsg.ErrorMessage.text()});
      VystEMsg.ButtonOK.click();
    });
  }
  std::vector<SeenBox> seen;
};

TEST_F(ErrorBox, ShowErrorShowsItsTextsAndReturnsWithTheBoxUnloaded) {
  expectBox();
  ShowError("SYS0000", "Font error", "first line\r\nsecond line");
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(seen[0].title, "Error");
  EXPECT_EQ(seen[0].header, "Font error ");
  EXPECT_EQ(seen[0].message, "first line\r\nsecond line");
  EXPECT_EQ(emsg_code, "SYS0000");
  EXPECT_FALSE(VystEMsg.isLoaded());
}

TEST_F(ErrorBox, EachShowErrorShowsItsOwnTexts) {
  expectBox();
  expectBox();
  ShowError("A1", "First", "one");
  ShowError("", "Second", "two");
  ASSERT_EQ(seen.size(), 2u);
  EXPECT_EQ(seen[1].header, "Second ");
  EXPECT_EQ(seen[1].message, "two");
  EXPECT_EQ(emsg_code, "");
}

TEST_F(ErrorBox, ShowErrorTakesNewTextsEvenWhenTheBoxWasLeftLoaded) {
  emsg_caption = "Stale";
  VystEMsg.load();
  expectBox();
  ShowError("", "Fresh", "text");
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(seen[0].header, "Fresh ");
}

TEST_F(ErrorBox, ClosingTheBoxWithoutOKReturnsAsWell) {
  user.onModal("VystEMsg", [](ui::Form& form) { form.unload(); });
  ShowError("", "Closed", "by the window's frame");
  EXPECT_FALSE(VystEMsg.isLoaded());
}

TEST_F(ErrorBox, FatalErrorShowsTheBoxThenEndsTheProgramWithAFailureStatus) {
  expectBox();
  EXPECT_PROGRAM_ENDS(FatalError("SYS0000", "Vyst32 error", "Vyst3 is not properly installed!"), 1);
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(seen[0].header, "Vyst32 error ");
  EXPECT_EQ(seen[0].message, "Vyst3 is not properly installed!");
}

TEST_F(ErrorBox, AFatalAssertionAddsTheContactLineAndEnds) {
  expectBox();
  EXPECT_PROGRAM_ENDS(ReportAssertion("index out of range", true), 1);
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(seen[0].title, "Error");
  EXPECT_EQ(seen[0].header, "Assertion failed! ");
  EXPECT_EQ(seen[0].message, "index out of range\r\n\r\nContact program author with this information!");
  EXPECT_EQ(emsg_code, "");
}

TEST_F(ErrorBox, ANonFatalAssertionReturns) {
  expectBox();
  ReportAssertion("odd", false);
  EXPECT_FALSE(ui::programState().ended);
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(seen[0].message, "odd\r\n\r\nContact program author with this information!");
}

TEST_F(ErrorBox, TheBoxOpensOnOKSoThatEnterOrSpaceAnswersIt) {
  for (int key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space}) {
    user.onModal("VystEMsg", [key](ui::Form&) {
      EXPECT_EQ(VystEMsg.window()->focusWidget(), VystEMsg.ButtonOK.widget());
      userType(key);
      EXPECT_FALSE(VystEMsg.isLoaded()) << key;
    });
    ShowError("", "Font error", "first line\r\nsecond line");
  }
  EXPECT_EQ(user.modalForms().size(), 3u);
}

TEST_F(ErrorBox, TheMessageCanBeCopiedButNotChanged) {
  user.onModal("VystEMsg", [](ui::Form&) {
    userClick(VystEMsg.ErrorMessage);
    for (int key : {Qt::Key_X, Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Space}) userType(key);
    EXPECT_EQ(VystEMsg.ErrorMessage.text(), "first line\r\nsecond line");
    userType(Qt::Key_A, Qt::ControlModifier);
    userType(Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "first line\nsecond line");
    // The message has no use for Enter: it answers the box from there as well.
    userType(Qt::Key_Return);
    EXPECT_FALSE(VystEMsg.isLoaded());
  });
  ShowError("", "Font error", "first line\r\nsecond line");
}

TEST_F(ErrorBox, Screenshot) {
  user.onModal("VystEMsg", [](ui::Form& form) {
    EXPECT_EQ(form.window()->grab().size(), QSize(343, 189));  // 5145 x 2835 twips at 96 dpi
    saveScreenshot(form, "error_box");
    form.unload();
  });
  ShowError("SYS0000", "Font error",
            "Font 'Tahoma' not found in the SYSTEM/SYSTEM32 or FONTS directory! To fix this (re)install the Vortane "
            "Manager Tamsel32, which is available at http://www.example.org/vortane/tamsel32/ !");
}

}  // namespace
