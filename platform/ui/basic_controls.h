#pragma once
// Labels, lines, command buttons, check boxes, option buttons and frames.
#include <QPixmap>
#include <functional>
#include <string>
#include <string_view>

#include "platform/ui/control.h"

namespace ui {

enum class Alignment { Left = 0, Right = 1, Center = 2 };

class Label : public Control {
 public:
  using Control::Control;
  std::string caption();
  void setCaption(std::string_view ansi);  // "&" marks an access key, "&&" is a literal "&"
  void setAlignment(Alignment alignment);
  void setAutoSize(bool sizedToText);  // the label takes the size of its caption; the left edge stays
  void setWordWrap(bool wrap);         // with auto size: grows downwards at the given width
  void setForeColor(Color color);
  Color foreColor();
  void setBackColor(Color color);  // makes the background opaque
  void setTransparent(bool transparent);

  std::function<void()> onClick;

 protected:
  QWidget* createWidget(QWidget* parent) override;
  void resetState() override;
  void fontChanged() override;

 private:
  void fitToText();
  std::string caption_;
  bool autoSize_ = false, wordWrap_ = false;
  Color foreColor_ = kButtonText;
};

class Line : public Control {
 public:
  using Control::Control;
  bool hasFont() const override { return false; }
  void setCoords(double x1, double y1, double x2, double y2);
  double x1() const { return x1_; }
  double y1() const { return y1_; }
  double x2() const { return x2_; }
  double y2() const { return y2_; }
  void setBorderColor(Color color);
  void setBorderWidth(int pixels);

 protected:
  QWidget* createWidget(QWidget* parent) override;
  void resetState() override;
  void applyGeometry() override;

 private:
  double x1_ = 0, y1_ = 0, x2_ = 0, y2_ = 0;
};

class CommandButton : public Control {
 public:
  using Control::Control;
  ~CommandButton() override;
  std::string caption();
  void setCaption(std::string_view ansi);  // "&" access keys as on the original platform
  void setDefault(bool isDefault);         // Enter presses it (when enabled and visible)
  void setCancel(bool isCancel);           // Esc presses it (when enabled and visible)
  bool isDefault() const;
  bool isCancel() const;
  // Graphical style: the button shows a picture (icon) instead of or beside its caption.
  void setPicture(const QPixmap& picture);
  void setPictureResource(const QString& resourcePath);
  // Presses the button from the program: its Click handler runs (as setting its Value does).
  void click();

  std::function<void()> onClick;

 protected:
  QWidget* createWidget(QWidget* parent) override;
};

class CheckBox : public Control {
 public:
  using Control::Control;
  std::string caption();
  void setCaption(std::string_view ansi);
  int value();               // 0 unchecked, 1 checked
  void setValue(int value);  // fires Click when the value changes

  std::function<void()> onClick;

 protected:
  QWidget* createWidget(QWidget* parent) override;
};

// Option buttons in the same container exclude each other.
class OptionButton : public Control {
 public:
  using Control::Control;
  std::string caption();
  void setCaption(std::string_view ansi);
  bool value();
  void setValue(bool value);  // true selects it and fires Click when it was not selected

  std::function<void()> onClick;  // when it becomes selected

 protected:
  QWidget* createWidget(QWidget* parent) override;
};

// A container with a caption.
class Frame : public Control {
 public:
  using Control::Control;
  std::string caption();
  void setCaption(std::string_view ansi);

 protected:
  QWidget* createWidget(QWidget* parent) override;
};

}  // namespace ui
