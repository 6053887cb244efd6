#pragma once
// List boxes and drop-down list combo boxes, with the original platform's event rules: adding items never
// selects one nor fires anything; Click fires when the user selects an item, and when the program changes
// ListIndex or (in a multi-select list) an item's Selected state.
#include <functional>
#include <string>
#include <string_view>

#include "platform/ui/control.h"

namespace ui {

enum class MultiSelect { None, Simple, Extended };

class ListBox : public Control {
 public:
  using Control::Control;
  void setMultiSelect(MultiSelect mode);                // design property
  void setSorted(bool sorted);                          // design property
  void addItem(std::string_view ansi, int index = -1);  // -1: at the end (or in order when sorted)
  void removeItem(int index);                           // error 5 for an index out of range
  void clear();
  int listCount();
  std::string list(int index);  // empty text out of range
  void setList(int index, std::string_view ansi);
  int listIndex();  // -1: none
  void setListIndex(int index);
  bool selected(int index);
  void setSelected(int index, bool selected);
  int selCount();
  int topIndex();

  std::function<void()> onClick;
  std::function<void()> onDblClick;

 protected:
  QWidget* createWidget(QWidget* parent) override;
  void resetState() override;

 private:
  void checkIndex(int index, bool allowEnd = false);
  MultiSelect multiSelect_ = MultiSelect::None;
  bool sorted_ = false;
};

// A drop-down list (the user picks, cannot type).
class ComboBox : public Control {
 public:
  using Control::Control;
  void addItem(std::string_view ansi, int index = -1);
  void removeItem(int index);
  void clear();
  int listCount();
  std::string list(int index);
  int listIndex();
  void setListIndex(int index);  // fires Click when it changes
  std::string text();
  void setText(std::string_view ansi);  // selects the item of that text; error 383 when there is none

  std::function<void()> onClick;

 protected:
  QWidget* createWidget(QWidget* parent) override;
};

}  // namespace ui
