#include "platform/ui/control.h"

#include "platform/error.h"
#include "platform/ui/application.h"
#include "platform/ui/font.h"
#include "platform/ui/form.h"
#include "platform/ui/qt_text.h"

namespace ui {

Control::Control(Form* form, std::string name, int index) : form_(form), name_(std::move(name)), index_(index) {
  form_->registerControl(this);
}

Control::~Control() { form_->unregisterControl(this); }

void Control::build(QWidget* parent) {
  left_ = top_ = width_ = height_ = 0;
  tag_.clear();
  tabIndex_ = -1;
  container_ = nullptr;
  resetState();
  QWidget* w = createWidget(parent);
  widget_ = w;
  if (hasFont()) {
    QFont f(kDesignFontName);
    f.setPointSizeF(kDesignFontSize);
    w->setFont(f);
  }
  w->show();
}

void Control::release() {
  if (!widget_) return;
  // The old widget may live on until its deferred deletion; its signals must not reach the wrapper.
  widget_->disconnect();
  for (QObject* child : widget_->findChildren<QObject*>()) child->disconnect();
  widget_ = nullptr;
}

void Control::rebuild() {
  QWidget* old = widget();
  QWidget* parent = old->parentWidget();
  QFont font = old->font();
  QString tip = old->toolTip();
  bool hidden = old->isHidden(), enabled = old->isEnabled();
  release();
  old->hide();  // deleted only when the event loop comes round; unseen until then
  old->deleteLater();
  QWidget* w = createWidget(parent);
  widget_ = w;
  w->setFont(font);
  w->setToolTip(tip);
  w->setEnabled(enabled);
  applyGeometry();
  w->setVisible(!hidden);
}

QWidget* Control::widget() {
  form_->load();
  return widget_;
}

void Control::applyGeometry() {
  if (widget_) widget_->setGeometry(toPixelsX(left_), toPixelsY(top_), toPixelsX(width_), toPixelsY(height_));
}

double Control::left() { return widget(), left_; }
double Control::top() { return widget(), top_; }
double Control::width() { return widget(), width_; }
double Control::height() { return widget(), height_; }
void Control::setLeft(double twips) { move(twips, top(), width(), height()); }
void Control::setTop(double twips) { move(left(), twips, width(), height()); }
void Control::setWidth(double twips) { move(left(), top(), twips, height()); }
void Control::setHeight(double twips) { move(left(), top(), width(), twips); }
void Control::move(double left, double top) { move(left, top, width(), height()); }
void Control::move(double left, double top, double width, double height) {
  widget();
  left_ = left, top_ = top, width_ = width, height_ = height;
  applyGeometry();
}

bool Control::visible() { return !widget()->isHidden(); }
void Control::setVisible(bool visible) { widget()->setVisible(visible); }
bool Control::enabled() { return widget()->isEnabled(); }
void Control::setEnabled(bool enabled) { widget()->setEnabled(enabled); }
const std::string& Control::tag() { return widget(), tag_; }
void Control::setTag(std::string ansi) { widget(), tag_ = std::move(ansi); }
void Control::setToolTip(std::string_view ansi) { widget()->setToolTip(detail::toQt(ansi)); }

void Control::setContainer(Control& container) {
  QWidget* w = widget();
  bool hidden = w->isHidden();
  container_ = &container;
  w->setParent(container.widget());
  applyGeometry();
  w->setVisible(!hidden);
}

void Control::setTabIndex(int tabIndex) { widget(), tabIndex_ = tabIndex; }
void Control::setFocus() { widget()->setFocus(Qt::OtherFocusReason); }
void Control::refresh() { widget()->repaint(); }

void Control::fire(const std::function<void()>& handler) { dispatch(handler); }

bool Control::editFont(const std::function<void(QFont&)>& change) {
  QWidget* w = widget();
  if (!hasFont()) return false;
  QFont f = w->font();
  change(f);
  w->setFont(f);
  fontChanged();
  return true;
}

bool Control::setFontName(std::string_view family) {
  return editFont([&](QFont& f) { f.setFamily(detail::toQt(family)); });
}
bool Control::setFontSize(double points) {
  return editFont([&](QFont& f) { f.setPointSizeF(points); });
}
bool Control::setFontBold(bool bold) {
  return editFont([&](QFont& f) { f.setBold(bold); });
}
bool Control::setFontItalic(bool italic) {
  return editFont([&](QFont& f) { f.setItalic(italic); });
}
std::string Control::fontName() { return hasFont() ? detail::fromQt(widget()->font().family()) : std::string(); }
double Control::fontSize() { return hasFont() ? widget()->font().pointSizeF() : 0; }
bool Control::fontBold() { return hasFont() && widget()->font().bold(); }
bool Control::fontItalic() { return hasFont() && widget()->font().italic(); }

void raiseNoSuchElement(const std::string& arrayName, int index) {
  win::raise(340, "Control array element '" + std::to_string(index) + "' doesn't exist in " + arrayName);
}

}  // namespace ui
