// Settings files: key lookups on any file, and a key written and read back. The input is three lines
// (section, key, value) followed by the file's bytes; no bytes stand for a missing file. Within the
// rules of the profile functions the read gives back what was written, and every line but the key's
// (and a new section header) stays byte for byte.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "fuzz/fuzz_support.h"
#include "platform/ini_lines.h"
#include "platform/profile.h"

using fuzzing::require;
namespace ini = win::ini;

namespace {

constexpr const char* kFile = "C:\\fuzz.ini";
constexpr const char* kMissing = "\x01 missing";

const std::filesystem::path& hostFile() {
  static const std::filesystem::path file = fuzzing::prefix().driveC() / "fuzz.ini";
  return file;
}

std::string_view takeLine(std::string_view& text) {
  size_t end = text.find('\n');
  std::string_view line = text.substr(0, end);
  text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
  return line;
}

// Names and values a line-based file can hold: no line breaks, a section without "]", a key without
// "=" that cannot be taken for a header.
bool withinTheRules(std::string_view section, std::string_view key, std::string_view value) {
  for (std::string_view text : {section, key, value}) {
    if (text.find_first_of("\r\n") != std::string_view::npos) return false;
  }
  return section.find(']') == std::string_view::npos && key.find('=') == std::string_view::npos &&
         ini::trim(key).front() != '[';
}

// Trimmed, and one pair of equal quotes around the whole value dropped.
std::string_view asRead(std::string_view written) {
  written = ini::trim(written);
  bool quoted =
      written.size() >= 2 && (written.front() == '"' || written.front() == '\'') && written.back() == written.front();
  return quoted ? written.substr(1, written.size() - 2) : written;
}

bool sameLine(const ini::Line& a, const ini::Line& b) { return a.text == b.text && a.end == b.end; }

// Before and after differ only by the key's line: replaced in place with its line end, or added with
// CR LF (after a new section header, and giving a last line without an end one).
bool onlyTheKeyLineChanged(std::string_view before, std::string_view after, const std::string& keyLine,
                           const std::string& header) {
  std::vector<ini::Line> old = ini::splitLines(before), now = ini::splitLines(after);
  size_t at = 0;
  while (at < old.size() && at < now.size() && sameLine(old[at], now[at])) ++at;
  if (now.size() == old.size()) {
    return at == old.size() || (now[at].text == keyLine && now[at].end == old[at].end &&
                                std::equal(old.begin() + at + 1, old.end(), now.begin() + at + 1, sameLine));
  }
  if (at + 1 == old.size() && old[at].end.empty() && now[at].text == old[at].text && now[at].end == "\r\n") ++at;
  std::vector<ini::Line> added = {{keyLine, "\r\n"}};
  if (now.size() == old.size() + 2) added.insert(added.begin(), {header, "\r\n"});
  if (now.size() != old.size() + added.size()) return false;
  return std::equal(added.begin(), added.end(), now.begin() + at, sameLine) &&
         std::equal(old.begin() + at, old.end(), now.begin() + at + added.size(), sameLine);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  hostFile();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string_view text = fuzzing::textOf(data, size);
  std::string_view section = takeLine(text), key = takeLine(text), value = takeLine(text);
  const std::string before(text);
  std::error_code ignored;
  if (before.empty())
    std::filesystem::remove(hostFile(), ignored);
  else
    testing_support::writeFile(hostFile(), before);

  for (size_t bufferSize : {size_t{0}, size_t{1}, size_t{512}}) {
    std::string read = win::getPrivateProfileString(section, key, kMissing, bufferSize, kFile);
    require(read.size() < std::max<size_t>(bufferSize, 1), "a value fits the buffer", read);
  }

  bool written = win::writePrivateProfileString(section, key, value, kFile);
  std::string after = testing_support::readFile(hostFile());
  if (ini::trim(section).empty() || ini::trim(key).empty()) {
    require(!written && after == before, "an empty section or key changes nothing", after);
    return 0;
  }
  if (!withinTheRules(section, key, value)) return 0;
  require(written, "a key is written into a writable file");
  std::string read = win::getPrivateProfileString(section, key, kMissing, value.size() + 2, kFile);
  require(read == asRead(value), "the key reads back as written", read);
  std::string keyLine = std::string(ini::trim(key)) + "=" + std::string(value);
  require(onlyTheKeyLineChanged(before, after, keyLine, "[" + std::string(ini::trim(section)) + "]"),
          "every other line stays byte for byte", after);
  return 0;
}
