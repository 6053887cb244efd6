#pragma once
// What a test installs to stand in for the user where the program would wait: message boxes, modal
// forms, popup menus and yields are answered synchronously. With a hook installed, endProgram throws
// ProgramEnd instead of ending the process. The programs never install one; besides the tests, only the
// set-up of the ready prefix does, to run the installer headless (tools/setup/headless_install.h).
#include <string>
#include <vector>

namespace ui {

class Form;

struct MessageBoxRequest {
  std::string text;          // ANSI
  std::string title;         // after the program's title stood in for an empty one
  std::vector<int> buttons;  // result codes in order, such as {kIdYes, kIdNo}
  int defaultButton = 0;     // result code of the default button
};

struct PopupEntry {
  std::string name;
  int index = -1;  // within a menu array, else -1
  std::string caption;
  bool enabled = true;
  bool checked = false;
  bool separator = false;
};

struct PopupRequest {
  std::string formName;
  std::string menuName;
  double x = 0, y = 0;              // twips in the form's client area
  std::vector<PopupEntry> entries;  // the visible entries, in order
};

class TestHook {
 public:
  virtual ~TestHook() = default;
  virtual int messageBox(const MessageBoxRequest& request) = 0;  // the code of the button to press
  // The form has been loaded and shown modal; the hook acts on it (clicks, typing) and must leave it
  // hidden or unloaded, else the layer unloads it.
  virtual void modalShown(Form& form) = 0;
  // The position in request.entries of the entry to choose, or -1 for none.
  virtual int popupMenu(const PopupRequest& request) = 0;
  // Before the yield's event processing; count is 1 for the first yield since the hook was installed.
  virtual void yielded(int count) = 0;
  // An error box the layer raised itself (for example the run-time error box) goes through messageBox.
};

void setTestHook(TestHook* hook);  // null removes it
TestHook* testHook();

// After a program end under a test hook: whether and how the program ended. Reset by resetProgramState.
struct ProgramState {
  bool ended = false;
  int status = 0;
};
const ProgramState& programState();
bool programEndPending();  // an end is on its way up to the outermost level
void resetProgramState();
// Called by test support when a ProgramEnd reached the test itself: tears down like the outermost level.
void finishProgramEnd(int status);

}  // namespace ui
