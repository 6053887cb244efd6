// Where the keyboard is: on the page that shows, right after a page switch, and again on the page that
// opened a box once the box has closed. Keys are typed as the user types them, into the window that has
// the keyboard.
#include <gtest/gtest.h>

#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <functional>
#include <string>
#include <vector>

#include "extract/tv1mode.h"
#include "extract/tv2mode.h"
#include "extract/tvsource.h"
#include "extract/tvtarget.h"
#include "extract/wizard_state.h"
#include "help/nimbrel.h"
#include "platform/drives.h"
#include "platform/ui/message_box.h"
#include "shared/dir_chooser.h"
#include "shared/error_box.h"
#include "tools/samples/sample_containers.h"
#include "wizard_fixture.h"

using namespace testing_support;

namespace {

class KeyboardFocus : public WizardTest {
 protected:
  // The target page for one MVE movie, with a directory on a drive that has no room and where no
  // directory can be made.
  void openTargetPage() {
    mode1 = kMveFile;
    mode2 = kMveOutput;
    SourcePath = putSource("A.MVE", samples::mveMovie(samples::kShortestMovie, 1));
    Movies[1] = MovieEntry{"A.MVE", 0, 5000};
    MovieCount = 1;
    win::drives().map('P', "/proc/self");
    TVTarget.show();
    TVTarget.Text1.setText("P:\\MOVIES");
    QCoreApplication::processEvents();  // the user acts on the page once it is there
  }
  // F1 reaches the page that has the keyboard, whichever of its controls has the focus: the help
  // companion opens, owned by that page.
  void expectTheKeyboardOn(ui::Form& page, const std::string& after) {
    userType(Qt::Key_F1);
    EXPECT_TRUE(Nimbrel.isVisible()) << after;
    EXPECT_EQ(Nimbrel.owner(), &page) << after;
    Nimbrel.unload();
  }
};

}  // namespace

TEST_F(KeyboardFocus, EachKeyTypedRightAfterAPageSwitchReachesTheNewPage) {
  TV1Mode.show();
  userType(Qt::Key_Space);  // the first kind, MVE file
  userType(Qt::Key_Return);
  ASSERT_EQ(shownPages(), std::vector<std::string>{"TV2Mode"});
  userType(Qt::Key_Space);  // the first kind offered for it, Win32
  EXPECT_EQ(mode1, kMveFile);
  EXPECT_EQ(mode2, kWin32Exe);
  userType(Qt::Key_Return);
  EXPECT_EQ(shownPages(), std::vector<std::string>{"TVSource"});
  expectTheKeyboardOn(TVSource, "the source page");
}

TEST_F(KeyboardFocus, KeysTypedBeforeThePageSwitchesWereSeenReachTheNewPages) {
  writeSettings({"[LastSettings]", "SourcePath=D:\\"});
  putSource("LOGO.MVE", samples::mveMovie(samples::kShortestMovie, 1));
  TV1Mode.show();
  QCoreApplication::processEvents();
  // Typed at once, all of them arrive for the first page's window: the window system had not yet seen
  // it go. The source page's file list takes its Space as a list that has the focus does.
  QWidget* first = TV1Mode.window()->focusWidget();
  for (int key : {Qt::Key_Space, Qt::Key_Return, Qt::Key_Space, Qt::Key_Return, Qt::Key_Space}) userKey(first, key);
  EXPECT_EQ(mode1, kMveFile);
  EXPECT_EQ(mode2, kWin32Exe);
  ASSERT_EQ(shownPages(), std::vector<std::string>{"TVSource"});
  EXPECT_EQ(SourcePath, "D:\\LOGO.MVE");
  EXPECT_TRUE(TVSource.ButtonNext.enabled());
}

TEST_F(KeyboardFocus, ThePageThatOpenedAFormHasTheKeyboardAgainWhenItCloses) {
  struct Case {
    const char* box;
    std::function<void()> openAndAnswer;  // on the target page
  };
  const Case cases[] = {
      {"the About box",
       [this] {
         user.onModal("About", [](ui::Form& about) { about.unload(); });
         userClick(TVTarget.CommandAbout);
       }},
      {"the directory chooser",
       [this] {
         user.onModal("VystDirC", [](ui::Form&) { VystDirC.Command1.click(); });
         userClick(TVTarget.CommandBrowse);
       }},
      {"the error box",
       [this] {
         user.answerMessageBox(ui::kIdYes);  // too little space: go on
         expectErrorBox();                   // the directory cannot be made
         userClick(TVTarget.ButtonNext);
       }},
  };
  for (const Case& c : cases) {
    openTargetPage();
    c.openAndAnswer();
    expectTheKeyboardOn(TVTarget, c.box);
    TVTarget.PageSwitch = -1;
    TVTarget.unload();
  }
  EXPECT_EQ(user.modalForms(), (std::vector<std::string>{"About", "VystDirC", "VystEMsg"}));
}

TEST_F(KeyboardFocus, KeysTypedAsABoxClosesReachThePageThatOpenedIt) {
  openTargetPage();
  user.answerMessageBox(ui::kIdYes);  // too little space: go on
  user.onModal("VystEMsg", [](ui::Form&) {
    // Typed at once: all three arrive for the box, whose OK has the focus.
    for (int key : {Qt::Key_Return, Qt::Key_X, Qt::Key_Y}) userKey(VystEMsg.ButtonOK.widget(), key);
  });
  userType(Qt::Key_Return);  // Finish, from the text box
  EXPECT_EQ(user.modalForms(), std::vector<std::string>{"VystEMsg"});
  EXPECT_EQ(TVTarget.Text1.text(), "P:\\MOVIESxy");
}

TEST_F(KeyboardFocus, ThePageThatAskedAQuestionHasTheKeyboardAgainWhenTheBoxCloses) {
  ui::setTestHook(nullptr);  // the system's real box
  openTargetPage();
  bool asked = false;
  QTimer::singleShot(0, [&] {
    auto* box = shownWindow<QMessageBox>();
    ASSERT_NE(box, nullptr);
    asked = true;
    box->button(QMessageBox::No)->click();
    QTest::keyClick(box, Qt::Key_F1);  // typed as the box closed: it arrives for the box
  });
  userClick(TVTarget.ButtonNext);
  EXPECT_TRUE(asked);
  EXPECT_EQ(Nimbrel.owner(), &TVTarget);
  Nimbrel.unload();  // the companion had the keyboard: it goes back to the page
  expectTheKeyboardOn(TVTarget, "the question box");
}
