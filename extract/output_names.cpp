#include "extract/output_names.h"

#include <set>

#include "platform/text.h"
#include "shared/routines.h"

namespace {

bool isForbidden(unsigned char c) {
  return c < 0x20 || c == 0x7F || std::string_view("\\/:*?\"<>|").find(static_cast<char>(c)) != std::string_view::npos;
}

std::string lastPathPart(std::string_view name) {
  size_t cut = name.find_last_of("\\/:");
  return std::string(cut == std::string_view::npos ? name : name.substr(cut + 1));
}

std::string threeDigits(int number) {
  std::string digits = std::to_string(number);
  while (digits.size() < 3) digits.insert(0, "0");
  return digits;
}

// The form in which the file layer compares names.
std::string folded(std::string_view name) {
  std::string key(name);
  for (char& c : key) c = win::foldCase(c);
  return key;
}

std::string withSuffix(const std::string& name, int n) {
  size_t dot = name.rfind('.');
  std::string suffix = "~" + std::to_string(n);
  return dot == std::string::npos ? name + suffix : name.substr(0, dot) + suffix + name.substr(dot);
}

}  // namespace

std::string SafeFileName(std::string_view name, int number) {
  std::string safe = lastPathPart(name);
  for (char& c : safe) {
    if (isForbidden(static_cast<unsigned char>(c))) c = '_';
  }
  size_t first = safe.find_first_not_of(". ");
  size_t last = safe.find_last_not_of(' ');
  safe = first == std::string::npos ? std::string() : safe.substr(first, last - first + 1);
  return safe.empty() ? "MOVIE" + threeDigits(number) : safe;
}

std::vector<std::string> OutputNames(const MovieTable& movies, int count, int16_t outputKind) {
  std::vector<std::string> names;
  std::set<std::string> taken;
  for (int k = 1; k <= count; ++k) {
    std::string name =
        ChangeExtension(UpperCaseAscii(SafeFileName(movies[k].Name, k)), outputKind == kMveOutput ? "MVE" : "EXE");
    std::string unique = name;
    for (int n = 2; taken.count(folded(unique)); ++n) unique = withSuffix(name, n);
    taken.insert(folded(unique));
    names.push_back(unique);
  }
  return names;
}
