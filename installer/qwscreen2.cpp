#include "installer/qwscreen2.h"

#include <vector>

#include "installer/module_description.h"
#include "platform/files.h"
#include "platform/ui/application.h"
#include "shared/error_report.h"
#include "shared/identity.h"
#include "shared/routines.h"
#include "shared/settings.h"
#include "shared/window_helpers.h"

QWScreen2Form QWScreen2;

namespace {

// List line i belongs to slot i + 1; 0 while no line is selected.
int selectedSlot() { return QWScreen2.List1.listIndex() + 1; }

void rewriteSelectedLine(const ModuleInfo& module) {
  QWScreen2.List1.setList(QWScreen2.List1.listIndex(), ModuleListText(module));
}

void showVersions(const ModuleInfo& module) {
  QWScreen2.LabelVersion[2].setCaption(module.NewVersion.Text);
  QWScreen2.LabelVersion[1].setVisible(true);
  QWScreen2.LabelVersion[2].setVisible(true);
  QWScreen2.LabelVersion[4].setCaption(module.InstalledVersion.Text);
  bool installedShown = IsValue(module.InstalledVersion.Text);
  QWScreen2.LabelVersion[3].setVisible(installedShown);
  QWScreen2.LabelVersion[4].setVisible(installedShown);
}

}  // namespace

QWScreen2Form::QWScreen2Form() : InstallerScreen("QWScreen2") {
  List1.onClick = QWScreen2_List1_Click;
  ComboMode.onClick = QWScreen2_ComboMode_Click;
  TextDir.onChange = QWScreen2_TextDir_Change;
  ButtonNext.onClick = QWScreen2_ButtonNext_Click;
  ButtonCancel.onClick = QWScreen2_ButtonCancel_Click;
}

void QWScreen2Form::design() {
  InstallerScreen::design();
  LabelSup.move(2520, 240, 5535, 855);
  LabelSup.setWordWrap(true);
  LabelSup.setCaption(
      "Welcome to the Vortane Manager Tools! You can choose the modules to install here (just change their "
      "installation modes) and -if installing them for the first time- change their directories.");

  LabelLong.move(2520, 2460, 5595, 255);
  LabelLong.setFontBold(true);

  LabelMode.move(5040, 2460, 1455, 555);
  LabelMode.setCaption("Mode:");
  LabelMode.setVisible(false);

  LabelProcess.forEach([](ui::Label& step) { step.move(2580, 2760 + 240 * step.index(), 5535, 255); });

  LabelDesc2.move(2520, 3180, 5535, 615);

  const char* versionCaptions[] = {"Module version:", "", "Installed version:", ""};
  LabelVersion.forEach([&](ui::Label& label) {
    int i = label.index();
    bool isName = i % 2 == 1;
    label.move(isName ? 2520 : 4020, i <= 2 ? 3780 : 4020, isName ? 1395 : 4095, 255);
    label.setFontItalic(isName);
    label.setCaption(versionCaptions[i - 1]);
    label.setVisible(false);
  });

  LabelDir.move(2520, 4320, 1155, 255);
  LabelDir.setFontItalic(true);
  LabelDir.setCaption("Directory:");
  LabelDir.setVisible(false);

  List1.move(2520, 1080, 5535, 1230);
  List1.setTabIndex(0);

  ComboMode.move(6540, 2400, 1515, 315);
  ComboMode.setVisible(false);
  ComboMode.setTabIndex(1);

  TextDesc.setMultiLine(true);
  TextDesc.move(2580, 2760, 5535, 915);
  TextDesc.setVerticalScrollBar(true);
  TextDesc.setBackColor(ui::kButtonFace);
  TextDesc.setFontItalic(true);
  TextDesc.setText(
      "Select a module in the list above to edit its installation mode and/or its destination directory.\r\n");
  TextDesc.setTabIndex(2);

  TextDir.move(4020, 4260, 4035, 315);
  TextDir.setVisible(false);
  TextDir.setTabIndex(3);

  ButtonBack.setEnabled(false);
  ButtonNext.setDefault(true);
  ButtonCancel.setCancel(true);
}

void QWScreen2_Form_Load() {
  SetFormFont(QWScreen2);
  QWScreen2.ShowProgVersion();
  QWScreen2.LabelProcess.forEach([](ui::Label& step) { step.setVisible(false); });
  QWScreen2.InitList();
  if (QWScreen2.List1.listCount() == 0)
    FatalError("", "No modules", "No *.QRM modules found in current directory, nothing to install! Exiting program...");
}

std::string ModuleListText(const ModuleInfo& module) {
  return mode_names.at(static_cast<size_t>(module.Mode)) + " " + module.Long + " in " + module.Directory;
}

void QWScreen2Form::InitList() {
  std::vector<std::string> paths;
  for (const std::string& name : win::dirSearch(pfad_main + "*.qrm")) {
    if (!IsValue(name) || paths.size() == ModuleTable::kCapacity) break;
    paths.push_back(pfad_main + name);
  }
  int slot = 1;
  for (const std::string& path : paths) {
    if (!LoadModule(path, modules[slot])) continue;
    List1.addItem(ModuleListText(modules[slot]));
    ++slot;
  }
}

void QWScreen2_List1_Click() {
  // After the run the list holds the errors, and Next stays disabled.
  if (!QWScreen2.ButtonNext.enabled()) return;
  int slot = selectedSlot();
  if (slot == 0) return;
  ModuleInfo& m = modules[slot];
  QWScreen2.LabelLong.setCaption(m.Desc);
  QWScreen2.TextDir.setText(m.Directory);
  QWScreen2.TextDir.setEnabled(!m.DirFixed);
  QWScreen2.TextDesc.setText(m.Desc);
  QWScreen2.ComboMode.clear();
  for (int code = kSkip; code < kModeCount; ++code)
    if (m.Allowed[static_cast<size_t>(code)]) QWScreen2.ComboMode.addItem(mode_names[static_cast<size_t>(code)]);
  QWScreen2.ComboMode.setText(mode_names.at(static_cast<size_t>(m.Mode)));
  // The reload extracts this module's description for its long text, and resets its choices.
  bool reloaded = LoadModule(m.File, m);
  m.Directory = QWScreen2.TextDir.text();
  QWScreen2_ComboMode_Click();
  showVersions(m);
  // Without a reload the description left in inf_dir is not this module's.
  if (reloaded) QWScreen2.TextDesc.setText(GetIniSectionText(inf_dir, kModuleDescriptionFile, "SplashScreen"));
  QWScreen2.ComboMode.setVisible(true);
  QWScreen2.LabelMode.setVisible(true);
  QWScreen2.TextDir.setVisible(true);
  QWScreen2.LabelDir.setVisible(true);
}

void QWScreen2_ComboMode_Click() {
  int slot = selectedSlot();
  if (slot == 0) return;
  ModuleInfo& m = modules[slot];
  std::string chosen = QWScreen2.ComboMode.text();
  for (int16_t code = kSkip; code < kModeCount; ++code)
    if (mode_names[static_cast<size_t>(code)] == chosen) m.Mode = code;
  rewriteSelectedLine(m);
}

void QWScreen2_TextDir_Change() {
  int slot = selectedSlot();
  if (slot == 0) return;
  ModuleInfo& m = modules[slot];
  m.Directory = QWScreen2.TextDir.text();
  rewriteSelectedLine(m);
}

void QWScreen2_ButtonCancel_Click() { QWScreen2.CloseScreen(); }

void QWScreen2Form::CloseScreen() { unload(); }

// Nothing of the installer is open beside its main window.
void QWScreen2Form::onUnload() { ui::endProgram(); }
