#pragma once
// The one form of directory the installer records: "X:\..." (a drive letter, ":" and "\"). A relative path
// or a bare "X:" would depend on the current drive and directory of the moment, which no record can keep.
#include <string_view>

inline bool IsAbsoluteDrivePath(std::string_view path) {
  auto isLetter = [](char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); };
  return path.size() >= 3 && isLetter(path[0]) && path[1] == ':' && path[2] == '\\';
}
