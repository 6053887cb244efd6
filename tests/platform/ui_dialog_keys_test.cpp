// Keys in a dialog's controls as the original platform routes them: an open drop-down list keeps Enter
// and Esc to itself, and Tab leaves a multi-line text box while Ctrl+Tab types a tab into it.
#include <QAbstractItemView>
#include <QComboBox>
#include <string>
#include <vector>

#include "platform/ui/ui.h"
#include "support/ui_driver.h"

namespace {

using testing_support::UiTest;
using testing_support::userType;

// A module screen in small: a mode list, a description, a default and a cancel button.
class ModeScreen : public ui::Form {
 public:
  ModeScreen() : Form("ModeScreen") {
    comboMode.onClick = [this] { events.push_back("mode " + comboMode.text()); };
    buttonNext.onClick = [this] { events.push_back("next"); };
    buttonCancel.onClick = [this] { events.push_back("cancel"); };
  }
  std::vector<std::string> events;
  ui::ComboBox comboMode{this, "ComboMode"};
  ui::TextBox textDesc{this, "TextDesc"};  // multi-line
  ui::CommandButton buttonNext{this, "ButtonNext"};
  ui::CommandButton buttonCancel{this, "ButtonCancel"};

 protected:
  void design() override {
    setBorderStyle(ui::BorderStyle::FixedDialog);
    setClientSize(6000, 3000);
    comboMode.move(120, 120, 1515, 315);
    for (const char* mode : {"Skip", "Install", "Uninstall"}) comboMode.addItem(mode);
    textDesc.setMultiLine(true);
    textDesc.move(120, 600, 4000, 915);
    buttonNext.move(2400, 2400, 1335, 375);
    buttonNext.setCaption("&Next >");
    buttonNext.setDefault(true);
    buttonCancel.move(3840, 2400, 1335, 375);
    buttonCancel.setCaption("&Cancel");
    buttonCancel.setCancel(true);
  }
};
inline ModeScreen modeScreen;

using DialogKeys = UiTest;

TEST_F(DialogKeys, EnterAndEscInAnOpenListStayWithTheList) {
  struct Case {
    Qt::Key key;
    std::string chosen;               // the list's entry once the key has closed it
    std::vector<std::string> events;  // what the key did there
    std::string withTheListClosed;    // what the same key does on the closed list
  };
  const Case cases[] = {
      {Qt::Key_Return, "Install", {"mode Install"}, "next"},
      {Qt::Key_Escape, "Skip", {}, "cancel"},
  };
  modeScreen.show();
  auto* list = static_cast<QComboBox*>(modeScreen.comboMode.widget())->view();
  for (const Case& c : cases) {
    modeScreen.comboMode.setListIndex(0);
    modeScreen.comboMode.setFocus();
    modeScreen.events.clear();
    userType(Qt::Key_F4);
    ASSERT_TRUE(list->isVisible()) << "F4 opens the list";
    userType(Qt::Key_Down);
    userType(c.key);
    EXPECT_FALSE(list->isVisible()) << c.chosen;
    EXPECT_EQ(modeScreen.comboMode.text(), c.chosen);
    EXPECT_EQ(modeScreen.events, c.events) << c.chosen;
    modeScreen.events.clear();
    userType(c.key);
    EXPECT_EQ(modeScreen.events, std::vector<std::string>{c.withTheListClosed}) << c.chosen;
  }
}

TEST_F(DialogKeys, TabLeavesAMultiLineBoxAndCtrlTabTypesATab) {
  modeScreen.show();
  QWidget* box = modeScreen.textDesc.widget()->focusProxy();
  modeScreen.textDesc.setFocus();
  userType(Qt::Key_A);
  userType(Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), modeScreen.buttonNext.widget());
  userType(Qt::Key_Backtab, Qt::ShiftModifier);
  EXPECT_EQ(QApplication::focusWidget(), box);
  userType(Qt::Key_Tab, Qt::ControlModifier);
  EXPECT_EQ(QApplication::focusWidget(), box);
  EXPECT_EQ(modeScreen.textDesc.text(), "a\t");
}

}  // namespace
