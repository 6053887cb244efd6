#pragma once
// Internal to the window layer: the nesting of handlers and waits, the pending program end, and the
// nested event loops that a program end must leave.
#include <QEventLoop>

namespace ui::detail {

// Counts as program code on the stack: a dispatch nested in it does not tear the program down itself
// but leaves the end pending for this frame to pass upwards.
class ProgramFrame {
 public:
  ProgramFrame();
  ~ProgramFrame();
  ProgramFrame(const ProgramFrame&) = delete;
  ProgramFrame& operator=(const ProgramFrame&) = delete;
};

// A nested event loop that a pending program end quits.
class NestedLoop {
 public:
  NestedLoop();
  ~NestedLoop();
  void run();  // returns on quit() or when the program is ending
  void quit() { loop_.quit(); }

 private:
  QEventLoop loop_;
};

bool programEnding();      // a program end is pending or has happened
void throwIfEndPending();  // throws ProgramEnd when an end is pending
void formUnloaded();       // the main loop ends when no form is loaded any more

}  // namespace ui::detail
