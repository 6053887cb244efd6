#pragma once
// A tab strip: a row of captioned tabs, 1-based; Click fires when the selected tab changes.
#include <functional>
#include <string>
#include <string_view>

#include "platform/ui/control.h"

namespace ui {

class TabStrip : public Control {
 public:
  using Control::Control;
  int addTab(std::string_view caption);  // returns its index; adding never fires Click
  int tabCount();
  std::string tabCaption(int index);  // error 35600 out of range
  void clearTabs();
  int selectedIndex();  // 1-based
  std::string selectedCaption();
  void select(int index);  // fires Click when it changes

  std::function<void()> onClick;

 protected:
  QWidget* createWidget(QWidget* parent) override;
};

}  // namespace ui
