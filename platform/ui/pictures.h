#pragma once
// Image controls and picture boxes, showing JPEG, GIF, BMP or PNG pictures. An image stretches its picture
// to its size; a picture box draws it at its own size at the top left.
#include <QPixmap>
#include <functional>
#include <string_view>

#include "platform/ui/control.h"

namespace ui {

// Mouse buttons as event handlers receive them.
enum MouseButton : int { kLeftButton = 1, kRightButton = 2, kMiddleButton = 4 };

class PictureControl : public Control {
 public:
  using Control::Control;
  bool hasFont() const override { return false; }
  // A picture file given as Windows path; a missing or broken file leaves the control empty and reports
  // false.
  bool loadPicture(std::string_view winPath);
  void setPicture(const QPixmap& picture);
  void setPictureResource(const QString& resourcePath);  // a design picture stored with the program
  void clearPicture();
  bool hasPicture();
  void setStretch(bool stretch);  // default on; off: drawn at its own size at the top left

  std::function<void()> onClick;
  std::function<void()> onDblClick;
  // button (MouseButton), shift (1 Shift, 2 Ctrl, 4 Alt), x and y in twips within the control.
  std::function<void(int, int, double, double)> onMouseDown;

 protected:
  QWidget* makePictureWidget(QWidget* parent, bool framed);
};

class Image : public PictureControl {
 public:
  using PictureControl::PictureControl;

 protected:
  QWidget* createWidget(QWidget* parent) override;
};

// A picture box may hold other controls (setContainer) and has a sunken frame unless told otherwise.
class PictureBox : public PictureControl {
 public:
  using PictureControl::PictureControl;
  void setBorder(bool framed);
  void setBackColor(Color color);

 protected:
  QWidget* createWidget(QWidget* parent) override;
};

}  // namespace ui
