#pragma once
// The install run on a test's own prefix: module archives in C:\SETUP, the module screen open, and what
// the run leaves behind read back.
#include <QObject>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "installer_fixture.h"
#include "platform/ui/basic_controls.h"

class QWidget;

// What a label showed each time it was painted while the recorder lived: its caption and its font.
class PaintRecorder : public QObject {
 public:
  struct Look {
    std::string caption;
    bool italic = false;
    bool bold = false;
    bool operator==(const Look&) const = default;
    friend void PrintTo(const Look& look, std::ostream* out) {
      *out << "\"" << look.caption << "\"" << (look.italic ? " italic" : "") << (look.bold ? " bold" : "");
    }
  };
  // Records the label's paints from now on.
  void watch(ui::Label& label);
  // The looks painted, a look painted twice in a row counted once.
  std::vector<Look> looksOf(ui::Label& label) const;
  // Runs at each paint of a watched label, before it is painted: a look at the screen in the middle of a run.
  std::function<void(ui::Label& label)> onPaint;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  std::vector<std::pair<QWidget*, Look>> painted_;
  std::vector<std::pair<QWidget*, ui::Label*>> labels_;
};

// The module "tools" without its lists and entries: "Vortane Tools" proposed in C:\VMTOOLS\TOOLS, its
// program tools.exe, a "/" in the name of its shortcut.
ModuleContents vortaneTools();

class RunTest : public InstallerTest {
 protected:
  // Shows the module screen, which loads the archives of C:\SETUP.
  void openScreen();
  // The user presses Next, which runs the whole run before it returns.
  void pressNext();
  // Next pressed while no file can grow past that many bytes, as on a nearly full disk.
  void pressNextWithFileSizeLimit(uint64_t bytes);
  // The lines of List1: the module lines before the run, the error list after it.
  static std::vector<std::string> listLines();

  static std::filesystem::path host(const std::string& winPath);
  std::string vystIni() const;  // the bytes of C:\VYST\vyst.ini
  std::filesystem::path shortcutFolder() const;
};
