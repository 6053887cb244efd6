#pragma once
// Module archives (HOG archives, *.QRM) and settings texts such as quarrow.inf, built in code: for the
// tests, and for making the family's own module archives. Everything is written as given, so broken
// archives and hostile entry names can be made as well as good ones.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace samples {

struct HogFile {
  std::string name;  // into the 13-byte field as given: cut at 13 characters, NUL-padded
  std::string data;
  std::optional<int32_t> declaredSize = {};  // written in place of the data's length
};
// The magic "VHF" and the entries in the order given.
std::string hogArchive(const std::vector<HogFile>& entries);

struct IniSection {
  std::string name;
  std::vector<std::string> lines;  // as they stand: "Key=value", free text, comments
};
// Each section as its header line "[name]" followed by its lines, every line ended by CR LF.
std::string iniText(const std::vector<IniSection>& sections);

}  // namespace samples
