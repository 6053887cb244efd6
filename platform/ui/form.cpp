#include "platform/ui/form.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QIcon>
#include <QScreen>
#include <QTimer>
#include <algorithm>
#include <cmath>

#include "platform/ui/application.h"
#include "platform/ui/basic_controls.h"
#include "platform/ui/control.h"
#include "platform/ui/event_loops.h"
#include "platform/ui/font.h"
#include "platform/ui/form_window.h"
#include "platform/ui/keyboard.h"
#include "platform/ui/menu.h"
#include "platform/ui/qt_text.h"
#include "platform/ui/test_hook.h"

namespace ui {
namespace {

std::vector<Form*>& registry() {
  static std::vector<Form*> forms;
  return forms;
}

// Nominal frame metrics of the original platform's windows, in pixels.
constexpr int kDialogBorder = 3;
constexpr int kSizingBorder = 4;
constexpr int kCaption = 19;

void substituteDesignFont() {
  static bool done = false;
  if (done) return;
  done = true;
  QFont::insertSubstitutions(kDesignFontName, {"Tahoma", "DejaVu Sans", "Liberation Sans"});
}

}  // namespace

FormWindow::FormWindow(Form* form) : QWidget(nullptr, Qt::Window), form_(form) {}

void FormWindow::closeEvent(QCloseEvent* event) {
  event->ignore();
  if (Form* f = form_) dispatch([f] { f->unload(); });
}

void FormWindow::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  if (form_ && !applyingGeometry) form_->windowResized(width(), height());
}

void FormWindow::moveEvent(QMoveEvent* event) {
  QWidget::moveEvent(event);
  if (form_ && !applyingGeometry) form_->windowMoved(geometry().x(), geometry().y());
}

bool FormWindow::event(QEvent* event) {
  if (event->type() == QEvent::WindowActivate && form_) {
    Form* f = form_;
    dispatch([f] { f->onActivate(); });
  }
  return QWidget::event(event);
}

Form::Form(std::string name) : name_(std::move(name)) { registry().push_back(this); }

Form::~Form() {
  std::erase(registry(), this);
  // After the application object is gone, widgets cannot be deleted any more.
  if (window_ && QCoreApplication::instance()) {
    static_cast<FormWindow*>(window_.data())->detach();
    delete window_.data();
  }
}

const std::vector<Form*>& Form::all() { return registry(); }

void Form::registerControl(Control* control) { controls_.push_back(control); }
void Form::unregisterControl(Control* control) { std::erase(controls_, control); }
void Form::registerMenu(Menu* menu) { menus_.push_back(menu); }
void Form::unregisterMenu(Menu* menu) { std::erase(menus_, menu); }

bool Form::isLoaded() const { return window_ != nullptr; }
bool Form::isVisible() const { return window_ && window_->isVisible(); }

void Form::resetDesignState() {
  caption_.clear();
  left_ = top_ = 0;
  width_ = height_ = 0;
  border_ = BorderStyle::Sizable;
  titleBar_ = showInTaskbar_ = true;
  centered_ = keyPreview_ = onTop_ = false;
  backColor_ = kButtonFace;
  defaultButton_ = cancelButton_ = nullptr;
  owner_ = nullptr;
}

void Form::load() {
  if (window_) return;
  substituteDesignFont();
  installKeyRouting();
  resetDesignState();
  auto* window = new FormWindow(this);
  window->setAttribute(Qt::WA_DeleteOnClose, false);
  QFont font(kDesignFontName);
  font.setPointSizeF(kDesignFontSize);
  window->setFont(font);
  window_ = window;
  for (Control* c : controls_) c->build(window);
  for (Menu* m : menus_) m->resetState();
  designing_ = true;
  design();
  if (centered_) {
    left_ = std::round((screenWidth() - width_) / 2);
    top_ = std::round((screenHeight() - height_) / 2);
  }
  applyWindowStyle();
  applyGeometry();
  applyTabOrder();
  designing_ = false;
  shownSinceLoad_ = false;
  onLoad();
}

void Form::applyTabOrder() {
  std::vector<Control*> order;
  for (Control* c : controls_)
    if (c->widget_ && c->widget_->focusPolicy() != Qt::NoFocus) order.push_back(c);
  std::stable_sort(order.begin(), order.end(), [](Control* a, Control* b) {
    int ta = a->tabIndex_ < 0 ? 1 << 20 : a->tabIndex_, tb = b->tabIndex_ < 0 ? 1 << 20 : b->tabIndex_;
    return ta < tb;
  });
  for (size_t i = 1; i < order.size(); ++i) QWidget::setTabOrder(order[i - 1]->widget_, order[i]->widget_);
  if (!order.empty()) window_->setFocusProxy(nullptr), order.front()->widget_->setFocus(Qt::OtherFocusReason);
}

double Form::frameWidth() const {
  switch (border_) {
    case BorderStyle::None: return 0;
    case BorderStyle::Sizable: return kSizingBorder;
    default: return kDialogBorder;
  }
}

