#include "support/ui_driver.h"

#include <QApplication>
#include <QGuiApplication>
#include <QImage>
#include <QListWidget>
#include <QPainter>
#include <QTest>
#include <QWindow>
#include <cstdlib>

#include "platform/drives.h"
#include "platform/ui/control.h"
#include "platform/ui/font.h"
#include "platform/ui/form.h"
#include "platform/ui/units.h"

// The system's font library keeps caches for the life of the process; they are not this project's leaks.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }

namespace testing_support {
namespace {

void ensureApplication() {
  // A private runtime folder keeps Qt from warning about a missing one.
  if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
    static std::string runtime = std::string(VM_BUILD_DIR) + "/xdg-runtime";
    std::filesystem::create_directories(runtime);
    std::filesystem::permissions(runtime, std::filesystem::perms::owner_all);
    qputenv("XDG_RUNTIME_DIR", runtime.c_str());
  }
  static int argc = 1;
  static char name[] = "ui_test";
  static char* argv[] = {name, nullptr};
  if (!QApplication::instance()) {
    QApplication::setQuitOnLastWindowClosed(false);
    new QApplication(argc, argv);  // lives as long as the test process
    ui::applyClassicLook();
  }
}

}  // namespace

void RecordingDesktop::open(const std::string& target, Verdict verdict) {
  opened.push_back(target);
  verdict(!refuse);
}

bool RecordingDesktop::startTextViewer(const std::string& winPath) {
  viewed.push_back(winPath);
  return !refuse;
}

bool RecordingSound::open(const std::string& winPath) {
  commands.push_back("open " + winPath);
  return true;
}

ScriptedUser::ScriptedUser()
    : desktop_(std::make_shared<RecordingDesktop>()), sound_(std::make_shared<RecordingSound>()) {
  ui::setTestHook(this);
  win::setDesktop(desktop_);
  win::setSoundDevice(sound_);
}

ScriptedUser::~ScriptedUser() {
  ui::setTestHook(nullptr);
  win::setDesktop(nullptr);
  win::setSoundDevice(nullptr);
}

void ScriptedUser::onModal(std::string formName, std::function<void(ui::Form&)> action) {
  modalAnswers_.emplace_back(std::move(formName), std::move(action));
}

void ScriptedUser::atYield(int count, std::function<void()> action) {
  yieldActions_.emplace_back(count, std::move(action));
}

int ScriptedUser::messageBox(const ui::MessageBoxRequest& request) {
  boxes_.push_back(request);
  if (boxAnswers_.empty()) {
    ADD_FAILURE() << "unexpected message box \"" << request.text << "\" titled \"" << request.title << "\"";
    return request.defaultButton;
  }
  int code = boxAnswers_.front();
  boxAnswers_.pop_front();
  return code;
}

void ScriptedUser::modalShown(ui::Form& form) {
  modals_.push_back(form.name());
  if (modalAnswers_.empty() || modalAnswers_.front().first != form.name()) {
    ADD_FAILURE() << "unexpected modal form " << form.name();
    return;
  }
  auto action = std::move(modalAnswers_.front().second);
  modalAnswers_.pop_front();
  action(form);
  if (form.isVisible() && !ui::programEndPending()) ADD_FAILURE() << "modal form " << form.name() << " was left open";
}

int ScriptedUser::popupMenu(const ui::PopupRequest& request) {
  popups_.push_back(request);
  if (popupAnswers_.empty()) {
    ADD_FAILURE() << "unexpected popup menu " << request.menuName;
    return -1;
  }
  std::string caption = popupAnswers_.front();
  popupAnswers_.pop_front();
  for (size_t i = 0; i < request.entries.size(); ++i)
    if (!caption.empty() && request.entries[i].caption == caption) return int(i);
  if (!caption.empty()) ADD_FAILURE() << "no entry \"" << caption << "\" in popup menu " << request.menuName;
  return -1;
}

void ScriptedUser::yielded(int count) {
  yields_ = count;
  for (auto& [at, action] : yieldActions_)
    if (at == count) action();
}

UiTest::UiTest() {
  ensureApplication();
  ui::resetProgramState();
  ui::registerInstalledFonts();
}

UiTest::~UiTest() {
  ui::tearDownAllForms();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  ui::resetProgramState();
}

void userClick(ui::Control& control) {
  QWidget* w = control.widget();
  // Near the left edge: option buttons and check boxes only take clicks on their mark and caption.
  QTest::mouseClick(w, Qt::LeftButton, Qt::NoModifier, QPoint(std::min(8, w->width() / 2), w->height() / 2));
}

void userDoubleClickRow(ui::Control& list, int row) {
  auto* l = qobject_cast<QListWidget*>(list.widget());
  ASSERT_NE(l, nullptr) << list.name() << " is no list";
  QPoint at = l->visualItemRect(l->item(row)).center();
  QTest::mouseClick(l->viewport(), Qt::LeftButton, Qt::NoModifier, at);
  QTest::mouseDClick(l->viewport(), Qt::LeftButton, Qt::NoModifier, at);
}

void userKey(QWidget* widget, int qtKey, Qt::KeyboardModifiers modifiers) {
  QTest::keyClick(widget, Qt::Key(qtKey), modifiers);
}

void userType(int qtKey, Qt::KeyboardModifiers modifiers) {
  QCoreApplication::processEvents();  // the window system's activations that are on their way
  QWindow* focus = QGuiApplication::focusWindow();
  if (!focus || !focus->isVisible()) {
    ADD_FAILURE() << "no window has the keyboard";
    return;
  }
  QTest::keyClick(focus, Qt::Key(qtKey), modifiers);
}

std::filesystem::path screenshotFile(const std::string& name) {
  const char* env = std::getenv("VM_SCREENSHOT_DIR");
  std::filesystem::path dir =
      env && *env ? std::filesystem::path(env) : std::filesystem::path(VM_BUILD_DIR) / "screenshots";
  std::filesystem::create_directories(dir);
  return dir / (name + ".png");
}

std::filesystem::path saveScreenshot(ui::Form& form, const std::string& name) {
  std::filesystem::path file = screenshotFile(name);
  QWidget* w = form.window();
  w->grab().save(QString::fromStdString(file.string()));
  return file;
}

std::filesystem::path saveScreenPicture(const std::vector<QWidget*>& windows, const std::string& name) {
  std::filesystem::path file = screenshotFile(name);
  QImage screen(ui::toPixelsX(ui::screenWidth()), ui::toPixelsY(ui::screenHeight()), QImage::Format_RGB32);
  screen.fill(QColor(0, 128, 128));
  QPainter painter(&screen);
  painter.setPen(QColor(64, 64, 64));  // a line where the frame would be, so that grey meets grey visibly
  for (QWidget* w : windows) {
    painter.drawPixmap(w->geometry().topLeft(), w->grab());
    painter.drawRect(w->geometry().adjusted(-1, -1, 0, 0));
  }
  painter.end();
  screen.save(QString::fromStdString(file.string()));
  return file;
}

}  // namespace testing_support
