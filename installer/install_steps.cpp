#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "installer/drive_path.h"
#include "installer/install_run.h"
#include "installer/module_description.h"
#include "installer/module_shortcut.h"
#include "installer/protected_paths.h"
#include "installer/qwscreen2.h"
#include "installer/vm_hog.h"
#include "platform/drives.h"
#include "platform/error.h"
#include "platform/files.h"
#include "platform/text.h"
#include "shared/identity.h"
#include "shared/routines.h"
#include "shared/settings.h"
#include "shared/vyst32.h"

namespace {

void deleteOldFiles() {
  ListSection("RmFiles").forEachLine(ListOrder::FirstToLast, [](const std::string& line) {
    FieldList fields;
    SplitCommaList(line, fields);
    const std::string path = AddPathSeparator(ExpandModulePath(fields[2])) + fields[1];
    if (!IsPlainDrivePath(path))
      QWScreen2.AddError("Could not delete " + path);
    else if (FileExists(path))
      DeleteMatchingFiles(path);
  });
}

void createDirectories() {
  ListSection("MkDirs").forEachLine(ListOrder::FirstToLast, [](const std::string& line) {
    const std::string directory = ExpandModulePath(line);
    if (!IsPlainDrivePath(directory) || !MakeDirTree(directory))
      QWScreen2.AddError("Could not create directory " + directory);
  });
}

// The entries that this turn's extraction wrote in full, by name without regard to case as the system
// compares file names: any other file in the temporary directory was left there by another module or an
// earlier run.
struct NoCaseOrder {
  using is_transparent = void;
  bool operator()(std::string_view a, std::string_view b) const {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
      return static_cast<unsigned char>(win::foldCase(x)) < static_cast<unsigned char>(win::foldCase(y));
    });
  }
};
using ExtractedEntries = std::set<std::string, NoCaseOrder>;

// The extracted entry takes the target's place in one step, so the installed copy is replaced only by a
// whole new file: a missing entry, a failed copy or a source that is the target itself keep it.
bool putInPlace(const FieldList& fields, const std::string& directory, const ExtractedEntries& extracted) {
  // A name holding a separator or a wildcard would reach other files than the line names.
  if (!win::isValidWindowsName(fields[1]) || !win::isValidWindowsName(fields[2])) return false;
  if (!IsPlainDrivePath(directory) || !extracted.contains(fields[1])) return false;
  const std::string source = AddPathSeparator(pfad_temp) + fields[1];
  const std::string target = AddPathSeparator(directory) + fields[2];
  bool placed = false;
  win::tryStep([&] {
    if (IsFamilyFile(target) || !FileExists(source) || win::sameFile(source, target)) return;
    win::moveOrCopyFile(source, target);
    placed = FileExists(target);
  });
  return placed;
}

void copyFiles(const ModuleInfo& m) {
  const ListSection files("Files");
  std::vector<std::string> written;
  Extract_HOG(m.File, "*.*", pfad_temp, 0, &written);
  const ExtractedEntries extracted(written.begin(), written.end());
  std::set<std::string> targetDirectories;
  files.forEachLine(ListOrder::FirstToLast, [&](const std::string& line) {
    FieldList fields;
    SplitCommaList(line, fields);
    const std::string directory = ExpandModulePath(fields[3]);
    if (putInPlace(fields, directory, extracted))
      targetDirectories.insert(directory);
    else
      QWScreen2.AddError("Error copying to " + AddPathSeparator(directory) + fields[2]);
  });
  // The files are written without a sync of their own: one sync of their file systems puts them all on the
  // disk before the records say that the module is installed.
  if (!win::syncFileSystems({targetDirectories.begin(), targetDirectories.end()}))
    QWScreen2.AddError("Could not write the files of " + m.Long + " to the disk");
}

void registerModule(const ModuleInfo& m) {
  const VersionInfo& v = m.NewVersion;
  bool recorded = true;
  auto record = [&](std::string_view section, const std::string& value) {
    recorded = WriteIniString(pfad_vyst, kFamilySettingsFile, section, m.Name, value) && recorded;
  };
  record(kModuleDirsSection, m.Directory);
  record(kModuleExesSection, m.EXEfile);
  record(kModuleVersionsSection, v.Text + "," + v.Major + "," + v.Status + "," + v.Minor + "," + v.Build);
  record(kModuleLastModeSection, mode_names.at(static_cast<size_t>(m.Mode)));
  if (!recorded) QWScreen2.AddError("Could not register module " + m.Long);
}

}  // namespace

void InstallSteps(const ModuleInfo& m) {
  SetStepCaptions({"Deleting unused files from older installations...", "Creating directories...",
                   "Copying files to hard disk...", "Registering module...", "Creating shortcut icons..."});
  QWScreen2.LabelProcess[4].setVisible(true);
  SetStep(0, kStepRunning);
  deleteOldFiles();
  SetStep(0, kStepDone);
  SetStep(1, kStepRunning);
  createDirectories();
  SetStep(1, kStepDone);
  SetStep(2, kStepRunning);
  copyFiles(m);
  SetStep(2, kStepDone);
  SetStep(3, kStepRunning);
  registerModule(m);
  SetStep(3, kStepDone);
  SetStep(4, kStepRunning);
  // The shortcut leads to the module's directory or to a file directly in it, never elsewhere.
  const bool inModule = m.EXEfile.empty() || win::isPlainFileName(m.EXEfile);
  if (!inModule || !CreateModuleShortcut(m.Desc, AddPathSeparator(m.Directory) + m.EXEfile))
    QWScreen2.AddError("Could not create an icon for " + m.Long);
  SetStep(4, kStepDone);
}
