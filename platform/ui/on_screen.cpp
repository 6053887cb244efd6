#include "platform/ui/on_screen.h"

#include <QEvent>
#include <QEventLoop>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include "platform/ui/form.h"

namespace ui {
namespace {

// A window manager maps a window within milliseconds; one that does not is not waited for longer.
constexpr int kMappingWaitMs = 1000;

// Ends the wait when the window system shows the window.
class ExposureWatch : public QObject {
 public:
  ExposureWatch(QWindow* window, QEventLoop& loop) : window_(window), loop_(loop) { window->installEventFilter(this); }
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == window_ && event->type() == QEvent::Expose && window_->isExposed()) loop_.quit();
    return false;
  }

 private:
  QWindow* window_;
  QEventLoop& loop_;
};

}  // namespace

void paintOnScreen(Form& form) {
  if (!form.isVisible()) return;
  QWidget* window = form.window();
  QWindow* handle = window->windowHandle();
  if (handle && !handle->isExposed()) {
    QEventLoop loop;
    ExposureWatch watch(handle, loop);
    QTimer::singleShot(kMappingWaitMs, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
  }
  window->repaint();
}

}  // namespace ui
