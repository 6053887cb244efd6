#include "platform/ui/basic_controls.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>

#include "platform/ui/form.h"
#include "platform/ui/qt_text.h"
#include "platform/ui/widget_colors.h"

namespace ui {
namespace {

class ClickLabel : public QLabel {
 public:
  using QLabel::QLabel;
  std::function<void()> clicked;

 protected:
  void mouseReleaseEvent(QMouseEvent* e) override {
    QLabel::mouseReleaseEvent(e);
    if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint()) && clicked) clicked();
  }
};

class LineWidget : public QWidget {
 public:
  explicit LineWidget(QWidget* parent) : QWidget(parent) { setAttribute(Qt::WA_TransparentForMouseEvents); }
  QPoint from, to;
  QColor color = Qt::black;
  int penWidth = 1;

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.setPen(QPen(color, penWidth));
    p.drawLine(from, to);
  }
};

// Labels show "&x" as the access key and "&&" as "&"; Qt's label shows them as typed.
QString withoutAccessKeys(const std::string& ansi) {
  std::string out;
  for (size_t i = 0; i < ansi.size(); ++i) {
    if (ansi[i] == '&' && i + 1 < ansi.size()) ++i;
    out += ansi[i];
  }
  return detail::toQtLines(out);
}

void setTextColor(QWidget* w, Color color) {
  QPalette p = w->palette();
  p.setColor(QPalette::WindowText, toQColor(color));
  p.setColor(QPalette::ButtonText, toQColor(color));
  w->setPalette(p);
}

}  // namespace

// ---- Label

QWidget* Label::createWidget(QWidget* parent) {
  auto* l = new ClickLabel(parent);
  l->setTextFormat(Qt::PlainText);
  l->setWordWrap(true);
  l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  l->clicked = [this] { fire(onClick); };
  return l;
}

void Label::resetState() {
  caption_.clear();
  autoSize_ = wordWrap_ = false;
  foreColor_ = kButtonText;
}

std::string Label::caption() { return widget(), caption_; }

void Label::setCaption(std::string_view ansi) {
  auto* l = static_cast<QLabel*>(widget());
  caption_ = std::string(ansi);
  l->setText(withoutAccessKeys(caption_));
  fitToText();
}

void Label::setAlignment(Alignment alignment) {
  Qt::Alignment h = alignment == Alignment::Right    ? Qt::AlignRight
                    : alignment == Alignment::Center ? Qt::AlignHCenter
                                                     : Qt::AlignLeft;
  static_cast<QLabel*>(widget())->setAlignment(h | Qt::AlignTop);
}

void Label::setAutoSize(bool sizedToText) {
  widget();
  autoSize_ = sizedToText;
  static_cast<QLabel*>(widget())->setWordWrap(!autoSize_ || wordWrap_);
  fitToText();
}

void Label::setWordWrap(bool wrap) {
  widget();
  wordWrap_ = wrap;
  static_cast<QLabel*>(widget())->setWordWrap(!autoSize_ || wordWrap_);
  fitToText();
}

void Label::fontChanged() { fitToText(); }

void Label::fitToText() {
  if (!autoSize_) return;
  auto* l = static_cast<QLabel*>(widget());
  QFontMetrics fm(l->font());
  QRect r;
  if (wordWrap_)
    r = fm.boundingRect(QRect(0, 0, std::max(1, toPixelsX(width_)), 100000), Qt::TextWordWrap, l->text());
  else
    r = fm.boundingRect(QRect(0, 0, 100000, 100000), 0, l->text());
  width_ = toTwipsX(std::max(r.width(), 1));
  height_ = toTwipsY(std::max(r.height(), fm.height()));
  applyGeometry();
}

void Label::setForeColor(Color color) {
  foreColor_ = color;
  setTextColor(widget(), color);
}
Color Label::foreColor() { return widget(), foreColor_; }

void Label::setBackColor(Color color) { detail::setBackground(widget(), color); }

void Label::setTransparent(bool transparent) { widget()->setAutoFillBackground(!transparent); }

// ---- Line

QWidget* Line::createWidget(QWidget* parent) { return new LineWidget(parent); }

void Line::resetState() { x1_ = y1_ = x2_ = y2_ = 0; }

void Line::setCoords(double x1, double y1, double x2, double y2) {
  widget();
  x1_ = x1, y1_ = y1, x2_ = x2, y2_ = y2;
  left_ = std::min(x1, x2), top_ = std::min(y1, y2);
  width_ = std::abs(x2 - x1), height_ = std::abs(y2 - y1);
  applyGeometry();
}

