#include "tools/setup/headless_install.h"

#include <stdexcept>
#include <vector>

#include "installer/installer_state.h"
#include "installer/qw_main.h"
#include "installer/qwscreen1.h"
#include "installer/qwscreen2.h"
#include "platform/drives.h"
#include "platform/system.h"
#include "platform/ui/application.h"
#include "platform/ui/form.h"
#include "platform/ui/test_hook.h"
#include "shared/error_report.h"

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kNoErrors = "There were no errors.";

// Stands in for the user where the installer would wait: types the base directory, and takes note of every
// box instead of waiting for a click.
class HeadlessUser : public ui::TestHook {
 public:
  explicit HeadlessUser(std::string baseDirectory) : baseDirectory_(std::move(baseDirectory)) {}

  int messageBox(const ui::MessageBoxRequest& request) override {
    seen.push_back(request.text);
    return request.defaultButton;
  }
  void modalShown(ui::Form& form) override {
    if (&form == &QWScreen1) {
      QWScreen1.TextDir.setText(baseDirectory_);
      QWScreen1.ButtonNext.click();
    } else {
      seen.push_back(emsg_caption + ": " + emsg_text);  // the error box; the layer closes it
    }
  }
  int popupMenu(const ui::PopupRequest&) override { return -1; }
  void yielded(int) override {}

  std::vector<std::string> seen;

 private:
  std::string baseDirectory_;
};

// Whatever the installer's start changes in the running program is put back, whichever way it ends.
class ProgramGlobals {
 public:
  ProgramGlobals()
      : hook_(ui::testHook()),
        path_(win::appPath()),
        exeName_(win::appExeName()),
        commandLine_(win::commandLine()),
        title_(ui::programTitle()) {}
  ~ProgramGlobals() {
    ui::tearDownAllForms();
    ui::setTestHook(hook_);
    win::setAppPath(path_);
    win::setAppExeName(exeName_);
    win::setCommandLine(commandLine_);
    ui::setProgramTitle(title_);
  }
  ProgramGlobals(const ProgramGlobals&) = delete;
  ProgramGlobals& operator=(const ProgramGlobals&) = delete;

 private:
  ui::TestHook* hook_;
  std::string path_, exeName_, commandLine_, title_;
};

// The folder's Windows name: through a drive that holds it, else through a letter mapped for this run.
std::string windowsFolderOf(const fs::path& folder) {
  const fs::path absolute = fs::absolute(folder);
  if (auto name = win::drives().toWindows(absolute)) return *name;
  for (char letter = 'Y'; letter >= 'D'; --letter) {
    if (win::drives().root(letter)) continue;
    win::drives().map(letter, absolute);
    return std::string(1, letter) + ":\\";
  }
  throw std::runtime_error("no drive letter is free for " + absolute.string());
}

std::string joined(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += (text.empty() ? "" : "; ") + line;
  return text;
}

std::vector<std::string> listLines() {
  std::vector<std::string> lines;
  for (int i = 0; i < QWScreen2.List1.listCount(); ++i) lines.push_back(QWScreen2.List1.list(i));
  return lines;
}

}  // namespace

void InstallModulesHeadless(const fs::path& moduleFolder, const std::string& baseDirectory,
                            const std::map<std::string, std::string>& directories) {
  ProgramGlobals globals;
  HeadlessUser user(baseDirectory);
  ui::setTestHook(&user);
  // As the program file started from the module folder, without "delm": the archives stay.
  win::setAppPath(windowsFolderOf(moduleFolder));
  win::setAppExeName("qrw32");
  win::setCommandLine("");
  ui::setProgramTitle("QRW32");
  ui::resetProgramState();

  ui::dispatch(Main);
  if (ui::programState().ended || !QWScreen2.isVisible())
    throw std::runtime_error("the installer ended: " + joined(user.seen));
  for (int line = 0; line < QWScreen2.List1.listCount(); ++line) {
    QWScreen2.List1.setListIndex(line);
    auto directory = directories.find(modules[line + 1].Name);
    if (directory != directories.end()) QWScreen2.TextDir.setText(directory->second);
  }
  QWScreen2.ButtonNext.click();
  if (ui::programState().ended) throw std::runtime_error("the installer ended: " + joined(user.seen));
  const std::vector<std::string> result = listLines();
  if (result != std::vector<std::string>{std::string(kNoErrors)})
    throw std::runtime_error("the install run listed: " + joined(result));
}
