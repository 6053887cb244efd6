// A multi-line text box: one editor on the screen, lines wrapped at its width.
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>

#include "platform/ui/ui.h"
#include "support/ui_driver.h"

namespace {

class Memo : public ui::Form {
 public:
  Memo() : Form("Memo") {}
  ui::TextBox memo{this, "Text1"};

 protected:
  void design() override {
    setClientSize(4000, 2000);
    memo.setMultiLine(true);
    memo.move(120, 120, 3000, 1155);
  }
};
inline Memo memoForm;

using MultiLineTextBox = testing_support::UiTest;

TEST_F(MultiLineTextBox, LeavesNoSingleLineEditorOnTheScreen) {
  memoForm.show();
  for (QLineEdit* stray : memoForm.window()->findChildren<QLineEdit*>()) EXPECT_FALSE(stray->isVisible());
}

TEST_F(MultiLineTextBox, HasNoHorizontalScrollBar) {
  memoForm.memo.setText(
      "a text long enough to be wrapped several times over: http://www.example.org/a/rather/long/address/");
  memoForm.show();
  auto* editor = memoForm.window()->findChild<QPlainTextEdit*>();
  ASSERT_NE(editor, nullptr);
  EXPECT_FALSE(editor->horizontalScrollBar()->isVisible());
}

}  // namespace
