#pragma once
// The one form of directory the installer records: "X:\..." (a drive letter, ":" and "\"). A relative path
// or a bare "X:" would depend on the current drive and directory of the moment, which no record can keep.
#include <string_view>

#include "platform/drives.h"

inline bool IsAbsoluteDrivePath(std::string_view path) {
  return win::startsWithDriveLetter(path) && path.size() >= 3 && path[2] == '\\';
}
