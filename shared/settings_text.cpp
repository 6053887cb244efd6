#include "platform/error.h"
#include "shared/routines.h"
#include "shared/settings.h"
#include "shared/settings_path.h"
#include "shared/settings_scan.h"

namespace {

constexpr std::string_view kLineBreak = "\r\n";

bool startsWith(const std::string& line, char c) { return !line.empty() && line.front() == c; }

// One line of the section as it flows into the text; comments have been left out before.
std::string flowed(std::string line) {
  // "$" lets a line start with a character that would otherwise be special.
  if (startsWith(line, '$')) line.erase(0, 1);
  if (line.empty() || line == "%") line = kLineBreak;
  if (line.find("~~") != std::string::npos) line = std::string(kLineBreak) + line + std::string(kLineBreak);
  if (startsWith(line, '*') || startsWith(line, '-')) line.insert(0, kLineBreak);
  if (line.back() != ' ') line += ' ';
  return line;
}

// Runs of blanks become one blank, and a line break is never followed by one.
std::string tidyBlanks(const std::string& text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text) {
    if (c == ' ' && (out.ends_with(' ') || out.ends_with(kLineBreak))) continue;
    out += c;
  }
  return out;
}

}  // namespace

std::string GetIniSectionText(std::string_view directory, std::string_view fileName, std::string_view section) {
  std::string path = settingsPath(directory, fileName);
  std::string text;
  bool read = win::tryStep([&] {
    forEachSectionLine(path, section, [&](const std::string& line) {
      if (!startsWith(line, ';')) text += flowed(line);
    });
  });
  return read ? tidyBlanks(text) : std::string();
}
