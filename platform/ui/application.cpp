#include "platform/ui/application.h"

#include <QApplication>
#include <QFont>
#include <QPalette>
#include <QStyle>
#include <QStyleFactory>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "platform/error.h"
#include "platform/files.h"
#include "platform/system.h"
#include "platform/ui/desktop_services.h"
#include "platform/ui/event_loops.h"
#include "platform/ui/font.h"
#include "platform/ui/form.h"
#include "platform/ui/message_box.h"
#include "platform/ui/test_hook.h"
#include "platform/ui/units.h"

namespace ui {
namespace {

TestHook* hook = nullptr;
int frameDepth = 0;
std::optional<int> pendingEnd;
ProgramState state;
int yieldCount = 0;
bool mainLoopRunning = false;
std::vector<detail::NestedLoop*> nestedLoops;

// A copy yields every few microseconds, and asking the window system each time cost as much as a tenth
// of a block's copy; what the program posted itself (repaints, queued calls) is handled at every yield.
constexpr auto kInputInterval = std::chrono::milliseconds(10);
std::chrono::steady_clock::time_point lastInputCheck;

std::string& titleText() {
  static std::string title;
  return title;
}

void markPending(int status) {
  if (!pendingEnd) pendingEnd = status;
  for (auto* loop : nestedLoops) loop->quit();
}

void handlePendingEvents() {
  const auto now = std::chrono::steady_clock::now();
  if (now - lastInputCheck < kInputInterval) {
    QCoreApplication::sendPostedEvents();
    return;
  }
  lastInputCheck = now;
  QCoreApplication::processEvents();
}

bool anyFormLoaded() {
  for (Form* f : Form::all())
    if (f->isLoaded()) return true;
  return false;
}

std::string& programName() {
  static std::string name;
  return name;
}

void tellNoDisplay() {
  std::fprintf(stderr, "%s: no display; start it from a desktop session or set DISPLAY\n", programName().c_str());
  std::fflush(nullptr);
}

// A display named in the environment, or a platform chosen there that needs none (offscreen).
bool displayNamed() {
  for (const char* variable : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
    if (!qEnvironmentVariableIsEmpty(variable)) return true;
  return false;
}

QtMessageHandler qtMessages = nullptr;

// While the application object starts, Qt's only fatal message is that it found no usable display; it
// would abort the program after it.
void startUpMessages(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (type != QtFatalMsg) return qtMessages(type, context, message);
  tellNoDisplay();
  std::_Exit(1);
}

}  // namespace

namespace detail {

ProgramFrame::ProgramFrame() { ++frameDepth; }
ProgramFrame::~ProgramFrame() { --frameDepth; }

NestedLoop::NestedLoop() { nestedLoops.push_back(this); }
NestedLoop::~NestedLoop() { std::erase(nestedLoops, this); }

void NestedLoop::run() {
  if (programEnding()) return;
  ProgramFrame frame;
  loop_.exec();
}

bool programEnding() { return pendingEnd.has_value() || state.ended; }

void throwIfEndPending() {
  if (pendingEnd) throw ProgramEnd{*pendingEnd};
}

void formUnloaded() {
  if (!mainLoopRunning) return;
  QTimer::singleShot(0, [] {
    if (mainLoopRunning && !anyFormLoaded()) QCoreApplication::exit(0);
  });
}

}  // namespace detail

void setProgramTitle(std::string ansiTitle) { titleText() = std::move(ansiTitle); }
const std::string& programTitle() { return titleText(); }

void doEvents() {
  detail::throwIfEndPending();
  {
    detail::ProgramFrame frame;
    if (hook) hook->yielded(++yieldCount);
    if (!pendingEnd) handlePendingEvents();
  }
  detail::throwIfEndPending();
}

void endProgram(int status) {
  win::closeAllFiles();
  if (hook) throw ProgramEnd{status};
  std::fflush(nullptr);
  std::_Exit(status);
}

void showRuntimeError(int number, std::string_view ansiDescription) {
  msgBox("Run-time error '" + std::to_string(number) + "':\r\n\r\n" + std::string(ansiDescription), kOkOnly);
}

void dispatch(const std::function<void()>& handler) noexcept {
  if (!handler || detail::programEnding()) return;
  const bool outermost = frameDepth == 0;
  try {
    detail::ProgramFrame frame;
    try {
      handler();
    } catch (const win::Error& e) {
      showRuntimeError(e.number(), win::Error::description(e.number()));
      endProgram(1);
    } catch (const std::exception& e) {
      showRuntimeError(51, std::string("Internal error: ") + e.what());
      endProgram(1);
    }
  } catch (const ProgramEnd& end) {
    if (outermost)
      finishProgramEnd(end.status);
    else
      markPending(end.status);
  } catch (...) {
    // Nothing else may reach Qt; an unknown exception is a fault of the program itself.
    std::fputs("unexpected exception in an event handler\n", stderr);
    std::fflush(nullptr);
    std::_Exit(1);
  }
}

void applyClassicLook() {
  if (QStyle* style = QStyleFactory::create("Windows")) QApplication::setStyle(style);
  QPalette palette = QApplication::palette();
  palette.setColor(QPalette::Window, toQColor(kButtonFace));
  // Disabled texts in the system's gray text colour: Qt's default gray vanishes on the button face.
  for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
    palette.setColor(QPalette::Disabled, role, QColor(128, 128, 128));
  QApplication::setPalette(palette);
  QFont font("Tahoma");
  font.setPointSizeF(kDesignFontSize);
  QApplication::setFont(font);
}

int runProgram(int argc, char** argv, const std::function<void()>& startProcedure) {
  programName() = argc > 0 ? std::filesystem::path(argv[0]).filename().string() : std::string("program");
  if (!displayNamed()) {
    tellNoDisplay();
    return 1;
  }
  qtMessages = qInstallMessageHandler(startUpMessages);
  QApplication app(argc, argv);
  qInstallMessageHandler(qtMessages);
  QApplication::setQuitOnLastWindowClosed(false);
  applyClassicLook();
  registerInstalledFonts();
  win::initApplication(argc, argv);
  win::setDesktop(makeDesktop());
  win::setSoundDevice(makeSoundDevice());
  dispatch(startProcedure);
  int status = 0;
  if (anyFormLoaded()) {
    mainLoopRunning = true;
    status = QApplication::exec();
    mainLoopRunning = false;
  }
  tearDownAllForms();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  win::closeAllFiles();
  return status;
}

void setTestHook(TestHook* h) {
  hook = h;
  yieldCount = 0;
}
TestHook* testHook() { return hook; }

const ProgramState& programState() { return state; }
bool programEndPending() { return pendingEnd.has_value(); }

void resetProgramState() {
  state = {};
  pendingEnd.reset();
}

void finishProgramEnd(int status) {
  pendingEnd.reset();
  state.ended = true;
  state.status = status;
  tearDownAllForms();
  win::closeAllFiles();
  if (mainLoopRunning) QCoreApplication::exit(status);
}

}  // namespace ui
