#include "tools/setup/default_prefix.h"

#include <stdexcept>
#include <string>

#include "platform/drives.h"
#include "platform/profile.h"
#include "tools/samples/sample_containers.h"
#include "tools/setup/headless_install.h"

namespace fs = std::filesystem;

namespace {

constexpr char kFamilyFile[] = "C:\\VYST.CFG";
constexpr char kBase[] = "C:\\VORTANE\\";
constexpr char kMain[] = "C:\\VORTANE\\TOVRIK32\\";
constexpr char kManual[] = "C:\\VORTANE\\TOVRIK32\\MANUAL\\";
constexpr char kSamples[] = "C:\\SAMPLES";
constexpr char kTargets[] = "C:\\MOVIES";

void writeKey(const std::string& file, const char* section, const char* key, const std::string& value) {
  if (!win::writePrivateProfileString(section, key, value, file)) throw std::runtime_error("cannot write " + file);
}

}  // namespace

bool FillDefaultPrefix(const fs::path& moduleFolder) {
  if (!win::getPrivateProfileString("Directories", "Vyst3", "", 512, kFamilyFile).empty()) return false;
  InstallModulesHeadless(moduleFolder, kBase, {{"TOVRIK32", kMain}, {"TOVRIK32.MAN", kManual}});
  samples::writeSampleFolder(win::drives().toHost(kSamples));
  const std::string settings = std::string(kMain) + "tovrik32.ini";
  writeKey(settings, "LastSettings", "SourcePath", kSamples);
  writeKey(settings, "LastSettings", "TargetDir", kTargets);
  return true;
}
