#include "installer/install_run.h"

#include <string>
#include <vector>

#include "installer/drive_path.h"
#include "installer/module_description.h"
#include "installer/protected_paths.h"
#include "installer/qwscreen2.h"
#include "platform/error.h"
#include "platform/files.h"
#include "platform/system.h"
#include "shared/routines.h"
#include "shared/settings.h"

namespace {

constexpr std::string_view kTooManyErrors = "Too many errors. Rest of error list skipped.";
constexpr std::string_view kNoErrors = "There were no errors.";
constexpr std::string_view kNothingToDo = "Nothing to do.";
constexpr std::string_view kDeleteArchivesWord = "delm";

void showRunning() {
  QWScreen2Form& s = QWScreen2;
  s.LabelSup.setCaption("Please wait, while the selected modules are being installed...");
  s.LabelLong.setCaption("Initializing...");
  for (ui::Control* choice :
       std::initializer_list<ui::Control*>{&s.LabelDir, &s.TextDir, &s.List1, &s.LabelMode, &s.ComboMode, &s.TextDesc})
    choice->setVisible(false);
  s.ButtonNext.setEnabled(false);
  s.ButtonCancel.setEnabled(false);
  s.LabelVersion.forEach([](ui::Label& label) { label.setVisible(false); });
  s.LabelProcess.forEach([](ui::Label& step) { step.setVisible(true); });
  s.ErrorCount = 0;
  s.refresh();
}

void showFinished() {
  QWScreen2Form& s = QWScreen2;
  s.LabelSup.setCaption("The installation has been completed. Check below if any error occured...");
  s.ButtonCancel.setCaption("E&xit");
  s.ButtonCancel.setEnabled(true);
  s.LabelLong.setVisible(false);
  s.LabelProcess.forEach([](ui::Label& step) { step.setVisible(false); });
  // The preset first line shows when nothing was added.
  if (s.ErrorCount == 0) s.ErrorCount = 1;
  s.List1.clear();
  for (int line = 1; line <= s.ErrorCount; ++line) s.List1.addItem(s.ErrorList[line]);
  s.List1.setVisible(true);
}

void showProgress(int16_t j, int16_t n) {
  QWScreen2.LabelProcess.forEach([](ui::Label& step) { QWScreen2.SetStepState(step, kStepPending); });
  QWScreen2.LabelLong.setCaption("Processing module " + std::to_string(j) + " of " + std::to_string(n));
  QWScreen2.LabelLong.refresh();
}

// The steps of the module's mode, when its own description and its directory allow them.
void runSteps(const ModuleInfo& m, int16_t mode, bool described) {
  if (!described) {
    // Without its own description the steps would find no lists, or another module's, under this name.
    QWScreen2.AddError("Could not read the module description in " + m.File);
    return;
  }
  if (mode == kUninstall) {
    UninstallSteps(m);
    return;
  }
  // Every step lays out files relative to the directory; anything but "X:\..." would put them wherever
  // the current directory happens to be.
  if (!IsAbsoluteDrivePath(m.Directory)) {
    QWScreen2.AddError("Could not create directory " + m.Directory);
    return;
  }
  InstallSteps(m);
}

}  // namespace

ListSection::ListSection(std::string_view name) : name_(name) {
  win::tryStep([&] { count_ = CountIniSectionLines(inf_dir, kModuleDescriptionFile, name_); });
}

void ListSection::forEachLine(ListOrder order, const std::function<void(const std::string& line)>& action) const {
  const IniSectionLines lines(inf_dir, kModuleDescriptionFile, name_);
  for (int32_t i = 1; i <= count_; ++i) action(lines.line(order == ListOrder::FirstToLast ? i : count_ + 1 - i));
}

void SetStepCaptions(std::initializer_list<std::string_view> captions) {
  int label = 0;
  for (std::string_view caption : captions) QWScreen2.LabelProcess[label++].setCaption(caption);
}

void SetStep(int label, int16_t state) { QWScreen2.SetStepState(QWScreen2.LabelProcess[label], state); }

void DeleteMatchingFiles(std::string_view pattern) {
  std::vector<std::string> kept;
  win::tryStep([&] { kept = win::killEach(pattern, IsFamilyFile); });
  for (const std::string& path : kept) QWScreen2.AddError("Could not delete " + path);
}

void QWScreen2Form::SetStepState(ui::Label& label, int16_t state) {
  label.setFontItalic(state == kStepPending);
  label.setFontBold(state == kStepRunning);
  label.refresh();
}

void QWScreen2Form::AddError(std::string_view text) {
  if (ErrorCount == ErrorLines::kCapacity) {
    ErrorList[ErrorLines::kCapacity] = kTooManyErrors;
    return;
  }
  ++ErrorCount;
  ErrorList[ErrorCount] = text;
}

void QWScreen2_ButtonNext_Click() {
  showRunning();
  const int lines = QWScreen2.List1.listCount();
  int16_t n = 0;
  for (int k = 1; k <= lines; ++k)
    if (modules[k].Mode != kSkip) ++n;
  QWScreen2.ErrorList[1] = n > 0 ? kNoErrors : kNothingToDo;

  const bool deleteArchives = InStrPos(kDeleteArchivesWord, win::commandLine()) > 0;
  int16_t j = 0;
  for (int k = 1; k <= lines; ++k) {
    const ModuleInfo& m = modules[k];
    const int16_t mode = m.Mode;
    const bool described = ExtractModuleInf(m.File);
    module_dir = m.Directory;
    if (mode != kSkip) {
      showProgress(++j, n);
      runSteps(m, mode, described);
    }
    if (deleteArchives) win::tryStep([&] { KillFile(m.File); });
  }
  showFinished();
}
