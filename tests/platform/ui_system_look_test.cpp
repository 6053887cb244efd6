// The system's message boxes and popup menus wear the forms' look: the classic style, the button-face
// palette and Tahoma 8.25 pt. Without a test hook the real box and menu open; the test looks at them as
// a person would, then answers them with the keyboard.
#include <QApplication>
#include <QFontInfo>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QStyle>
#include <QTimer>

#include "demo_forms.h"
#include "support/ui_driver.h"

namespace {

// A form with a popup menu, as the help companion has.
class MenuHolder : public ui::Form {
 public:
  MenuHolder() : Form("MenuHolder") {}
  ui::Menu menuPopup{this, "MenuPopup"};
  ui::Menu menuIndex{&menuPopup, "MenuIndex"};
  ui::Menu menuLine{&menuPopup, "MenuLine"};
  ui::Menu menuAbout{&menuPopup, "MenuAbout"};

 protected:
  void design() override {
    setCaption(" ");
    setBorderStyle(ui::BorderStyle::FixedDialog);
    setClientSize(1845, 1380);
    menuPopup.setVisible(false);
    menuIndex.setCaption("Show/hide &Index");
    menuIndex.setChecked(true);
    menuLine.setCaption("-");
    menuAbout.setCaption("About &Nimbrel");
  }
};
MenuHolder holder;

class SystemLook : public testing_support::UiTest {
 protected:
  SystemLook() {
    ui::setTestHook(nullptr);
    for (ui::Control* c : demo::page.controls()) c->setFontName("Tahoma");
    demo::page.show();
  }

  // The style, the window colour and the font of the page's texts.
  void expectThePagesLook(QWidget* window, QWidget* text) {
    EXPECT_EQ(window->style()->name(), demo::page.window()->style()->name());
    EXPECT_EQ(window->palette().color(QPalette::Window), demo::page.window()->palette().color(QPalette::Window));
    QFontInfo font(text->font()), pageFont(demo::page.label1.widget()->font());
    EXPECT_EQ(font.family(), "Tahoma");
    EXPECT_EQ(font.family(), pageFont.family());
    EXPECT_EQ(font.pixelSize(), pageFont.pixelSize());
  }
};

TEST_F(SystemLook, AQuestionBoxLooksLikeThePage) {
  bool seen = false;
  QTimer::singleShot(0, [&] {
    auto* box = testing_support::shownWindow<QMessageBox>();
    ASSERT_NE(box, nullptr);
    seen = true;
    expectThePagesLook(box, box->findChild<QLabel*>("qt_msgbox_label"));
    expectThePagesLook(box, box->defaultButton());
    testing_support::saveScreenPicture({demo::page.window(), box}, "question_box_beside_page");
    QTest::keyClick(box, Qt::Key_Return);
  });
  int answer = ui::msgBox("Too less disk space on that drive. Are you sure you want to continue?",
                          ui::kYesNo | ui::kDefaultButton2);
  EXPECT_TRUE(seen);
  EXPECT_EQ(answer, ui::kIdNo);
}

TEST_F(SystemLook, APopupMenuLooksLikeThePage) {
  holder.show();
  bool seen = false;
  QTimer::singleShot(0, [&] {
    auto* menu = testing_support::shownWindow<QMenu>();
    ASSERT_NE(menu, nullptr);
    seen = true;
    expectThePagesLook(menu, menu);
    testing_support::saveScreenPicture({demo::page.window(), holder.window(), menu}, "popup_menu_beside_page");
    QTest::keyClick(menu, Qt::Key_Escape);
  });
  holder.popupMenu(holder.menuPopup, 600, 600);
  EXPECT_TRUE(seen);
}

}  // namespace