double Form::captionHeight() const { return border_ == BorderStyle::None || !titleBar_ ? 0 : kCaption; }

void Form::applyWindowStyle() {
  Qt::WindowFlags flags = showInTaskbar_ ? Qt::Window : Qt::Tool;
  if (border_ == BorderStyle::None) {
    flags |= Qt::FramelessWindowHint;
  } else {
    flags |= Qt::CustomizeWindowHint;
    if (titleBar_) flags |= Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::WindowSystemMenuHint;
    if (titleBar_ && border_ == BorderStyle::Sizable) flags |= Qt::WindowMinMaxButtonsHint;
  }
  if (onTop_) flags |= Qt::WindowStaysOnTopHint;
  bool wasVisible = window_->isVisible();
  window_->setWindowFlags(flags);
  window_->setWindowTitle(detail::toQt(caption_));
  QPalette p = window_->palette();
  p.setColor(QPalette::Window, toQColor(backColor_));
  window_->setPalette(p);
  window_->setAutoFillBackground(true);
  if (wasVisible) window_->show();
}

void Form::applyGeometry() {
  if (!window_) return;
  auto* w = static_cast<FormWindow*>(window_.data());
  int fw = int(frameWidth()), ch = int(captionHeight());
  int outerW = toPixelsX(width_), outerH = toPixelsY(height_);
  QRect client(toPixelsX(left_) + fw, toPixelsY(top_) + fw + ch, std::max(0, outerW - 2 * fw),
               std::max(0, outerH - 2 * fw - ch));
  w->applyingGeometry = true;
  if (border_ == BorderStyle::Sizable) {
    w->setMinimumSize(0, 0);
    w->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    w->setGeometry(client);
  } else {
    w->setGeometry(client);
    w->setFixedSize(client.size());
  }
  w->applyingGeometry = false;
}

// Qt also reports the sizes the layer set itself (when a hidden window is shown): only a change counts.
void Form::windowResized(int clientWidthPx, int clientHeightPx) {
  int outerW = clientWidthPx + 2 * int(frameWidth());
  int outerH = clientHeightPx + 2 * int(frameWidth()) + int(captionHeight());
  if (outerW == toPixelsX(width_) && outerH == toPixelsY(height_)) return;
  width_ = toTwipsX(outerW);
  height_ = toTwipsY(outerH);
  dispatch([this] { onResize(); });
}

void Form::windowMoved(int leftPx, int topPx) {
  left_ = toTwipsX(leftPx - int(frameWidth()));
  top_ = toTwipsY(topPx - int(frameWidth()) - int(captionHeight()));
}

std::string Form::caption() {
  load();
  return caption_;
}
void Form::setCaption(std::string_view ansi) {
  load();
  caption_ = std::string(ansi);
  window_->setWindowTitle(detail::toQt(caption_));
}

double Form::left() { return load(), left_; }
double Form::top() { return load(), top_; }
double Form::width() { return load(), width_; }
double Form::height() { return load(), height_; }
void Form::setLeft(double twips) { move(twips, top()); }
void Form::setTop(double twips) { move(left(), twips); }
void Form::setWidth(double twips) { move(left(), top(), twips, height()); }
void Form::setHeight(double twips) { move(left(), top(), width(), twips); }
void Form::move(double left, double top) { move(left, top, width(), height()); }
void Form::move(double left, double top, double width, double height) {
  load();
  bool resized = width != width_ || height != height_;
  left_ = left, top_ = top, width_ = width, height_ = height;
  applyGeometry();
  if (resized && !designing_) onResize();
}

double Form::scaleWidth() { return width() - toTwipsX(2 * int(frameWidth())); }
double Form::scaleHeight() { return height() - toTwipsY(2 * int(frameWidth()) + int(captionHeight())); }
void Form::setClientSize(double width, double height) {
  load();
  move(left_, top_, width + toTwipsX(2 * int(frameWidth())),
       height + toTwipsY(2 * int(frameWidth()) + int(captionHeight())));
}

// Style changes keep the client size, as the design gives it.
void Form::setBorderStyle(BorderStyle style) {
  load();
  double cw = scaleWidth(), chgt = scaleHeight();
  border_ = style;
  setClientSize(cw, chgt);
  applyWindowStyle();
}
void Form::setTitleBar(bool shown) {
  load();
  double cw = scaleWidth(), chgt = scaleHeight();
  titleBar_ = shown;
  setClientSize(cw, chgt);
  applyWindowStyle();
}
void Form::setShowInTaskbar(bool shown) {
  load();
  showInTaskbar_ = shown;
  applyWindowStyle();
}
void Form::setIcon(const QString& resourcePath) {
  load();
  window_->setWindowIcon(QIcon(resourcePath));
}
void Form::setCentered(bool centered) { load(), centered_ = centered; }
void Form::setKeyPreview(bool preview) { load(), keyPreview_ = preview; }
void Form::setAlwaysOnTop(bool onTop) {
  load();
  onTop_ = onTop;
  applyWindowStyle();
  applyGeometry();
}
void Form::setBackColor(Color color) {
  load();
  backColor_ = color;
  applyWindowStyle();
}
bool Form::setFontName(std::string_view family) {
  load();
  QFont f = window_->font();
  f.setFamily(detail::toQt(family));
  window_->setFont(f);
  return true;
}