void Line::applyGeometry() {
  auto* w = static_cast<LineWidget*>(existingWidget());
  if (!w) return;
  QPoint a(toPixelsX(x1_), toPixelsY(y1_)), b(toPixelsX(x2_), toPixelsY(y2_));
  QRect box = QRect(a, b).normalized().adjusted(0, 0, w->penWidth, w->penWidth);
  w->setGeometry(box);
  w->from = a - box.topLeft();
  w->to = b - box.topLeft();
  w->update();
}

void Line::setBorderColor(Color color) {
  static_cast<LineWidget*>(widget())->color = toQColor(color);
  existingWidget()->update();
}

void Line::setBorderWidth(int pixels) {
  static_cast<LineWidget*>(widget())->penWidth = std::max(1, pixels);
  applyGeometry();
}

// ---- CommandButton

CommandButton::~CommandButton() {
  if (form().defaultButton_ == this) form().defaultButton_ = nullptr;
  if (form().cancelButton_ == this) form().cancelButton_ = nullptr;
}

QWidget* CommandButton::createWidget(QWidget* parent) {
  auto* b = new QPushButton(parent);
  b->setAutoDefault(false);
  QObject::connect(b, &QPushButton::clicked, b, [this] { fire(onClick); });
  return b;
}

std::string CommandButton::caption() { return detail::fromQt(static_cast<QPushButton*>(widget())->text()); }
void CommandButton::setCaption(std::string_view ansi) {
  static_cast<QPushButton*>(widget())->setText(detail::toQt(ansi));
}

void CommandButton::setDefault(bool isDefault) {
  auto* b = static_cast<QPushButton*>(widget());
  if (isDefault)
    form().defaultButton_ = this;
  else if (form().defaultButton_ == this)
    form().defaultButton_ = nullptr;
  b->setDefault(isDefault);
}

void CommandButton::setCancel(bool isCancel) {
  widget();
  if (isCancel)
    form().cancelButton_ = this;
  else if (form().cancelButton_ == this)
    form().cancelButton_ = nullptr;
}

bool CommandButton::isDefault() const { return form().defaultButton_ == this; }
bool CommandButton::isCancel() const { return form().cancelButton_ == this; }

void CommandButton::setPicture(const QPixmap& picture) {
  auto* b = static_cast<QPushButton*>(widget());
  b->setIcon(QIcon(picture));
  b->setIconSize(picture.size());
}

void CommandButton::setPictureResource(const QString& resourcePath) { setPicture(QPixmap(resourcePath)); }

void CommandButton::click() {
  widget();
  if (onClick) onClick();
}

// ---- CheckBox

QWidget* CheckBox::createWidget(QWidget* parent) {
  auto* c = new QCheckBox(parent);
  QObject::connect(c, &QCheckBox::clicked, c, [this] { fire(onClick); });
  return c;
}

std::string CheckBox::caption() { return detail::fromQt(static_cast<QCheckBox*>(widget())->text()); }
void CheckBox::setCaption(std::string_view ansi) { static_cast<QCheckBox*>(widget())->setText(detail::toQt(ansi)); }
int CheckBox::value() { return static_cast<QCheckBox*>(widget())->isChecked() ? 1 : 0; }
void CheckBox::setValue(int value) {
  auto* c = static_cast<QCheckBox*>(widget());
  if (c->isChecked() == (value != 0)) return;
  c->setChecked(value != 0);
  if (onClick) onClick();
}

// ---- OptionButton

QWidget* OptionButton::createWidget(QWidget* parent) {
  auto* r = new QRadioButton(parent);
  QObject::connect(r, &QRadioButton::toggled, r, [this, r](bool on) {
    if (on && !r->property("programmatic").toBool()) fire(onClick);
  });
  return r;
}

std::string OptionButton::caption() { return detail::fromQt(static_cast<QRadioButton*>(widget())->text()); }
void OptionButton::setCaption(std::string_view ansi) {
  static_cast<QRadioButton*>(widget())->setText(detail::toQt(ansi));
}
bool OptionButton::value() { return static_cast<QRadioButton*>(widget())->isChecked(); }

void OptionButton::setValue(bool value) {
  auto* r = static_cast<QRadioButton*>(widget());
  if (r->isChecked() == value) return;
  r->setProperty("programmatic", true);
  if (!value) r->setAutoExclusive(false);
  r->setChecked(value);
  r->setAutoExclusive(true);
  r->setProperty("programmatic", false);
  if (value && onClick) onClick();
}

// ---- Frame

QWidget* Frame::createWidget(QWidget* parent) { return new QGroupBox(parent); }
std::string Frame::caption() { return detail::fromQt(static_cast<QGroupBox*>(widget())->title()); }
void Frame::setCaption(std::string_view ansi) { static_cast<QGroupBox*>(widget())->setTitle(detail::toQt(ansi)); }

}  // namespace ui
