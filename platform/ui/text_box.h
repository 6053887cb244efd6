#pragma once
// Text boxes, single and multi-line. Line breaks in the text are CR LF, as the programs write them. Tab
// moves the focus on from a multi-line box as from any control of a dialog; Ctrl+Tab types a tab there.
#include <functional>
#include <string>
#include <string_view>

#include "platform/ui/control.h"

namespace ui {

class TextBox : public Control {
 public:
  using Control::Control;
  std::string text();
  void setText(std::string_view ansi);  // Change fires only when the text differs
  void setMultiLine(bool multiLine);    // design property: give it first in design()
  void setVerticalScrollBar(bool shown);
  void setLocked(bool locked);  // read-only, still selectable
  bool locked();
  void setBackColor(Color color);
  void setForeColor(Color color);

  std::function<void()> onChange;  // on user edits and on programmatic changes of the text

 protected:
  QWidget* createWidget(QWidget* parent) override;
  void resetState() override;

 private:
  bool multiLine_ = false;
};

}  // namespace ui