QWidget* Form::window() {
  load();
  return window_;
}

Control* Form::findControl(std::string_view name, int index) const {
  for (Control* c : controls_)
    if (c->name() == name && c->index() == index) return c;
  return nullptr;
}

Control* Form::controlOf(const QWidget* widget) const {
  for (Control* c : controls_)
    if (c->widget_ && (c->widget_ == widget || c->widget_->isAncestorOf(widget))) return c;
  return nullptr;
}

void Form::showWindow(Form* owner, bool modal, bool takeKeyboard) {
  load();
  if (owner) owner->load();
  if (owner != owner_) {
    if (owner_) std::erase(owner_->owned_, this);
    owner_ = owner;
    if (owner_) owner_->owned_.push_back(this);
    // Reparenting hides a shown window; it is shown again below.
    window_->setParent(owner_ ? owner_->window_.data() : nullptr, window_->windowFlags());
    applyGeometry();
  }
  if (modal != (window_->windowModality() == Qt::ApplicationModal)) {
    bool was = window_->isVisible();
    if (was) window_->hide();
    window_->setWindowModality(modal ? Qt::ApplicationModal : Qt::NonModal);
  }
  if (!shownSinceLoad_) {
    shownSinceLoad_ = true;
    onResize();
    if (!window_) return;  // the handler unloaded the form
  }
  // Also tells a window manager not to hand it the keyboard when it maps the window.
  window_->setAttribute(Qt::WA_ShowWithoutActivating, !takeKeyboard);
  window_->show();
  if (takeKeyboard) detail::giveKeyboardTo(window_);
}

void Form::show() { showWindow(nullptr, false); }
void Form::show(Form& owner) { showWindow(&owner, false); }
void Form::showInactive() { showWindow(nullptr, false, false); }
void Form::showModal() { runModal(nullptr); }
void Form::showModal(Form& owner) { runModal(&owner); }

void Form::runModal(Form* owner) {
  detail::KeyboardReturn keyboardReturn(keyboardReturn_);
  showWindow(owner, true);
  if (TestHook* hook = testHook()) {
    {
      detail::ProgramFrame frame;
      hook->modalShown(*this);
    }
    detail::throwIfEndPending();
    if (isVisible()) unload();
    return;
  }
  detail::NestedLoop loop;
  modalLoop_ = &loop;
  if (isVisible()) loop.run();
  modalLoop_ = nullptr;
  if (window_) window_->setWindowModality(Qt::NonModal);
  detail::throwIfEndPending();
}

void Form::hide() {
  if (!window_) return;
  if (keyboardReturn_) keyboardReturn_->giveBack();
  window_->hide();
  detail::passKeyboardOn(window_);
  if (modalLoop_) modalLoop_->quit();
}

void Form::refresh() {
  if (window_) window_->repaint();
}

void Form::unload() {
  if (!window_ || unloading_) return;
  unloading_ = true;
  struct Reset {
    bool& flag;
    ~Reset() { flag = false; }
  } reset{unloading_};
  onUnload();
  std::vector<Form*> owned = owned_;
  for (Form* f : owned) f->unload();
  destroyWindow();
}

void Form::destroyWindow() {
  if (!window_) return;
  for (Control* c : controls_) c->release();
  for (Menu* m : menus_) m->resetState();
  for (Form* f : owned_) f->owner_ = nullptr;
  owned_.clear();
  if (owner_) std::erase(owner_->owned_, this);
  owner_ = nullptr;
  auto* w = static_cast<FormWindow*>(window_.data());
  w->detach();
  // A modal window stops blocking the others at once. A modeless one stays on the screen until the event
  // loop's next turn, so that a page shown in its place is there before it goes: without a window
  // manager, keys typed while neither was there would reach no window.
  if (w->isModal()) {
    if (keyboardReturn_) keyboardReturn_->giveBack();
    w->hide();
  } else {
    QTimer::singleShot(0, w, &QWidget::hide);
  }
  detail::passKeyboardOn(w);
  // Owned windows still parented here are unloaded already; keep them from being deleted twice.
  w->setParent(nullptr);
  detail::letLinger(w);
  window_ = nullptr;
  if (modalLoop_) modalLoop_->quit();
  detail::formUnloaded();
}

bool Form::pressButtonFor(int keyCode) {
  CommandButton* b = keyCode == 13 ? defaultButton_ : keyCode == 27 ? cancelButton_ : nullptr;
  QWidget* w = b ? b->existingWidget() : nullptr;
  // Enabled and visible, also within its containers (a button on a hidden frame is not pressed).
  if (!w || !w->isEnabled() || !w->isVisibleTo(window_)) return false;
  dispatch([b] { b->click(); });
  return true;
}

void tearDownAllForms() {
  for (Form* f : Form::all()) f->destroyWindow();
  detail::endLingering();
}

}  // namespace ui
