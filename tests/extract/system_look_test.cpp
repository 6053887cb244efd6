// Pictures of the system's question box, the error box and the companion's popup menu beside the wizard's
// pages, as the program shows them without a test hook, for a person to look at.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFontInfo>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include "extract/tv1mode.h"
#include "extract/tvtarget.h"
#include "extract/wizard_state.h"
#include "help/nimbrel.h"
#include "platform/drives.h"
#include "shared/error_box.h"
#include "tools/samples/sample_containers.h"
#include "wizard_fixture.h"

using namespace testing_support;

namespace {

class SystemLook : public WizardTest {
 protected:
  SystemLook() { ui::setTestHook(nullptr); }
};

}  // namespace

TEST_F(SystemLook, TheLowSpaceQuestionAndTheErrorBoxBesideTheTargetPage) {
  mode1 = kMveFile;
  mode2 = kMveOutput;
  SourcePath = putSource("A.MVE", samples::mveMovie(samples::kShortestMovie, 1));
  Movies[1] = MovieEntry{"A.MVE", 0, 5000};
  MovieCount = 1;
  win::drives().map('P', "/proc/self");  // no free space, and no directory can be made there
  TVTarget.show();
  TVTarget.Text1.setText("P:\\MOVIES");
  int boxes = 0;
  QTimer::singleShot(0, [&] {
    auto* question = shownWindow<QMessageBox>();
    ASSERT_NE(question, nullptr);
    ++boxes;
    EXPECT_EQ(QFontInfo(question->font()).family(), "Tahoma");
    saveScreenPicture({TVTarget.window(), question}, "low_space_question_beside_target_page");
    QTimer::singleShot(0, [&] {
      ASSERT_TRUE(VystEMsg.isVisible());
      ++boxes;
      saveScreenPicture({TVTarget.window(), VystEMsg.window()}, "error_box_beside_target_page");
      userType(Qt::Key_Return);
    });
    question->button(QMessageBox::Yes)->click();
  });
  userClick(TVTarget.ButtonNext);
  EXPECT_EQ(boxes, 2);
  EXPECT_FALSE(VystEMsg.isLoaded());
}

TEST_F(SystemLook, TheCompanionsPopupMenuBesideTheFirstPage) {
  TV1Mode.show();
  Nimbrel.show();
  bool seen = false;
  QTimer::singleShot(0, [&] {
    auto* menu = shownWindow<QMenu>();
    ASSERT_NE(menu, nullptr);
    seen = true;
    EXPECT_EQ(QFontInfo(menu->font()).family(), "Tahoma");
    saveScreenPicture({TV1Mode.window(), Nimbrel.window(), menu}, "companion_menu_beside_first_page");
    QTest::keyClick(menu, Qt::Key_Escape);
  });
  QTest::mousePress(Nimbrel.Image1[0].widget(), Qt::RightButton, Qt::NoModifier, QPoint(40, 30));
  EXPECT_TRUE(seen);
}
