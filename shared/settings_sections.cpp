#include <functional>

#include "platform/error.h"
#include "platform/files.h"
#include "shared/routines.h"
#include "shared/settings.h"
#include "shared/settings_path.h"
#include "shared/settings_scan.h"

namespace {

bool isHeader(const std::string& line) { return line.size() >= 2 && line.front() == '[' && line.back() == ']'; }

// Hands each counted line of the section to the visitor with its number, numbering on through every
// occurrence of the section.
void scanSection(const std::string& path, std::string_view section,
                 const std::function<void(int32_t, const std::string&)>& visit) {
  int32_t counter = 0;
  forEachSectionLine(path, section, [&](const std::string& line) {
    if (IsValue(line) && line.front() != ';') visit(++counter, line);
  });
}

// scanSection on a file that is there, with the errors of getlinefrominifile ignored: a file that cannot be
// opened or read gives what was found before the failure, like a missing one.
void scanIfThere(std::string_view directory, std::string_view fileName, std::string_view section,
                 const std::function<void(int32_t, const std::string&)>& visit) {
  std::string path = settingsPath(directory, fileName);
  if (FileExists(path)) win::tryStep([&] { scanSection(path, section, visit); });
}

}  // namespace

void forEachSectionLine(const std::string& path, std::string_view section,
                        const std::function<void(const std::string& line)>& visit) {
  win::ScopedFile file(path, win::OpenMode::Input);
  bool open = false;
  while (!win::eof(file.number())) {
    std::string line = win::lineInput(file.number());
    if (isHeader(line))
      open = std::string_view(line).substr(1, line.size() - 2) == section;
    else if (open)
      visit(line);
  }
}

std::string getlinefrominifile(std::string_view directory, std::string_view fileName, std::string_view section,
                               int32_t n) {
  std::string result;
  scanIfThere(directory, fileName, section, [&](int32_t number, const std::string& line) {
    if (number == n) result = line;
  });
  return result;
}

IniSectionLines::IniSectionLines(std::string_view directory, std::string_view fileName, std::string_view section) {
  scanIfThere(directory, fileName, section, [&](int32_t, const std::string& line) { lines_.push_back(line); });
}

std::string IniSectionLines::line(int32_t n) const {
  return n >= 1 && n <= static_cast<int64_t>(lines_.size()) ? lines_[static_cast<size_t>(n - 1)] : std::string();
}

int32_t CountIniSectionLines(std::string_view directory, std::string_view fileName, std::string_view section) {
  std::string path = settingsPath(directory, fileName);
  if (!FileExists(path)) return 0;
  int32_t count = 0;
  scanSection(path, section, [&](int32_t number, const std::string&) { count = number; });
  return count;
}
