#pragma once
// The one form of directory the installer records and lays files out in: "X:\..." (a drive letter, ":" and
// "\"). A relative path or a bare "X:" would depend on the current drive and directory of the moment, which
// no record can keep; a "." or ".." among its names would lead out of the directory that the path names.
#include <string_view>

#include "platform/drives.h"

inline bool IsAbsoluteDrivePath(std::string_view path) {
  return win::startsWithDriveLetter(path) && path.size() >= 3 && path[2] == '\\';
}

// An absolute drive path none of whose names is made of dots and blanks alone: the system drops both at
// the end of a name, so "..." and ". " would name a parent or the directory itself as ".." and "." do.
inline bool IsPlainDrivePath(std::string_view path) {
  if (!IsAbsoluteDrivePath(path)) return false;
  size_t start = 3;
  while (start <= path.size()) {
    size_t end = path.find_first_of(win::kPathSeparators, start);
    if (end == std::string_view::npos) end = path.size();
    std::string_view name = path.substr(start, end - start);
    if (!name.empty() && name.find_first_not_of(". ") == std::string_view::npos) return false;
    start = end + 1;
  }
  return true;
}
