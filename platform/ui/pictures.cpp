#include "platform/ui/pictures.h"

#include <QFrame>
#include <QImageReader>
#include <QMouseEvent>
#include <QPainter>

#include "platform/drives.h"
#include "platform/error.h"
#include "platform/ui/widget_colors.h"

namespace ui {
namespace {

class PictureWidget : public QFrame {
 public:
  explicit PictureWidget(QWidget* parent) : QFrame(parent) {}
  QPixmap picture;
  bool stretch = true;
  std::function<void(QMouseEvent*)> pressed, released, doubleClicked;

 protected:
  void paintEvent(QPaintEvent* e) override {
    QFrame::paintEvent(e);
    if (picture.isNull()) return;
    QPainter p(this);
    QRect area = contentsRect();
    if (stretch)
      p.drawPixmap(area, picture);
    else
      p.drawPixmap(area.topLeft(), picture);
  }
  void mousePressEvent(QMouseEvent* e) override {
    if (pressed) pressed(e);
  }
  void mouseReleaseEvent(QMouseEvent* e) override {
    if (released) released(e);
  }
  void mouseDoubleClickEvent(QMouseEvent* e) override {
    if (doubleClicked) doubleClicked(e);
  }
};

int buttonOf(Qt::MouseButton b) {
  switch (b) {
    case Qt::LeftButton: return kLeftButton;
    case Qt::RightButton: return kRightButton;
    case Qt::MiddleButton: return kMiddleButton;
    default: return 0;
  }
}

int shiftOf(Qt::KeyboardModifiers m) {
  return (m & Qt::ShiftModifier ? 1 : 0) | (m & Qt::ControlModifier ? 2 : 0) | (m & Qt::AltModifier ? 4 : 0);
}

PictureWidget* pictureWidget(QWidget* w) { return static_cast<PictureWidget*>(w); }

}  // namespace

QWidget* PictureControl::makePictureWidget(QWidget* parent, bool framed) {
  auto* w = new PictureWidget(parent);
  if (framed) w->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
  w->pressed = [this](QMouseEvent* e) {
    int button = buttonOf(e->button()), shift = shiftOf(e->modifiers());
    double x = toTwipsX(int(e->position().x())), y = toTwipsY(int(e->position().y()));
    if (onMouseDown) fire([this, button, shift, x, y] { onMouseDown(button, shift, x, y); });
  };
  w->released = [this, w](QMouseEvent* e) {
    if (e->button() == Qt::LeftButton && w->rect().contains(e->position().toPoint())) fire(onClick);
  };
  w->doubleClicked = [this](QMouseEvent* e) {
    if (e->button() == Qt::LeftButton) fire(onDblClick);
  };
  return w;
}

bool PictureControl::loadPicture(std::string_view winPath) {
  auto* w = pictureWidget(widget());
  w->picture = QPixmap();
  w->update();
  std::filesystem::path host;
  try {
    host = win::drives().toHost(winPath);
  } catch (const win::Error&) {
    return false;
  }
  QImageReader reader(QString::fromStdString(host.string()));
  QImage image = reader.read();
  if (image.isNull()) return false;
  w->picture = QPixmap::fromImage(image);
  return true;
}

void PictureControl::setPicture(const QPixmap& picture) {
  auto* w = pictureWidget(widget());
  w->picture = picture;
  w->update();
}

void PictureControl::setPictureResource(const QString& resourcePath) { setPicture(QPixmap(resourcePath)); }
void PictureControl::clearPicture() { setPicture(QPixmap()); }
bool PictureControl::hasPicture() { return !pictureWidget(widget())->picture.isNull(); }

void PictureControl::setStretch(bool stretch) {
  auto* w = pictureWidget(widget());
  w->stretch = stretch;
  w->update();
}

QWidget* Image::createWidget(QWidget* parent) { return makePictureWidget(parent, false); }

QWidget* PictureBox::createWidget(QWidget* parent) {
  QWidget* w = makePictureWidget(parent, true);
  pictureWidget(w)->stretch = false;
  return w;
}

void PictureBox::setBorder(bool framed) {
  pictureWidget(widget())->setFrameStyle(framed ? QFrame::StyledPanel | QFrame::Sunken : QFrame::NoFrame);
}

void PictureBox::setBackColor(Color color) { detail::setBackground(widget(), color); }

}  // namespace ui
