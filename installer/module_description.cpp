#include "installer/module_description.h"

#include "installer/vm_hog.h"
#include "platform/drives.h"
#include "platform/error.h"
#include "shared/identity.h"
#include "shared/routines.h"
#include "shared/settings.h"

namespace {

constexpr std::string_view kModuleSection = "Module";
constexpr std::string_view kInstallationSection = "Installation";
constexpr std::string_view kFinal = "Final";
constexpr std::string_view kBeta = "Beta";
constexpr std::string_view kAlpha = "Alpha";
std::string expandPrefix(std::string path, std::string_view prefix, std::string_view directory) {
  if (!path.starts_with(prefix)) return path;
  // Whatever character follows the prefix is taken for its separator.
  CutLeft(path, static_cast<int64_t>(prefix.size()) + 1);
  return AddPathSeparator(directory) + path;
}

// By character codes, so "10" sorts before "9"; -1 when the installed text is the greater.
int16_t compareTexts(const std::string& installed, const std::string& offered) {
  if (installed > offered) return -1;
  if (installed < offered) return 1;
  return 0;
}

// vyst.ini keys its module records by Name, so a Name that could not be a key would, once written by the
// install run, break the lines around it or the record of another module.
bool isSettingsKey(const std::string& name) {
  return !name.empty() && name.find_first_of("=\r\n") == std::string::npos && name.front() != '[' &&
         name.front() != ';';
}

VersionInfo installedVersionOf(const std::string& name) {
  FieldList fields;
  SplitCommaList(GetIniString(pfad_vyst, kFamilySettingsFile, kModuleVersionsSection, name), fields);
  return {fields[2], fields[3], fields[4], fields[5], fields[1]};
}

}  // namespace

std::string ExpandModulePath(std::string_view path) {
  std::string expanded = expandPrefix(std::string(path), "Vyst", pfad_vyst);
  return expandPrefix(expanded, "Main", module_dir);
}

void MakeVersionText(VersionInfo& version) {
  version.Text = version.Major;
  if (version.Status == kFinal) return;
  if (IsValue(version.Status)) version.Text += " " + version.Status;
  if (IsValue(version.Minor)) version.Text += " " + version.Minor;
  if (IsValue(version.Build)) version.Text += " Build " + version.Build;
}

int16_t CompareVersions(const VersionInfo& installed, const VersionInfo& offered) {
  if (int16_t major = compareTexts(installed.Major, offered.Major)) return major;
  bool installedFinal = installed.Status == kFinal;
  bool offeredFinal = offered.Status == kFinal;
  if (installedFinal && !offeredFinal) return -1;
  if (!installedFinal && offeredFinal) return 1;
  if (int16_t minor = compareTexts(installed.Minor, offered.Minor)) return minor;
  if (offered.Status == kAlpha && installed.Status == kBeta) return -1;
  if (installed.Status == kAlpha && offered.Status == kBeta) return 1;
  return compareTexts(installed.Build, offered.Build);
}

void ReadModuleInfo(std::string_view directory, std::string_view fileName, ModuleInfo& module) {
  auto read = [&](std::string_view section, std::string_view key) {
    return GetIniString(directory, fileName, section, key);
  };
  module.Name = read(kModuleSection, "Name");
  module.Long = read(kModuleSection, "Long");
  module.Desc = read(kModuleSection, "Desc");
  module.Directory = read(kInstallationSection, "DefaultDirectory");
  module.EXEfile = read(kInstallationSection, "EXEfile");
  module.NewVersion.Major = read(kModuleSection, "VersionMajor");
  module.NewVersion.Status = read(kModuleSection, "VersionStatus");
  module.NewVersion.Minor = read(kModuleSection, "VersionMinor");
  module.NewVersion.Build = read(kModuleSection, "VersionBuild");
  module.UpdateOnly = read(kModuleSection, "UpdateOnly") == "1";
  module.Name = UpperCaseAscii(module.Name);
  if (!IsValue(module.Long)) module.Long = module.Name;
  MakeVersionText(module.NewVersion);
}

bool ExtractModuleInf(std::string_view archivePath) {
  // A description left by another module must never be read as this one's when extraction fails.
  if (!win::tryStep([] { KillFile(AddPathSeparator(inf_dir) + std::string(kModuleDescriptionFile)); })) return false;
  return Extract_HOG(archivePath, kModuleDescriptionFile, inf_dir, 0) != 0;
}

bool LoadModule(std::string_view archivePath, ModuleInfo& module) {
  if (!ExtractModuleInf(archivePath)) return false;
  ModuleInfo loaded = module;
  ReadModuleInfo(inf_dir, kModuleDescriptionFile, loaded);
  if (!isSettingsKey(loaded.Name)) return false;
  loaded.File = archivePath;
  loaded.Allowed = {true, false, false, false, false};
  std::string installedDirectory = GetIniString(pfad_vyst, kFamilySettingsFile, kModuleDirsSection, loaded.Name);
  if (IsValue(installedDirectory)) {
    loaded.Directory = installedDirectory;
    loaded.DirFixed = true;
    VersionInfo installed = installedVersionOf(loaded.Name);
    switch (CompareVersions(installed, loaded.NewVersion)) {
      case -1:
        loaded.Mode = kSkip;
        loaded.InstalledVersion = installed;
        break;
      case 0:
        // The same version: the screen shows no installed version beside it.
        loaded.Mode = kSkip;
        loaded.Allowed[kUninstall] = loaded.Allowed[kRepair] = true;
        break;
      default:
        loaded.Mode = kUpdate;
        loaded.Allowed[kUpdate] = true;
        loaded.InstalledVersion = installed;
    }
  } else if (loaded.UpdateOnly) {
    loaded.Mode = kSkip;
    loaded.DirFixed = true;
    loaded.Directory = kUpdateOnlyNotInstalled;
  } else {
    // Proposed on the drive of the base directory; a default that names no drive is kept as it is.
    if (win::startsWithDriveLetter(loaded.Directory) && win::startsWithDriveLetter(pfad_vyst))
      loaded.Directory[0] = pfad_vyst[0];
    loaded.Mode = kInstall;
    loaded.Allowed[kInstall] = true;
  }
  module = std::move(loaded);
  return true;
}
