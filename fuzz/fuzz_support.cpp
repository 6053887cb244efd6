#include "fuzz/fuzz_support.h"

#include <cstdio>
#include <cstdlib>

namespace fuzzing {

testing_support::TempPrefix& prefix() {
  static testing_support::TempPrefix instance({.installFonts = false});
  return instance;
}

void require(bool condition, std::string_view property, std::string_view value) {
  if (condition) return;
  std::fprintf(stderr, "broken property: %.*s\nvalue: \"%.*s\"\n", static_cast<int>(property.size()), property.data(),
               static_cast<int>(value.size()), value.data());
  std::abort();
}

std::string_view textOf(const uint8_t* data, size_t size) { return {reinterpret_cast<const char*>(data), size}; }

std::vector<std::string_view> linesOf(std::string_view text) {
  std::vector<std::string_view> lines;
  while (!text.empty()) {
    size_t end = text.find('\n');
    lines.push_back(text.substr(0, end));
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + 1);
  }
  return lines;
}

}  // namespace fuzzing
