#pragma once
// Internal: which window has the keyboard. The layer gives it to a form when it shows one, and back to
// the window that had it when a modal form or message box closes; a window manager would do the latter
// on a desktop, but with none running nobody does. Keys that still arrive for a window that has gone
// (typed before the window system had seen a page switch or a box close) go to the window that has the
// keyboard now, the latest given it that is still there, which takes the focus for them at once.
#include <QApplication>
#include <QPointer>
#include <QWidget>

namespace ui::detail {

// Activates the window and makes it the one that keys for windows that have gone go to.
void giveKeyboardTo(QWidget* window);
// Hidden, or the window of an unloaded form that lingers a moment on the screen.
bool windowGone(QWidget* window);

// Remembers the active window; gives it the keyboard again when destroyed, unless it has gone.
class KeyboardReturn {
 public:
  KeyboardReturn() : window_(QApplication::activeWindow()) {}
  ~KeyboardReturn() {
    if (window_ && !windowGone(window_)) giveKeyboardTo(window_);
  }
  KeyboardReturn(const KeyboardReturn&) = delete;
  KeyboardReturn& operator=(const KeyboardReturn&) = delete;

 private:
  QPointer<QWidget> window_;  // null when no window of the program had the keyboard
};

}  // namespace ui::detail
