#include <cstdint>

#include "shared/routines.h"

namespace {

bool isBlankOrNul(char c) { return c == ' ' || c == '\0'; }

// A negative count removes nothing, as a count of 0 does.
size_t countOf(int64_t n) { return n < 0 ? 0 : static_cast<size_t>(n); }

}  // namespace

void CutLeft(std::string& text, int64_t n) {
  size_t count = countOf(n);
  if (text.size() > count)
    text.erase(0, count);
  else
    text.clear();
}

void CutRight(std::string& text, int64_t n) {
  size_t count = countOf(n);
  if (text.size() > count)
    text.resize(text.size() - count);
  else
    text.clear();
}

void TrimBlanks(std::string& text) {
  size_t start = 0;
  while (start < text.size() && isBlankOrNul(text[start])) ++start;
  size_t end = text.size();
  while (end > start && isBlankOrNul(text[end - 1])) --end;
  text = text.substr(start, end - start);
}

int64_t InStrPos(std::string_view needle, std::string_view text) {
  size_t at = text.find(needle);
  return at == std::string_view::npos ? 0 : static_cast<int64_t>(at) + 1;
}

bool IsValue(std::string_view text) {
  std::string trimmed(text);
  TrimBlanks(trimmed);
  return !trimmed.empty() && trimmed != "n/a";
}

std::string UpperCaseAscii(std::string_view text) {
  std::string out(text);
  for (char& c : out)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return out;
}

std::string LowerCaseAscii(std::string_view text) {
  std::string out(text);
  for (char& c : out)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return out;
}

bool ReplaceVariable(std::string& text, std::string_view searched, std::string_view replacement) {
  if (searched.empty()) return false;
  size_t at = text.find(searched);
  if (at == std::string::npos) return false;
  text.replace(at, searched.size(), replacement);
  return true;
}

int BoolToInt(bool flag) { return flag ? 1 : 0; }

std::string FormatThousands(int64_t number) {
  // The magnitude as unsigned, so that the smallest 64-bit number has one too.
  uint64_t magnitude = number < 0 ? uint64_t{0} - static_cast<uint64_t>(number) : static_cast<uint64_t>(number);
  std::string digits = std::to_string(magnitude);
  std::string grouped;
  size_t taken = 0;
  for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
    grouped.insert(grouped.begin(), *it);
    if (++taken % 3 == 0) grouped.insert(grouped.begin(), '.');
  }
  if (grouped.front() == '.') grouped.erase(0, 1);
  return number < 0 ? "-" + grouped : grouped;
}
