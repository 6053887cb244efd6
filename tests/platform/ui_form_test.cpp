// Forms: loading on use, design state after a reload, owners, yields and modal forms in yield loops, keys, message
// boxes, and ending the program from any depth.
#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QRadioButton>
#include <QTimer>

#include "demo_forms.h"
#include "support/ui_driver.h"

namespace {

using testing_support::UiTest;
using testing_support::userClick;
using testing_support::userKey;

class FormTest : public UiTest {
 protected:
  FormTest() { ui::setProgramTitle("DEMO32"); }
};

TEST_F(FormTest, TouchingAControlLoadsTheFormWithoutShowingIt) {
  EXPECT_FALSE(demo::page.isLoaded());
  EXPECT_EQ(demo::page.label1.caption(), "What kind of movie do you want to open in the converter?");
  EXPECT_TRUE(demo::page.isLoaded());
  EXPECT_FALSE(demo::page.isVisible());
  EXPECT_EQ(demo::page.loads, 1);
  demo::page.show();
  EXPECT_TRUE(demo::page.isVisible());
  EXPECT_EQ(demo::page.loads, 1);
}

TEST_F(FormTest, AReloadBringsBackTheDesignStateButKeepsTheFormsVariables) {
  demo::page.show();
  userClick(demo::page.option1[4]);
  EXPECT_EQ(demo::page.choice, 4);
  EXPECT_TRUE(demo::page.buttonNext.enabled());
  demo::page.label1.setCaption("changed");
  demo::page.list1.clear();
  demo::page.buttonNext.setTag("x");

  demo::page.pageSwitch = true;
  demo::page.unload();
  EXPECT_FALSE(demo::page.isLoaded());
  EXPECT_EQ(demo::page.unloads, 1);

  EXPECT_FALSE(demo::page.option1[4].value());
  EXPECT_EQ(demo::page.choice, 4);
  EXPECT_FALSE(demo::page.buttonNext.enabled());
  EXPECT_EQ(demo::page.buttonNext.tag(), "");
  EXPECT_EQ(demo::page.label1.caption(), "What kind of movie do you want to open in the converter?");
  EXPECT_EQ(demo::page.list1.listCount(), 2);
  EXPECT_EQ(demo::page.loads, 2);
}

TEST_F(FormTest, OuterSizesFollowTheNominalFrames) {
  struct Case {
    ui::BorderStyle border;
    bool titleBar;
    double width, height;  // outer, for a client of 1845 x 1380 twips
  };
  const Case cases[] = {
      {ui::BorderStyle::FixedDialog, true, 1935, 1755},
      {ui::BorderStyle::Sizable, true, 1965, 1785},
      {ui::BorderStyle::Sizable, false, 1965, 1500},
      {ui::BorderStyle::None, true, 1845, 1380},
  };
  for (const Case& c : cases) {
    demo::notice.setBorderStyle(c.border);
    demo::notice.setTitleBar(c.titleBar);
    demo::notice.setClientSize(1845, 1380);
    EXPECT_EQ(demo::notice.width(), c.width) << int(c.border) << c.titleBar;
    EXPECT_EQ(demo::notice.height(), c.height) << int(c.border) << c.titleBar;
    EXPECT_EQ(demo::notice.window()->size(), QSize(123, 92));
    demo::notice.unload();
  }
}

TEST_F(FormTest, TheCompanionsLoadGivesItsOuterWidthAndTheScreenIsMeasuredInTwips) {
  demo::helpCompanion.show();
  EXPECT_EQ(demo::helpCompanion.width(), 1935);
  EXPECT_EQ(demo::helpCompanion.scaleWidth(), 1845);
  EXPECT_EQ(demo::helpCompanion.height(), 1755);
  EXPECT_EQ(ui::screenWidth(), 800 * 15);
  EXPECT_EQ(ui::screenHeight(), 800 * 15);
  demo::helpCompanion.move(6165, 3000);
  EXPECT_EQ(demo::helpCompanion.left(), 6165);
  EXPECT_EQ(demo::helpCompanion.window()->geometry().topLeft(), QPoint(411 + 3, 200 + 3 + 19));
}

TEST_F(FormTest, ResizeFiresForTheProgramsSizeChangesAndTheFirstShowButNotForTheDesign) {
  demo::helpCompanion.load();  // its load sets the width it has already: no Resize
  EXPECT_TRUE(demo::helpCompanion.resizes.empty());
  demo::helpCompanion.setHeight(600);
  demo::helpCompanion.setLeft(100);  // a move alone is no resize
  demo::helpCompanion.show();
  demo::helpCompanion.show();
  EXPECT_EQ(demo::helpCompanion.resizes, (std::vector<double>{600, 600}));
  EXPECT_EQ(demo::helpCompanion.window()->height(), 40 - 3 - 3 - 19);
}

TEST_F(FormTest, AUserResizeOfASizableFormUpdatesItsSizeAndFiresResize) {
  demo::helpCompanion.show();
  demo::helpCompanion.setBorderStyle(ui::BorderStyle::Sizable);
  demo::helpCompanion.resizes.clear();
  demo::helpCompanion.window()->resize(200, 100);
  QCoreApplication::processEvents();
  EXPECT_EQ(demo::helpCompanion.width(), (200 + 8) * 15);
  EXPECT_EQ(demo::helpCompanion.height(), (100 + 8 + 19) * 15);
  EXPECT_EQ(demo::helpCompanion.resizes, std::vector<double>{(100 + 8 + 19) * 15});
}

TEST_F(FormTest, ShowingAFormMakesItActive) {
  demo::helpCompanion.show();
  QCoreApplication::processEvents();
  EXPECT_EQ(QApplication::activeWindow(), demo::helpCompanion.window());
  EXPECT_EQ(demo::helpCompanion.activations, 1);
}

TEST_F(FormTest, ACentredFormStartsInTheMiddleOfTheScreen) {
  demo::page.load();
  EXPECT_EQ(demo::page.left(), std::round((12000 - demo::page.width()) / 2));
  EXPECT_EQ(demo::page.top(), std::round((12000 - demo::page.height()) / 2));
}

TEST_F(FormTest, AnOwnedWindowStaysAboveItsOwnerAndIsUnloadedWithIt) {
  demo::helpCompanion.show();  // no owner first, as at start-up
  demo::page.show();
  userClick(demo::page.buttonHelp);
  EXPECT_TRUE(demo::helpCompanion.isVisible());
  EXPECT_EQ(demo::helpCompanion.owner(), &demo::page);
  EXPECT_EQ(demo::helpCompanion.window()->parentWidget(), demo::page.window());
  EXPECT_EQ(demo::helpCompanion.loads, 1);

  demo::page.pageSwitch = true;
  demo::page.unload();
  EXPECT_FALSE(demo::helpCompanion.isLoaded());
  EXPECT_EQ(demo::helpCompanion.unloads, 1);
  EXPECT_FALSE(ui::programState().ended);

  demo::page.show();
  userClick(demo::page.buttonHelp);
  EXPECT_EQ(demo::helpCompanion.loads, 2);
  EXPECT_TRUE(demo::helpCompanion.isVisible());
}

TEST_F(FormTest, AFormMayUnloadItselfInItsOwnHandler) {
  user.onModal("Notice", [](ui::Form&) { userClick(demo::notice.buttonOK); });
  demo::notice.showModal();
  EXPECT_FALSE(demo::notice.isLoaded());
  EXPECT_EQ(demo::notice.unloads, 1);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_EQ(demo::notice.message.caption(), "");  // loads afresh after the old window is gone
}

TEST_F(FormTest, TheCloseBoxRunsUnloadWhoseHandlerEndsTheProgram) {
  demo::page.show();
  EXPECT_PROGRAM_ENDS(demo::page.window()->close(), 0);
  EXPECT_EQ(demo::page.unloads, 1);
  EXPECT_FALSE(demo::page.isLoaded());
}

TEST_F(FormTest, EveryYieldHandlesWhatTheProgramPosted) {
  int handled = 0;
  for (int i = 1; i <= 20; ++i) {
    QMetaObject::invokeMethod(
        qApp, [&] { ++handled; }, Qt::QueuedConnection);
    ui::doEvents();
    EXPECT_EQ(handled, i);
  }
}

TEST_F(FormTest, TimersFireWhileAProgramYieldsWithoutPause) {
  int fired = 0;
  QTimer timer;
  QObject::connect(&timer, &QTimer::timeout, [&] { ++fired; });
  timer.start(1);
  QElapsedTimer clock;
  clock.start();
  while (fired < 3 && clock.elapsed() < 10000) ui::doEvents();
  EXPECT_GE(fired, 3);
}

TEST_F(FormTest, AModalFormWorksInsideAYieldLoop) {
  user.atYield(2, [] { userClick(demo::worker.buttonAbout); });
  user.onModal("Notice", [](ui::Form& f) {
    EXPECT_TRUE(f.isVisible());
    userClick(demo::notice.buttonOK);
  });
  demo::worker.show();
  demo::worker.run(5);
  EXPECT_EQ(demo::worker.blocks, 5);
  EXPECT_EQ(user.yields(), 5);
  EXPECT_EQ(user.modalForms(), std::vector<std::string>{"Notice"});
  EXPECT_FLOAT_EQ(demo::worker.progress.value(), 5);
}

TEST_F(FormTest, CancelAtTheThirdYieldAsksAndYesEndsTheProgram) {
  user.atYield(3, [] { userClick(demo::worker.buttonCancel); });
  user.answerMessageBox(ui::kIdYes);
  demo::worker.show();
  EXPECT_PROGRAM_ENDS(demo::worker.run(10), 3);
  EXPECT_EQ(demo::worker.blocks, 3);
  ASSERT_EQ(user.messageBoxes().size(), 1u);
  const ui::MessageBoxRequest& box = user.messageBoxes()[0];
  EXPECT_EQ(box.text, "Are you sure you want to abort?");
  EXPECT_EQ(box.title, "DEMO32");
  EXPECT_EQ(box.buttons, (std::vector<int>{ui::kIdYes, ui::kIdNo}));
  EXPECT_EQ(box.defaultButton, ui::kIdNo);
  EXPECT_FALSE(demo::worker.isLoaded());
}

TEST_F(FormTest, CancelAnsweredNoLetsTheLoopGoOn) {
  user.atYield(3, [] { userKey(demo::worker.window(), Qt::Key_Escape); });
  user.answerMessageBox(ui::kIdNo);
  demo::worker.show();
  demo::worker.run(6);
  EXPECT_EQ(demo::worker.blocks, 6);
  EXPECT_EQ(user.messageBoxes().size(), 1u);
  EXPECT_FALSE(ui::programState().ended);
}

TEST_F(FormTest, AnEndInsideANestedModalFormEndsTheProgramWithoutUnloadHandlers) {
  user.onModal("Notice", [](ui::Form&) { userClick(demo::notice.buttonEnd); });
  demo::page.show();
  userClick(demo::page.buttonAbout);
  EXPECT_TRUE(ui::programState().ended);
  EXPECT_EQ(ui::programState().status, 2);
  EXPECT_EQ(demo::page.unloads, 0);
  EXPECT_EQ(demo::notice.unloads, 0);
  EXPECT_FALSE(demo::page.isLoaded());
  EXPECT_FALSE(demo::notice.isLoaded());
}

TEST_F(FormTest, AnEndPassesOutOfAModalFormShownByTheTestItself) {
  user.onModal("Notice", [](ui::Form&) { userClick(demo::notice.buttonEnd); });
  EXPECT_PROGRAM_ENDS(demo::notice.showModal(), 2);
  EXPECT_FALSE(demo::notice.isLoaded());
}

TEST_F(FormTest, AnUncaughtPlatformErrorShowsTheRunTimeErrorBoxAndEnds) {
  user.answerMessageBox(ui::kIdOk);
  demo::page.show();
  userClick(demo::page.buttonFail);
  ASSERT_EQ(user.messageBoxes().size(), 1u);
  EXPECT_EQ(user.messageBoxes()[0].text, "Run-time error '76':\r\n\r\nPath not found");
  EXPECT_EQ(user.messageBoxes()[0].title, "DEMO32");
  EXPECT_EQ(user.messageBoxes()[0].buttons, std::vector<int>{ui::kIdOk});
  EXPECT_TRUE(ui::programState().ended);
  EXPECT_EQ(ui::programState().status, 1);
  EXPECT_EQ(demo::page.unloads, 0);
}

TEST_F(FormTest, KeyPreviewSeesF1WhicheverControlHasTheFocus) {
  demo::page.show();
  QWidget* focusable[] = {demo::page.list1.widget(), demo::page.option1[2].widget(), demo::page.buttonNext.widget()};
  for (QWidget* w : focusable) {
    demo::page.keys.clear();
    userKey(w, Qt::Key_F1, Qt::ShiftModifier);
    EXPECT_EQ(demo::page.keys, (std::vector<std::pair<int, int>>{{16, 1}, {112, 1}})) << w->metaObject()->className();
  }
  EXPECT_TRUE(demo::helpCompanion.isVisible());
  EXPECT_EQ(demo::helpCompanion.owner(), &demo::page);
}

TEST_F(FormTest, EnterPressesTheDefaultButtonOnlyWhenItIsEnabled) {
  demo::page.show();
  userKey(demo::page.list1.widget(), Qt::Key_Return);
  EXPECT_EQ(demo::page.nextClicks, 0);
  demo::page.buttonNext.setEnabled(true);
  userKey(demo::page.list1.widget(), Qt::Key_Return);
  EXPECT_EQ(demo::page.nextClicks, 1);
  demo::page.buttonNext.setVisible(false);
  userKey(demo::page.list1.widget(), Qt::Key_Enter);
  EXPECT_EQ(demo::page.nextClicks, 1);
  EXPECT_EQ(demo::page.keys.back().first, 13);
}

TEST_F(FormTest, EnterOnAFocusedButtonPressesThatButton) {
  demo::page.show();
  demo::page.buttonNext.setEnabled(true);
  user.onModal("Notice", [](ui::Form&) { userClick(demo::notice.buttonOK); });
  userKey(demo::page.buttonAbout.widget(), Qt::Key_Return);
  EXPECT_EQ(user.modalForms(), std::vector<std::string>{"Notice"});
  EXPECT_EQ(demo::page.nextClicks, 0);
}

TEST_F(FormTest, EscPressesTheCancelButtonAndNothingWhenItIsDisabled) {
  demo::page.show();
  demo::page.buttonCancel.setEnabled(false);
  userKey(demo::page.list1.widget(), Qt::Key_Escape);
  EXPECT_FALSE(ui::programState().ended);
  EXPECT_TRUE(demo::page.isVisible());
  demo::page.buttonCancel.setEnabled(true);
  userKey(demo::page.list1.widget(), Qt::Key_Escape);
  EXPECT_TRUE(ui::programState().ended);
  EXPECT_EQ(demo::page.unloads, 0);
}

TEST_F(FormTest, MessageBoxesReportTheirButtonsDefaultsAndTitles) {
  struct Case {
    int style;
    std::vector<int> buttons;
    int defaultButton;
    int answer;
  };
  const Case cases[] = {
      {ui::kOkOnly, {ui::kIdOk}, ui::kIdOk, ui::kIdOk},
      {ui::kOkCancel, {ui::kIdOk, ui::kIdCancel}, ui::kIdOk, ui::kIdCancel},
      {ui::kOkCancel | ui::kDefaultButton2, {ui::kIdOk, ui::kIdCancel}, ui::kIdCancel, ui::kIdOk},
      {ui::kYesNo, {ui::kIdYes, ui::kIdNo}, ui::kIdYes, ui::kIdNo},
      {ui::kYesNo | ui::kDefaultButton2, {ui::kIdYes, ui::kIdNo}, ui::kIdNo, ui::kIdYes},
  };
  for (const Case& c : cases) {
    user.answerMessageBox(c.answer);
    EXPECT_EQ(ui::msgBox("Question?", c.style, "Vortane warning"), c.answer);
    const ui::MessageBoxRequest& r = user.messageBoxes().back();
    EXPECT_EQ(r.buttons, c.buttons) << c.style;
    EXPECT_EQ(r.defaultButton, c.defaultButton) << c.style;
    EXPECT_EQ(r.title, "Vortane warning");
  }
  user.answerMessageBox(ui::kIdOk);
  ui::msgBox("x");
  EXPECT_EQ(user.messageBoxes().back().title, "DEMO32");
}

TEST_F(FormTest, ThePageLooksLikeADialogInTahoma) {
  for (ui::Control* c : demo::page.controls()) c->setFontName("Tahoma");
  demo::page.show();
  auto file = testing_support::saveScreenshot(demo::page, "demo_page");
  QImage shot(QString::fromStdString(file.string()));
  EXPECT_EQ(shot.size(), QSize(547, 364));
  EXPECT_EQ(QFontInfo(demo::page.label1.widget()->font()).family(), "Tahoma");
}

// Without a test hook, in a process of its own: the real start-up and event loop.
TEST(ProgramTest, TheEventLoopEndsWhenTheLastFormIsUnloaded) {
  testing_support::TempPrefix prefix;
  int argc = 1;
  char name[] = "demo";
  char* argv[] = {name, nullptr};
  int status = ui::runProgram(argc, argv, [] {
    demo::helpCompanion.show();
    QTimer::singleShot(0, [] { ui::dispatch([] { demo::helpCompanion.unload(); }); });
  });
  EXPECT_EQ(status, 0);
  EXPECT_EQ(demo::helpCompanion.unloads, 1);
  EXPECT_FALSE(demo::helpCompanion.isLoaded());
}

}  // namespace
