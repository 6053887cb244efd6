#pragma once
// Menus of a form: a tree of entries, used as popup menus (form.popupMenu). A caption "-" is a separator;
// "&" marks access keys. Touching a menu loads its form; a load brings every entry back to its design state.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace ui {

class Form;

class Menu {
 public:
  Menu(Form* form, std::string name, int index = -1);    // a top-level menu of the form
  Menu(Menu* parent, std::string name, int index = -1);  // an entry under another menu
  ~Menu();
  Menu(const Menu&) = delete;
  Menu& operator=(const Menu&) = delete;

  const std::string& name() const { return name_; }
  int index() const { return index_; }
  Form& form() const { return *form_; }
  Menu* parent() const { return parent_; }
  const std::vector<Menu*>& entries() const { return entries_; }

  std::string caption();
  void setCaption(std::string_view ansi);
  bool checked();
  void setChecked(bool checked);
  bool enabled();
  void setEnabled(bool enabled);
  bool visible();
  void setVisible(bool visible);
  const std::string& tag();
  void setTag(std::string ansi);
  bool isSeparator();

  std::function<void()> onClick;

 private:
  friend class Form;
  void resetState();
  void touch();
  Form* form_;
  Menu* parent_ = nullptr;
  std::string name_;
  int index_;
  std::vector<Menu*> entries_;
  std::string caption_, tag_;
  bool checked_ = false, enabled_ = true, visible_ = true;
};

}  // namespace ui
