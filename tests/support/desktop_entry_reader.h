#pragma once
// Reads a freedesktop.org desktop entry back as a desktop menu does: the string escapes of each value
// undone, and Exec split into its arguments by the format's quoting rules, field codes "%%" undone.
#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace testing_support {

struct DesktopEntry {
  std::vector<std::string> groups;          // group headers in order, such as "Desktop Entry"
  std::map<std::string, std::string> keys;  // of the group [Desktop Entry], values unescaped
  std::vector<std::string> exec;            // Exec split into arguments
  bool wellFormed = true;                   // false for an unknown escape or an unclosed quote
};

DesktopEntry readDesktopEntry(const std::filesystem::path& file);

}  // namespace testing_support
