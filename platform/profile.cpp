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
#include "ini_lines.h"
#include "system.h"
#include "text.h"

namespace fs = std::filesystem;

namespace win {
namespace {

using ini::headerName;
using ini::keyMatches;
using ini::Line;
using ini::splitLines;
using ini::trim;

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
    if (inSection && keyMatches(line.text, key, &value)) return cut(ini::withoutQuotes(value));
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
