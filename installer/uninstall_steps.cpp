#include <string>
#include <vector>

#include "installer/drive_path.h"
#include "installer/install_run.h"
#include "installer/module_description.h"
#include "installer/module_shortcut.h"
#include "installer/protected_paths.h"
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

// Exactly the file the line names: a name holding a separator, ".." or a wildcard names none of the
// module's files. A file that is not there is no error.
void deleteNamedFile(const std::string& directory, const std::string& name) {
  if (!win::isValidWindowsName(name)) return;
  const std::string path = directory + name;
  bool present = false;
  win::tryStep([&] { present = FileExists(path) && !IsFamilyFile(path); });
  if (present && !win::tryStep([&] { win::removeFile(path); })) QWScreen2.AddError("Could not delete " + path);
}

void deleteInstalledFiles() {
  ListSection("Files").forEachLine(ListOrder::FirstToLast, [](const std::string& line) {
    FieldList fields;
    SplitCommaList(line, fields);
    // Files below the base directory are the family's and stay.
    if (InStrPos("Vyst", fields[3]) > 0) return;
    const std::string directory = AddPathSeparator(ExpandModulePath(fields[3]));
    if (IsPlainDrivePath(directory))
      deleteNamedFile(directory, fields[2]);
    else
      QWScreen2.AddError("Could not delete " + directory + fields[2]);
  });
}

void removeDirectories() {
  ListSection("MkDirs").forEachLine(ListOrder::LastToFirst, [](const std::string& line) {
    if (InStrPos("Vyst\\", line) > 0) return;
    const std::string directory = ExpandModulePath(line);
    if (!IsPlainDrivePath(directory)) {
      QWScreen2.AddError("Could not delete " + directory);
      return;
    }
    // Only an empty directory goes; one that still holds files stays, silently, as do the family's.
    if (!IsFamilyDirectory(directory)) win::tryStep([&] { win::rmDir(directory); });
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
  // A recorded directory that is not "X:\..." (an old record, a hand edit) names no place of the module's
  // own: every file stays, and only the records go, so that the module can be installed afresh.
  const bool located = IsAbsoluteDrivePath(m.Directory);
  if (!located) QWScreen2.AddError("The files of " + m.Long + " were left in " + m.Directory);
  SetStep(0, kStepRunning);
  if (located) {
    deleteInstalledFiles();
    // Settings files there are its program's own, unless others share the directory.
    if (!IsSharedDirectory(m.Directory)) DeleteMatchingFiles(AddPathSeparator(m.Directory) + "*.ini");
  }
  SetStep(0, kStepDone);
  SetStep(1, kStepRunning);
  if (located) removeDirectories();
  SetStep(1, kStepDone);
  SetStep(2, kStepRunning);
  unregisterModule(m);
  SetStep(2, kStepDone);
  SetStep(3, kStepRunning);
  if (located) deleteShortcuts(m);
  SetStep(3, kStepDone);
}
