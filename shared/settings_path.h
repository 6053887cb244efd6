#pragma once
// Settings files are named by a directory and a file name; an empty directory lets the name carry a
// full path, as for "C:\VYST.CFG".
#include <string>
#include <string_view>

#include "shared/routines.h"

inline std::string settingsPath(std::string_view directory, std::string_view fileName) {
  return AddPathSeparator(directory) + std::string(fileName);
}
