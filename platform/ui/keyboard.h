#pragma once
// Internal: which window has the keyboard. The layer gives it to a form when it shows one, and back to
// the window that had it when a modal form or message box closes; a window manager would do the latter
// on a desktop, but with none running nobody does. Keys that still arrive for a window that is no longer
// shown (typed before the window system had seen a page switch) go to the window that has it now.
#include <QApplication>
#include <QPointer>
#include <QWidget>

namespace ui::detail {

// Activates the window and makes it the one that keys for vanished windows go to.
void giveKeyboardTo(QWidget* window);

// Remembers the active window; gives it the keyboard again when destroyed, if it still shows.
class KeyboardReturn {
 public:
  KeyboardReturn() : window_(QApplication::activeWindow()) {}
  ~KeyboardReturn() {
    if (window_ && window_->isVisible()) giveKeyboardTo(window_);
  }
  KeyboardReturn(const KeyboardReturn&) = delete;
  KeyboardReturn& operator=(const KeyboardReturn&) = delete;

 private:
  QPointer<QWidget> window_;  // null when no window of the program had the keyboard
};

}  // namespace ui::detail
