#include "tools/setup/default_prefix.h"

#include "platform/drives.h"
#include "platform/error.h"
#include "platform/files.h"
#include "platform/host_files.h"
#include "platform/profile.h"
#include "tools/samples/sample_containers.h"

namespace fs = std::filesystem;

namespace {

constexpr char kFamilyFile[] = "C:\\VYST.CFG";
constexpr char kBase[] = "C:\\VORTANE\\";
constexpr char kMain[] = "C:\\VORTANE\\TOVRIK32\\";
constexpr char kManual[] = "C:\\VORTANE\\TOVRIK32\\MANUAL\\";
constexpr char kSamples[] = "C:\\SAMPLES";
constexpr char kTargets[] = "C:\\MOVIES";

void writeKey(const std::string& file, const char* section, const char* key, const std::string& value) {
  if (!win::writePrivateProfileString(section, key, value, file)) win::raise(win::PathFileAccessError, file);
}

void makeDirectory(const std::string& winPath) {
  if (!win::directoryExists(winPath)) win::mkDir(winPath);
}

fs::path hostOf(const std::string& winPath) { return win::drives().toHost(winPath); }

void copyFile(const fs::path& from, const std::string& winTo) { win::copyHostFile(from, hostOf(winTo)); }

// The manual keeps its folder layout: topics link to each other by relative paths.
void copyTree(const fs::path& from, const std::string& winTo) {
  makeDirectory(winTo);
  for (const auto& entry : fs::directory_iterator(from)) {
    std::string name = entry.path().filename().string();
    if (entry.is_directory())
      copyTree(entry.path(), winTo + name + "\\");
    else
      copyFile(entry.path(), winTo + name);
  }
}

std::string versionValue(const DefaultPrefixVersion& v) {
  std::string text = v.major + " " + v.status + " " + v.minor + " Build " + v.build;
  return text + "," + v.major + "," + v.status + "," + v.minor + "," + v.build;
}

}  // namespace

bool FillDefaultPrefix(const fs::path& sourceTree, const DefaultPrefixVersion& version) {
  if (!win::getPrivateProfileString("Directories", "Vyst3", "", 512, kFamilyFile).empty()) return false;

  const std::string base = kBase, main = kMain, manual = kManual;
  makeDirectory(base);
  makeDirectory(base + "Nimbrel");
  makeDirectory(main);
  makeDirectory(main + "stub");
  copyFile(sourceTree / "help/data/Nimbrel/fs1.gif", base + "Nimbrel\\fs1.gif");
  copyFile(sourceTree / "help/data/nbactive.wav", base + "nbactive.wav");
  copyFile(sourceTree / "help/data/nbfound.wav", base + "nbfound.wav");
  copyFile(sourceTree / "extract/data/Tovrik32.jpg", main + "Tovrik32.jpg");
  copyFile(sourceTree / "extract/data/Tovrik32.gif", main + "Tovrik32.gif");
  copyTree(sourceTree / "help/manual", manual);
  samples::writeSampleFolder(hostOf(kSamples));

  const std::string vyst = base + "vyst.ini";
  writeKey(vyst, "General", "Vyst3-Installer", "vm-setup-default");
  writeKey(vyst, "Moduls_Dirs", "TOVRIK32", main);
  writeKey(vyst, "Moduls_Dirs", "TOVRIK32.MAN", manual);
  writeKey(vyst, "Moduls_Versions", "TOVRIK32", versionValue(version));
  writeKey(vyst, "Moduls_Versions", "TOVRIK32.MAN", versionValue(version));
  writeKey(main + "tovrik32.ini", "LastSettings", "SourcePath", kSamples);
  writeKey(main + "tovrik32.ini", "LastSettings", "TargetDir", kTargets);
  // Written last: it is what marks the family as installed.
  writeKey(kFamilyFile, "Directories", "Vyst3", base);
  return true;
}
