#include "platform/ui/desktop_services.h"

#include <QDesktopServices>
#include <QProcess>
#include <QSoundEffect>
#include <QUrl>

#include "platform/drives.h"
#include "platform/error.h"
#include "platform/text.h"

namespace ui {
namespace {

std::optional<QString> hostPathOf(const std::string& winPath) {
  try {
    return QString::fromStdString(win::drives().toHost(winPath).string());
  } catch (const win::Error&) {
    return std::nullopt;
  }
}

class QtDesktop : public win::Desktop {
 public:
  bool open(const std::string& target) override {
    if (win::isWebAddress(target)) return QDesktopServices::openUrl(QUrl(QString::fromStdString(win::toUtf8(target))));
    auto host = hostPathOf(target);
    return host && QDesktopServices::openUrl(QUrl::fromLocalFile(*host));
  }
  bool startTextViewer(const std::string& winPath) override {
    auto host = hostPathOf(winPath);
    return host && QProcess::startDetached("xdg-open", {*host});
  }
};

// One effect at a time: open() replaces the file, stop() and close() silence it.
class QtSound : public win::SoundDevice {
 public:
  void stop() override {
    if (effect_) effect_->stop();
  }
  void close() override { effect_.reset(); }
  bool open(const std::string& winPath) override {
    auto host = hostPathOf(winPath);
    if (!host) return false;
    effect_ = std::make_unique<QSoundEffect>();
    effect_->setSource(QUrl::fromLocalFile(*host));
    return true;
  }
  void play() override {
    if (effect_) effect_->play();
  }

 private:
  std::unique_ptr<QSoundEffect> effect_;
};

}  // namespace

std::shared_ptr<win::Desktop> makeDesktop() { return std::make_shared<QtDesktop>(); }
std::shared_ptr<win::SoundDevice> makeSoundDevice() { return std::make_shared<QtSound>(); }

}  // namespace ui
