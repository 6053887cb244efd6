#include "platform/ui/desktop_services.h"

#include <QCoreApplication>
#include <QProcess>
#include <QSoundEffect>
#include <QUrl>
#include <optional>

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

// How long the opener may take to give up before the target counts as opened.
constexpr int kOpenerVerdictMs = 1500;

// xdg-open exits at once, with a status other than 0, when it finds no program for the target. When it
// finds one it either hands the target over and exits with 0, or runs the program itself and stays
// until that ends: still running after a while counts as opened, and it is left to run.
bool runOpener(const QString& argument) {
  auto* opener = new QProcess(QCoreApplication::instance());
  opener->setStandardOutputFile(QProcess::nullDevice());
  opener->setStandardErrorFile(QProcess::nullDevice());
  opener->start("xdg-open", {argument});
  if (!opener->waitForStarted()) {
    delete opener;
    return false;
  }
  if (!opener->waitForFinished(kOpenerVerdictMs)) {
    QObject::connect(opener, &QProcess::finished, opener, &QObject::deleteLater);
    return true;
  }
  bool opened = opener->exitStatus() == QProcess::NormalExit && opener->exitCode() == 0;
  delete opener;
  return opened;
}

class QtDesktop : public win::Desktop {
 public:
  bool open(const std::string& target) override {
    if (win::isWebAddress(target)) return runOpener(QString::fromStdString(win::toUtf8(target)));
    auto host = hostPathOf(target);
    return host && runOpener(*host);
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
