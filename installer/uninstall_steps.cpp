#include <string>
#include <vector>

#include "installer/install_run.h"
#include "installer/module_description.h"
#include "installer/module_shortcut.h"
#include "installer/qwscreen2.h"
#include "platform/drives.h"
#include "platform/error.h"
#include "platform/files.h"
#include "platform/system.h"
#include "platform/text.h"
#include "shared/identity.h"
#include "shared/routines.h"
#include "shared/settings.h"
#include "shared/vyst32.h"

namespace {

constexpr std::string_view kHelpSettingsFile = "vortane.ini";

// The family's own settings in the base directory belong to no module, whatever a description names.
bool isFamilySettingsFile(const std::string& path) {
  const std::string base = AddPathSeparator(pfad_vyst);
  return win::sameFile(path, base + std::string(kFamilySettingsFile)) ||
         win::sameFile(path, base + std::string(kHelpSettingsFile));
}

// Exactly the file the line names: a name holding a separator, ".." or a wildcard names none of the
// module's files. A file that is not there is no error.
void deleteNamedFile(const std::string& directory, const std::string& name) {
  if (!win::isValidWindowsName(name)) return;
  const std::string path = directory + name;
  bool present = false;
  win::tryStep([&] { present = FileExists(path) && !isFamilySettingsFile(path); });
  if (present && !win::tryStep([&] { win::removeFile(path); })) QWScreen2.AddError("Could not delete " + path);
}

void deleteInstalledFiles() {
  ListSection("Files").forEachLine(ListOrder::FirstToLast, [](const std::string& line) {
    FieldList fields;
    SplitCommaList(line, fields);
    // Files below the base directory are the family's and stay.
    if (InStrPos("Vyst", fields[3]) > 0) return;
    deleteNamedFile(AddPathSeparator(ExpandModulePath(fields[3])), fields[2]);
  });
}

// Settings files in the module's directory are its program's own only when the directory is not one that
// the family or the system shares (the run never gets here with a directory that is not "X:\...").
bool isSharedDirectory(const std::string& directory) {
  bool shared = true;
  win::tryStep([&] {
    shared = win::sameDirectory(directory, pfad_vyst) || win::sameDirectory(directory, pfad_windows) ||
             win::sameDirectory(directory, pfad_winsys);
    for (char letter : win::drives().letters())
      shared = shared || win::sameDirectory(directory, std::string(1, letter) + ":\\");
  });
  return shared;
}

void removeDirectories() {
  ListSection("MkDirs").forEachLine(ListOrder::LastToFirst, [](const std::string& line) {
    if (InStrPos("Vyst\\", line) > 0) return;
    // Only an empty directory goes; one that still holds files stays, silently.
    win::tryStep([&] { win::rmDir(ExpandModulePath(line)); });
  });
}

void unregisterModule(const ModuleInfo& m) {
  bool cleared = true;
  for (std::string_view section :
       {kModuleDirsSection, kModuleExesSection, kModuleVersionsSection, kModuleLastModeSection, kDetourSection})
    cleared = WriteIniString(pfad_vyst, kFamilySettingsFile, section, m.Name, "") && cleared;
  if (!cleared) QWScreen2.AddError("Could not unregister module " + m.Long);
}

// The module's shortcut under any extension; other files of the folder stay, also when the link name
// holds wildcards.
void deleteShortcuts(const ModuleInfo& m) {
  const std::string programs = GetSpecialFolder(win::CSIDL_PROGRAMS);
  if (!IsValue(programs)) return;
  const std::string folder = AddPathSeparator(programs) + kShortcutFolder + "\\";
  const std::string link = ShortcutLinkName(m.Desc);
  std::vector<std::string> names;
  win::tryStep([&] { names = win::dirSearch(folder); });
  for (const std::string& name : names) {
    std::string base, extension;
    SplitFileName(name, base, extension);
    if (!win::equalsNoCase(base, link)) continue;
    if (!win::tryStep([&] { win::removeFile(folder + name); })) QWScreen2.AddError("Could not delete " + folder + name);
  }
}

}  // namespace

void UninstallSteps(const ModuleInfo& m) {
  SetStepCaptions(
      {"Deleting files...", "Removing directories...", "Unregistering module...", "Deleting shortcut icons..."});
  // The uninstall has four steps; the fifth label would show a caption of an earlier install.
  QWScreen2.LabelProcess[4].setVisible(false);
  SetStep(0, kStepRunning);
  deleteInstalledFiles();
  if (!isSharedDirectory(m.Directory)) DeleteMatchingFiles(AddPathSeparator(m.Directory) + "*.ini");
  SetStep(0, kStepDone);
  SetStep(1, kStepRunning);
  removeDirectories();
  SetStep(1, kStepDone);
  SetStep(2, kStepRunning);
  unregisterModule(m);
  SetStep(2, kStepDone);
  SetStep(3, kStepRunning);
  deleteShortcuts(m);
  SetStep(3, kStepDone);
}
