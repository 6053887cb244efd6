#include "platform/ui/desktop_services.h"

#include <QProcess>
#include <QSoundEffect>
#include <QUrl>
#include <optional>

#include "platform/drives.h"
#include "platform/error.h"
#include "platform/text.h"
#include "platform/ui/process_watch.h"

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
  // xdg-open exits with a status other than 0 when it finds no program for the target, or when the program
  // it ran itself failed; that may be long after the start. Handing the target over to a running program
  // ends it with 0.
  void open(const std::string& target, Verdict verdict) override {
    std::optional<QString> argument =
        win::isWebAddress(target) ? QString::fromStdString(win::toUtf8(target)) : hostPathOf(target);
    if (!argument) return verdict(false);
    startAndWatch("xdg-open", {argument->toStdString()}, std::move(verdict));
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
