#include "profile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <vector>

#include "drives.h"
#include "error.h"
#include "host_files.h"
#include "system.h"
#include "text.h"

namespace fs = std::filesystem;

namespace win {
namespace {

struct Line {
  std::string text;
  std::string end;  // "\r\n", "\r", "\n" or "" for a last line without an end
};

std::vector<Line> splitLines(const std::string& data) {
  std::vector<Line> lines;
  size_t i = 0;
  while (i < data.size()) {
    size_t j = i;
    while (j < data.size() && data[j] != '\r' && data[j] != '\n') ++j;
    Line line{data.substr(i, j - i), ""};
    if (j < data.size()) {
      if (data[j] == '\r' && j + 1 < data.size() && data[j + 1] == '\n')
        line.end = "\r\n", j += 2;
      else
        line.end = std::string(1, data[j]), j += 1;
    }
    lines.push_back(std::move(line));
    i = j;
  }
  return lines;
}

std::string_view trim(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
  return s;
}

// The section name of a header line, or nullopt for any other line.
std::optional<std::string_view> headerName(std::string_view line) {
  line = trim(line);
  if (line.empty() || line.front() != '[') return std::nullopt;
  line.remove_prefix(1);
  size_t close = line.find(']');
  return trim(close == std::string_view::npos ? line : line.substr(0, close));
}

bool keyMatches(std::string_view line, std::string_view key, std::string_view* value) {
  size_t eq = line.find('=');
  if (eq == std::string_view::npos) return false;
  if (!equalsNoCase(trim(line.substr(0, eq)), trim(key))) return false;
  if (value) *value = trim(line.substr(eq + 1));
  return true;
}

std::string resolveName(std::string_view fileName) {
  bool hasDir = fileName.find_first_of("\\/:") != std::string_view::npos;
  if (hasDir) return std::string(fileName);
  return windowsDirectory() + "\\" + std::string(fileName);
}

std::optional<std::string> readAll(const fs::path& host) {
  std::ifstream in(host, std::ios::binary);
  if (!in) return std::nullopt;
  return std::string(std::istreambuf_iterator<char>(in), {});
}

}  // namespace

std::string getPrivateProfileString(std::string_view section, std::string_view key, std::string_view defaultValue,
                                    size_t bufferSize, std::string_view fileName) {
  auto cut = [&](std::string_view s) {
    if (bufferSize == 0) return std::string();
    return std::string(s.substr(0, bufferSize - 1));
  };
  std::optional<std::string> data;
  try {
    data = readAll(drives().toHost(resolveName(fileName)));
  } catch (const Error&) {
  }
  if (!data) return cut(trim(defaultValue));
  bool inSection = false;
  for (auto& line : splitLines(*data)) {
    if (auto name = headerName(line.text)) {
      inSection = equalsNoCase(*name, trim(section));
      continue;
    }
    std::string_view value;
    if (inSection && keyMatches(line.text, key, &value)) return cut(value);
  }
  return cut(trim(defaultValue));
}

bool writePrivateProfileString(std::string_view section, std::string_view key, std::string_view value,
                               std::string_view fileName) {
  if (trim(section).empty() || trim(key).empty()) return false;
  fs::path host;
  try {
    host = drives().toHost(resolveName(fileName));
  } catch (const Error&) {
    return false;
  }
  std::error_code ec;
  if (!fs::is_directory(host.parent_path(), ec)) return false;
  // Only a regular file is carried over: a link at the name is replaced by a new file, and what it points
  // to is neither written nor copied into this folder.
  std::vector<Line> lines;
  struct stat st {};
  if (::lstat(host.c_str(), &st) == 0 && S_ISREG(st.st_mode)) {
    if (::access(host.c_str(), W_OK) != 0) return false;
    auto data = readRegularFile(host);
    if (!data) return false;
    lines = splitLines(*data);
  }
  std::string newLine = std::string(trim(key)) + "=" + std::string(value);

  std::optional<size_t> sectionAt, keyAt, lastContent;
  for (size_t i = 0; i < lines.size(); ++i) {
    if (auto name = headerName(lines[i].text)) {
      if (sectionAt) break;
      if (equalsNoCase(*name, trim(section))) sectionAt = i, lastContent = i;
      continue;
    }
    if (!sectionAt) continue;
    if (!trim(lines[i].text).empty()) lastContent = i;
    if (keyMatches(lines[i].text, key, nullptr)) {
      keyAt = i;
      break;
    }
  }
  if (keyAt) {
    lines[*keyAt].text = newLine;
  } else {
    size_t at = sectionAt ? *lastContent + 1 : lines.size();
    if (at > 0 && lines[at - 1].end.empty()) lines[at - 1].end = "\r\n";
    std::vector<Line> add;
    if (!sectionAt) add.push_back({"[" + std::string(trim(section)) + "]", "\r\n"});
    add.push_back({newLine, "\r\n"});
    lines.insert(lines.begin() + static_cast<long>(at), add.begin(), add.end());
  }

  std::string out;
  for (auto& l : lines) out += l.text + l.end;
  return replaceWholeFile(host, out);
}

}  // namespace win
