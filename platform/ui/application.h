#pragma once
// The running program: start-up, the event loop, yielding, ending at once, and the one wrapper through
// which every window event reaches a form's handler.
#include <functional>
#include <string>
#include <string_view>

namespace ui {

// Creates the application object, sets up the platform (win::initApplication, the real desktop and sound
// device), runs the start procedure through dispatch, then the event loop until the program ends or no
// form is loaded any more. Returns the exit status.
// Without a display (none named in the environment, or one that cannot be reached) nothing of the program
// runs: "<name>: no display; start it from a desktop session or set DISPLAY" goes to the standard error,
// <name> being the program file's name, and the status is 1.
int runProgram(int argc, char** argv, const std::function<void()>& startProcedure);

// The classic look of the original dialogs, for the whole program: 3D buttons and frames on button-face
// grey, disabled texts in gray, Tahoma 8.25 pt. The system's message boxes and popup menus wear it as the
// forms do.
void applyClassicLook();

// The program's title as message boxes show it when they are given none.
void setProgramTitle(std::string ansiTitle);
const std::string& programTitle();

// Lets the event loop handle what is pending (repaints, clicks, closing windows), then returns. What the
// program posted itself is handled at every call; the window system's input and timers are looked at when
// 10 ms have passed since they were last, so that a call finding nothing costs next to nothing.
void doEvents();

// Ends the program at once from anywhere: no Unload handler runs, open files are closed, the process
// exits with the status. Under a test hook it throws ProgramEnd instead, which the dispatch wrapper and
// the nested loops pass up to the outermost level, where the windows are torn down silently.
[[noreturn]] void endProgram(int status = 0);

// Not a win::Error, so "errors ignored" steps never swallow it.
struct ProgramEnd {
  int status = 0;
};

// Runs one event handler. An uncaught win::Error shows "Run-time error 'N':" with its description and
// ends the program with status 1; nothing escapes into the caller (Qt).
void dispatch(const std::function<void()>& handler) noexcept;

// Shows the run-time error box of an error number and description (no ending).
void showRuntimeError(int number, std::string_view ansiDescription);

}  // namespace ui
