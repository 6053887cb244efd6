#include "installer/protected_paths.h"

#include <string>

#include "installer/module_description.h"
#include "platform/drives.h"
#include "platform/error.h"
#include "platform/files.h"
#include "platform/system.h"
#include "platform/text.h"
#include "shared/identity.h"
#include "shared/routines.h"

namespace {

constexpr std::string_view kHelpSettingsFile = "vortane.ini";
constexpr std::string_view kFamilyConfigDirectory = "C:\\";
constexpr std::string_view kFamilyConfigFile = "VYST.CFG";

bool isFileIn(const std::string& directory, const std::string& name, std::string_view familyDirectory,
              std::string_view familyName) {
  return win::equalsNoCase(name, familyName) && win::sameDirectory(directory, familyDirectory);
}

}  // namespace

bool IsFamilyFile(std::string_view path) {
  std::string directory, name;
  // A path the system cannot resolve names no file at all.
  if (!win::tryStep([&] { SplitPath(win::drives().fullPath(path), directory, name); })) return false;
  return isFileIn(directory, name, pfad_vyst, kFamilySettingsFile) ||
         isFileIn(directory, name, pfad_vyst, kHelpSettingsFile) ||
         isFileIn(directory, name, kFamilyConfigDirectory, kFamilyConfigFile);
}

bool IsFamilyDirectory(std::string_view directory) {
  return win::sameDirectory(directory, pfad_vyst) || win::sameDirectory(directory, pfad_windows) ||
         win::sameDirectory(directory, pfad_winsys);
}

bool IsSharedDirectory(std::string_view directory) {
  bool shared = true;
  win::tryStep([&] {
    shared = IsFamilyDirectory(directory) || win::holdsHostFolder(directory, win::homeFolder()) ||
             win::holdsHostFolder(directory, win::drives().prefix());
    for (char letter : win::drives().letters())
      shared = shared || win::sameDirectory(directory, std::string(1, letter) + ":\\");
  });
  return shared;
}
