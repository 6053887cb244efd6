#include "ini_lines.h"

#include "text.h"

namespace win::ini {

std::vector<Line> splitLines(std::string_view data) {
  std::vector<Line> lines;
  size_t i = 0;
  while (i < data.size()) {
    size_t j = i;
    while (j < data.size() && data[j] != '\r' && data[j] != '\n') ++j;
    Line line{std::string(data.substr(i, j - i)), ""};
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

std::string_view trim(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  return text;
}

std::optional<std::string_view> headerName(std::string_view line) {
  line = trim(line);
  if (line.empty() || line.front() != '[') return std::nullopt;
  line.remove_prefix(1);
  size_t close = line.find(']');
  return trim(close == std::string_view::npos ? line : line.substr(0, close));
}

std::optional<KeyLine> keyLine(std::string_view line) {
  size_t eq = line.find('=');
  if (eq == std::string_view::npos) return std::nullopt;
  return KeyLine{trim(line.substr(0, eq)), trim(line.substr(eq + 1))};
}

bool keyMatches(std::string_view line, std::string_view key, std::string_view* value) {
  auto found = keyLine(line);
  if (!found || !equalsNoCase(found->key, trim(key))) return false;
  if (value) *value = found->value;
  return true;
}

std::string_view withoutQuotes(std::string_view value) {
  if (value.size() < 2 || (value.front() != '"' && value.front() != '\'') || value.back() != value.front())
    return value;
  return value.substr(1, value.size() - 2);
}

}  // namespace win::ini
