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
// A window that goes while it has the keyboard passes it to the one that had it before and is still
// there, if any.
void passKeyboardOn(QWidget* leaving);

// Keeps a window that has gone a while before deleting it, so that keys still on their way to it arrive
// and are passed on; the window's owner lets go of it.
void letLinger(QWidget* window);
// Deletes the lingering windows at once (at the program's end, and between tests).
void endLingering();

// Remembers the active window while a modal form or box is shown, and gives it the keyboard again, once,
// unless it has gone: best as the box goes and before it leaves the screen (giveBack), so that no key
// falls between the two windows; at the latest when destroyed.
class KeyboardReturn {
 public:
  KeyboardReturn() : window_(QApplication::activeWindow()) {}
  // Also names itself in slot while it lives, for the form that goes to call giveBack.
  explicit KeyboardReturn(KeyboardReturn*& slot) : KeyboardReturn() {
    slot_ = &slot;
    slot = this;
  }
  ~KeyboardReturn() {
    if (slot_) *slot_ = nullptr;
    giveBack();
  }
  KeyboardReturn(const KeyboardReturn&) = delete;
  KeyboardReturn& operator=(const KeyboardReturn&) = delete;

  void giveBack() {
    if (given_) return;
    given_ = true;
    if (window_ && !windowGone(window_)) giveKeyboardTo(window_);
  }

 private:
  QPointer<QWidget> window_;  // null when no window of the program had the keyboard
  KeyboardReturn** slot_ = nullptr;
  bool given_ = false;
};

}  // namespace ui::detail
