// Settings files: key lookups on any file, and a key written and read back. The input is three lines
// (section, key, value) followed by the file's bytes; no bytes stand for a missing file. Within the rules of the
// profile functions the read gives back what was written, and every line but the key's (and a new section header) stays
// byte for byte.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "fuzz/fuzz_support.h"
#include "platform/profile.h"

using fuzzing::require;

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

std::string_view trimmed(std::string_view s) {
  size_t first = s.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  return s.substr(first, s.find_last_not_of(" \t") - first + 1);
}

// Names and values a line-based file can hold: no line breaks, a section without "]", a key without
// "=" that cannot be taken for a header.
bool withinTheRules(std::string_view section, std::string_view key, std::string_view value) {
  for (std::string_view text : {section, key, value}) {
    if (text.find_first_of("\r\n") != std::string_view::npos) return false;
  }
  return section.find(']') == std::string_view::npos && key.find('=') == std::string_view::npos &&
         trimmed(key).front() != '[';
}

// A value in quotes may read back without them.
bool readsBackAs(std::string_view read, std::string_view written) {
  written = trimmed(written);
  if (read == written) return true;
  bool quoted =
      written.size() >= 2 && (written.front() == '"' || written.front() == '\'') && written.back() == written.front();
  return quoted && read == written.substr(1, written.size() - 2);
}

struct Line {
  std::string_view text, end;
  bool operator==(const Line&) const = default;
};

std::vector<Line> linesWithEnds(std::string_view data) {
  std::vector<Line> lines;
  while (!data.empty()) {
    size_t cut = data.find_first_of("\r\n");
    if (cut == std::string_view::npos) {
      lines.push_back({data, {}});
      break;
    }
    size_t endLength = data.substr(cut, 2) == "\r\n" ? 2 : 1;
    lines.push_back({data.substr(0, cut), data.substr(cut, endLength)});
    data.remove_prefix(cut + endLength);
  }
  return lines;
}

// Before and after differ only by the key's line: replaced in place with its line end, or added with
// CR LF (after a new section header, and giving a last line without an end one).
bool onlyTheKeyLineChanged(std::string_view before, std::string_view after, const std::string& keyLine,
                           const std::string& header) {
  std::vector<Line> old = linesWithEnds(before), now = linesWithEnds(after);
  size_t at = 0;
  while (at < old.size() && at < now.size() && old[at] == now[at]) ++at;
  if (now.size() == old.size()) {
    return at == old.size() || (now[at].text == keyLine && now[at].end == old[at].end &&
                                std::equal(old.begin() + at + 1, old.end(), now.begin() + at + 1));
  }
  if (at + 1 == old.size() && old[at].end.empty() && now[at].text == old[at].text && now[at].end == "\r\n") ++at;
  std::vector<Line> added = {{keyLine, "\r\n"}};
  if (now.size() == old.size() + 2) added.insert(added.begin(), {header, "\r\n"});
  if (now.size() != old.size() + added.size()) return false;
  return std::equal(added.begin(), added.end(), now.begin() + at) &&
         std::equal(old.begin() + at, old.end(), now.begin() + at + added.size());
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
  if (trimmed(section).empty() || trimmed(key).empty()) {
    require(!written && after == before, "an empty section or key changes nothing", after);
    return 0;
  }
  if (!withinTheRules(section, key, value)) return 0;
  require(written, "a key is written into a writable file");
  std::string read = win::getPrivateProfileString(section, key, kMissing, value.size() + 2, kFile);
  require(readsBackAs(read, value), "the key reads back as written", read);
  std::string keyLine = std::string(trimmed(key)) + "=" + std::string(value);
  require(onlyTheKeyLineChanged(before, after, keyLine, "[" + std::string(trimmed(section)) + "]"),
          "every other line stays byte for byte", after);
  return 0;
}
