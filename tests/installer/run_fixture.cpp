#include "run_fixture.h"

#include <sys/resource.h>

#include <QEvent>
#include <QWidget>
#include <algorithm>
#include <csignal>

#include "installer/qwscreen2.h"
#include "platform/drives.h"
#include "platform/ui/basic_controls.h"

namespace fs = std::filesystem;
using namespace testing_support;

void PaintRecorder::watch(ui::Label& label) {
  label.widget()->installEventFilter(this);
  labels_.emplace_back(label.widget(), &label);
}

bool PaintRecorder::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Paint) {
    for (auto& [widget, label] : labels_) {
      if (widget != watched) continue;
      painted_.push_back({widget, {label->caption(), label->fontItalic(), label->fontBold()}});
      if (onPaint) onPaint(*label);
    }
  }
  return false;
}

std::vector<PaintRecorder::Look> PaintRecorder::looksOf(ui::Label& label) const {
  std::vector<Look> looks;
  for (auto& [widget, look] : painted_)
    if (widget == label.widget() && (looks.empty() || !(looks.back() == look))) looks.push_back(look);
  return looks;
}

ModuleContents vortaneTools() {
  ModuleContents contents;
  contents.name = "tools";
  contents.longName = "Vortane Tools";
  contents.desc = "Vortane/Tools";
  contents.defaultDirectory = "C:\\VMTOOLS\\TOOLS";
  contents.exeFile = "tools.exe";
  return contents;
}

void RunTest::openScreen() {
  QWScreen2.show();
  ASSERT_FALSE(ui::programState().ended) << "the module screen did not open";
}

void RunTest::pressNext() { userClick(QWScreen2.ButtonNext); }

void RunTest::pressNextWithFileSizeLimit(uint64_t bytes) {
  // A write past the limit then fails with an error instead of ending the process.
  std::signal(SIGXFSZ, SIG_IGN);
  rlimit saved{};
  getrlimit(RLIMIT_FSIZE, &saved);
  rlimit limited{bytes, saved.rlim_max};
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limited), 0);
  pressNext();
  setrlimit(RLIMIT_FSIZE, &saved);
}

std::vector<std::string> RunTest::listLines() {
  std::vector<std::string> lines;
  for (int i = 0; i < QWScreen2.List1.listCount(); ++i) lines.push_back(QWScreen2.List1.list(i));
  return lines;
}

fs::path RunTest::host(const std::string& winPath) { return win::drives().toHost(winPath); }

std::string RunTest::vystIni() const { return readFile(baseDir() / "vyst.ini"); }

fs::path RunTest::shortcutFolder() const {
  return prefix.driveC() / "WINDOWS" / "Start Menu" / "Programs" / "Vortane Manager";
}
