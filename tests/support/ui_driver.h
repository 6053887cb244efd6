#pragma once
// Drives the window layer headless: a scripted user for message boxes, modal forms, popup menus and
// yields, recorders for the desktop and the sound device, and a fixture that ties them to a prefix.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QWidget>
#include <deque>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "platform/system.h"
#include "platform/ui/application.h"
#include "platform/ui/test_hook.h"
#include "support/temp_prefix.h"

namespace ui {
class Control;
class Form;
}  // namespace ui

namespace testing_support {

class RecordingDesktop : public win::Desktop {
 public:
  void open(const std::string& target, Verdict verdict) override;  // gives its verdict at once
  bool startTextViewer(const std::string& winPath) override;
  std::vector<std::string> opened;  // targets handed to the shell
  std::vector<std::string> viewed;  // files given to the text viewer
  bool refuse = false;              // as a system with no program for them: every target is refused
};

// Commands as "stop", "close", "open <path>", "play".
class RecordingSound : public win::SoundDevice {
 public:
  void stop() override { commands.push_back("stop"); }
  void close() override { commands.push_back("close"); }
  bool open(const std::string& winPath) override;
  void play() override { commands.push_back("play"); }
  std::vector<std::string> commands;
};

// Answers what the program waits on, in the order the test scripted; anything unscripted fails the test.
class ScriptedUser : public ui::TestHook {
 public:
  ScriptedUser();
  ~ScriptedUser() override;

  void answerMessageBox(int code) { boxAnswers_.push_back(code); }
  void onModal(std::string formName, std::function<void(ui::Form&)> action);
  // Chooses the visible entry of that caption, or none with an empty caption.
  void choosePopupEntry(std::string caption) { popupAnswers_.push_back(std::move(caption)); }
  void atYield(int count, std::function<void()> action);

  const std::vector<ui::MessageBoxRequest>& messageBoxes() const { return boxes_; }
  const std::vector<std::string>& modalForms() const { return modals_; }
  const std::vector<ui::PopupRequest>& popups() const { return popups_; }
  int yields() const { return yields_; }
  RecordingDesktop& desktop() { return *desktop_; }
  RecordingSound& sound() { return *sound_; }

  int messageBox(const ui::MessageBoxRequest& request) override;
  void modalShown(ui::Form& form) override;
  int popupMenu(const ui::PopupRequest& request) override;
  void yielded(int count) override;

 private:
  std::deque<int> boxAnswers_;
  std::deque<std::pair<std::string, std::function<void(ui::Form&)>>> modalAnswers_;
  std::deque<std::string> popupAnswers_;
  std::vector<std::pair<int, std::function<void()>>> yieldActions_;
  std::vector<ui::MessageBoxRequest> boxes_;
  std::vector<std::string> modals_;
  std::vector<ui::PopupRequest> popups_;
  int yields_ = 0;
  std::shared_ptr<RecordingDesktop> desktop_;
  std::shared_ptr<RecordingSound> sound_;
};

// A prefix, the application object, Tahoma from the prefix's Fonts folder and a scripted user; every
// form is torn down after the test.
class UiTest : public ::testing::Test {
 protected:
  UiTest();
  ~UiTest() override;

  TempPrefix prefix;
  ScriptedUser user;
};

// Clicks with the mouse and types keys on a control's widget, as the user does.
void userClick(ui::Control& control);
void userDoubleClickRow(ui::Control& list, int row);
void userKey(QWidget* widget, int qtKey, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
// Types a key on the keyboard: it reaches the window that has the keyboard focus, and there the control
// with the focus. Fails the test when no window of the program has the keyboard.
void userType(int qtKey, Qt::KeyboardModifiers modifiers = Qt::NoModifier);

// The shown top-level window of that Qt class, such as the system's message box or a popup menu; null
// when none shows.
template <typename Window>
Window* shownWindow() {
  for (QWidget* w : QApplication::topLevelWidgets())
    if (auto* window = qobject_cast<Window*>(w); window && window->isVisible()) return window;
  return nullptr;
}

// The file of a screenshot of that name: under $VM_SCREENSHOT_DIR, else build/screenshots.
std::filesystem::path screenshotFile(const std::string& name);
// Saves a picture of the form there; returns the file.
std::filesystem::path saveScreenshot(ui::Form& form, const std::string& name);
// Saves a picture of the whole screen with these windows where they stand, each later one above the
// ones before and outlined, on the desktop's plain colour; returns the file.
std::filesystem::path saveScreenPicture(const std::vector<QWidget*>& windows, const std::string& name);

}  // namespace testing_support

// The statement ends the program (from any depth) with that exit status.
#define EXPECT_PROGRAM_ENDS(statement, expectedStatus)                               \
  do {                                                                               \
    try {                                                                            \
      statement;                                                                     \
    } catch (const ui::ProgramEnd& programEnd_) {                                    \
      ui::finishProgramEnd(programEnd_.status);                                      \
    }                                                                                \
    EXPECT_TRUE(ui::programState().ended) << "the program did not end: " #statement; \
    if (ui::programState().ended) {                                                  \
      EXPECT_EQ(ui::programState().status, (expectedStatus)) << #statement;          \
    }                                                                                \
  } while (0)
