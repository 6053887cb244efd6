#include "platform/system.h"
#include "shared/vyst32.h"

std::string GetWindowsDir() { return win::windowsDirectory(); }

std::string GetSystemDir() { return win::systemDirectory(); }

std::string GetSpecialFolder(int csidl) {
  win::SpecialFolder folder = win::specialFolder(csidl);
  if (!folder.known) return {};
  if (!folder.path) return "n/a";
  return folder.path->substr(0, folder.path->find('\0'));
}
