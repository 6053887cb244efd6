#pragma once
// The base of every control wrapper, and control arrays.
//
// A wrapper is a member of its form and lives as long as the form object; its Qt widget exists only while
// the form is loaded. Touching a wrapper (any property or method) loads the form first. Geometry is in
// twips within the container's client area; texts are ANSI (Windows-1252).
#include <QPointer>
#include <QWidget>
#include <functional>
#include <initializer_list>
#include <map>
#include <memory>
#include <string>
#include <type_traits>

#include "platform/ui/units.h"

namespace ui {

class Form;

class Control {
 public:
  Control(Form* form, std::string name, int index = -1);
  virtual ~Control();
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  const std::string& name() const { return name_; }
  int index() const { return index_; }  // -1 outside a control array
  Form& form() const { return *form_; }

  double left();
  double top();
  double width();
  double height();
  void setLeft(double twips);
  void setTop(double twips);
  void setWidth(double twips);
  void setHeight(double twips);
  void move(double left, double top);
  void move(double left, double top, double width, double height);

  bool visible();
  void setVisible(bool visible);
  bool enabled();
  void setEnabled(bool enabled);
  const std::string& tag();
  void setTag(std::string ansi);
  void setToolTip(std::string_view ansi);

  // Puts the control into a picture box or frame (given before their contents in design()).
  void setContainer(Control& container);
  // Tab order: lower first; controls without one follow in declaration order.
  void setTabIndex(int tabIndex);
  void setFocus();
  void refresh();  // repaints at once

  // Pictures, lines and image-only controls have no font: the setters report false and change nothing.
  virtual bool hasFont() const { return true; }
  bool setFontName(std::string_view family);
  std::string fontName();
  bool setFontSize(double points);
  double fontSize();
  bool setFontBold(bool bold);
  bool fontBold();
  bool setFontItalic(bool italic);
  bool fontItalic();

  // The widget of the loaded form (loading it first); for tests and screenshots.
  QWidget* widget();

 protected:
  // A fresh widget in design state under the form's window; wired to the wrapper's handlers.
  virtual QWidget* createWidget(QWidget* parent) = 0;
  // Puts state the wrapper keeps outside the widget back to its design value (the widget is gone).
  virtual void resetState() {}
  // Called when the geometry is applied; lines place themselves by their end points instead.
  virtual void applyGeometry();
  // A label that sizes itself to its text follows font changes.
  virtual void fontChanged() {}
  // A new widget in place of the old one, for design properties Qt fixes at construction.
  void rebuild();
  // A handler run by a Qt signal: goes through ui::dispatch.
  void fire(const std::function<void()>& handler);
  bool loaded() const { return widget_ != nullptr; }
  QWidget* existingWidget() const { return widget_; }  // null while unloaded; never loads

  double left_ = 0, top_ = 0, width_ = 0, height_ = 0;

 private:
  friend class Form;
  void build(QWidget* parent);
  void release();
  bool editFont(const std::function<void(QFont&)>& change);

  Form* form_;
  std::string name_;
  int index_;
  std::string tag_;
  int tabIndex_ = -1;
  Control* container_ = nullptr;
  QPointer<QWidget> widget_;
};

// Elements with fixed indices (such as 1 to 4, or 0 to 2), constructed as T(parent, name, index), so
// they register with the form in order. Handlers of the whole array take the element's index first.
template <class T>
class ControlArray {
 public:
  template <class Parent>
  ControlArray(Parent* parent, const std::string& name, std::initializer_list<int> indices) {
    for (int i : indices) elements_.emplace(i, std::make_unique<T>(parent, name, i));
  }

  T& operator[](int index) const;  // error 340 for an index that has no element
  bool contains(int index) const { return elements_.count(index) != 0; }
  int lbound() const { return elements_.begin()->first; }
  int ubound() const { return elements_.rbegin()->first; }
  int count() const { return int(elements_.size()); }

  // array.on(&OptionButton::onClick, [this](int index) { ... });
  template <class Base, class... Args>
  requires std::is_base_of_v<Base, T>
  void on(std::function<void(Args...)> Base::*event, std::type_identity_t<std::function<void(int, Args...)>> handler) {
    for (auto& [i, element] : elements_) {
      int index = i;
      static_cast<Base&>(*element).*event = [handler, index](Args... args) { handler(index, args...); };
    }
  }

  template <class F>
  void forEach(F&& f) const {
    for (auto& entry : elements_) f(*entry.second);
  }

 private:
  std::map<int, std::unique_ptr<T>> elements_;
};

[[noreturn]] void raiseNoSuchElement(const std::string& arrayName, int index);

template <class T>
T& ControlArray<T>::operator[](int index) const {
  auto it = elements_.find(index);
  if (it == elements_.end())
    raiseNoSuchElement(elements_.empty() ? std::string() : elements_.begin()->second->name(), index);
  return *it->second;
}

}  // namespace ui
