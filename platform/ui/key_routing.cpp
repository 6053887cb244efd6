// Key preview, default and cancel buttons: the form sees a key before the control with the focus, and
// Enter and Esc press the form's default and cancel buttons, as the original dialog manager does; in an
// open drop-down list they only choose or close.
#include <QApplication>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <vector>

#include "platform/ui/application.h"
#include "platform/ui/basic_controls.h"
#include "platform/ui/form.h"
#include "platform/ui/form_window.h"
#include "platform/ui/keyboard.h"

namespace ui {
namespace {

int keyCodeOf(const QKeyEvent* e) {
  int k = e->key();
  if (k >= Qt::Key_F1 && k <= Qt::Key_F24) return 112 + (k - Qt::Key_F1);
  if (k >= Qt::Key_0 && k <= Qt::Key_9) return k;  // same as ASCII
  if (k >= Qt::Key_A && k <= Qt::Key_Z) return k;
  switch (k) {
    case Qt::Key_Return:
    case Qt::Key_Enter: return 13;
    case Qt::Key_Escape: return 27;
    case Qt::Key_Tab:
    case Qt::Key_Backtab: return 9;
    case Qt::Key_Backspace: return 8;
    case Qt::Key_Space: return 32;
    case Qt::Key_PageUp: return 33;
    case Qt::Key_PageDown: return 34;
    case Qt::Key_End: return 35;
    case Qt::Key_Home: return 36;
    case Qt::Key_Left: return 37;
    case Qt::Key_Up: return 38;
    case Qt::Key_Right: return 39;
    case Qt::Key_Down: return 40;
    case Qt::Key_Insert: return 45;
    case Qt::Key_Delete: return 46;
    case Qt::Key_Shift: return 16;
    case Qt::Key_Control: return 17;
    case Qt::Key_Alt: return 18;
    default: return 0;
  }
}

int shiftOf(const QKeyEvent* e) {
  int s = 0;
  if (e->modifiers() & Qt::ShiftModifier) s |= 1;
  if (e->modifiers() & Qt::ControlModifier) s |= 2;
  if (e->modifiers() & Qt::AltModifier) s |= 4;
  return s;
}

// The windows the layer gave the keyboard to, the latest last; a few are enough to find one still there.
constexpr size_t kKeyboardWindowsKept = 8;

std::vector<QPointer<QWidget>>& keyboardWindows() {
  static std::vector<QPointer<QWidget>> windows;
  return windows;
}

// The window that has the keyboard now: the latest given it that is still there. When a box closes, that
// is the window that had it before, also while the box's own loop is still winding up.
QWidget* keyboardWindow() {
  auto& windows = keyboardWindows();
  for (auto it = windows.rbegin(); it != windows.rend(); ++it)
    if (*it && !detail::windowGone(*it)) return *it;
  return nullptr;
}

// The window that a key meant for this one goes to: itself while it is there, else the one that has the
// keyboard now.
QWidget* windowForKeys(QWidget* window) {
  QWidget* now = keyboardWindow();
  return !detail::windowGone(window) || !now ? window : now;
}

// How long a window that has gone is kept before it is deleted: long enough for the keys that the user
// typed at once across several pages or boxes to arrive.
constexpr int kLingerMs = 2000;

std::vector<QPointer<QWidget>>& lingeringWindows() {
  static std::vector<QPointer<QWidget>> windows;
  return windows;
}

class KeyRouter : public QObject {
 protected:
  bool eventFilter(QObject* receiver, QEvent* event) override {
    bool press = event->type() == QEvent::KeyPress;
    if ((!press && event->type() != QEvent::KeyRelease) || delivering_ || !receiver->isWidgetType()) return false;
    auto* widget = static_cast<QWidget*>(receiver);
    if (widget->window()->windowType() == Qt::Popup && detail::windowGone(widget->window())) {
      // An open drop-down list closes on the Enter that chooses an entry, or the Esc that leaves it, before
      // that key arrives: the key was the list's own, and it presses no default or cancel button.
      event->accept();
      return true;
    }
    if (QWidget* target = windowForKeys(widget->window()); target != widget->window()) {
      // The window takes the focus here at once, so that its control gets the key as after a real
      // activation (a list then has a current entry); the window system follows. Releases go there too:
      // buttons act on the release of Space.
      if (QApplication::activeWindow() != target) QApplication::setActiveWindow(target);
      QWidget* focus = target->focusWidget() ? target->focusWidget() : target;
      QCoreApplication::sendEvent(focus, event);  // routed afresh, for that window
      return true;
    }
    if (!press) return false;
    auto* window = dynamic_cast<FormWindow*>(widget->window());
    if (!window || !window->form()) return false;
    auto* key = static_cast<QKeyEvent*>(event);
    int code = keyCodeOf(key);
    if (code == 0 || routeKey(*window->form(), widget, code, shiftOf(key))) {
      // Deliver it ourselves, so that the preview runs once however far the event propagates.
      delivering_ = true;
      QCoreApplication::sendEvent(receiver, event);
      delivering_ = false;
    }
    event->accept();  // else Qt offers it to the parent widgets, and the preview would run again
    return true;
  }

 private:
  bool delivering_ = false;
};

}  // namespace

bool routeKey(Form& form, QWidget* focus, int keyCode, int shift) {
  if (form.keyPreview_) {
    int code = keyCode;
    dispatch([&] { form.onKeyDown(code, shift); });
    if (code == 0 || !form.isLoaded()) return false;
    keyCode = code;
  }
  if (keyCode == 13) {
    // A multi-line box takes Enter itself, unless it is read-only and has no use for it.
    if (auto* box = qobject_cast<QPlainTextEdit*>(focus); box && !box->isReadOnly()) return true;
    if (qobject_cast<QPushButton*>(focus)) {
      if (auto* button = dynamic_cast<CommandButton*>(form.controlOf(focus))) {
        dispatch([button] { button->click(); });
        return false;
      }
    }
    return !form.pressButtonFor(13);
  }
  if (keyCode == 27) return !form.pressButtonFor(27);
  return true;
}

namespace detail {

void giveKeyboardTo(QWidget* window) {
  auto& windows = keyboardWindows();
  std::erase_if(windows, [window](const QPointer<QWidget>& w) { return w.isNull() || w == window; });
  windows.emplace_back(window);
  if (windows.size() > kKeyboardWindowsKept) windows.erase(windows.begin());
  window->activateWindow();
}

void passKeyboardOn(QWidget* leaving) {
  auto& windows = keyboardWindows();
  if (windows.empty() || windows.back() != leaving) return;
  windows.pop_back();
  if (QWidget* next = keyboardWindow()) giveKeyboardTo(next);
}

void letLinger(QWidget* window) {
  std::erase_if(lingeringWindows(), [](const QPointer<QWidget>& w) { return w.isNull(); });
  lingeringWindows().emplace_back(window);
  QTimer::singleShot(kLingerMs, window, &QObject::deleteLater);
}

void endLingering() {
  for (const QPointer<QWidget>& w : lingeringWindows())
    if (w) w->deleteLater();
  lingeringWindows().clear();
}

bool windowGone(QWidget* window) {
  auto* formWindow = dynamic_cast<FormWindow*>(window);
  return !window->isVisible() || (formWindow && !formWindow->form());
}

}  // namespace detail

void installKeyRouting() {
  static KeyRouter* router = nullptr;
  if (router || !qApp) return;
  router = new KeyRouter;
  router->setParent(qApp);
  qApp->installEventFilter(router);
}

}  // namespace ui
