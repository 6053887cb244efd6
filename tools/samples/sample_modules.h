#pragma once
// Module archives (HOG archives, *.QRM) and settings texts such as quarrow.inf, built in code: for the
// tests, and for making the family's own module archives. Everything is written as given, so broken
// archives and hostile entry names can be made as well as good ones.
#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace win {
class ReplacementFile;
}  // namespace win

namespace samples {

struct HogFile {
  std::string name;  // into the 13-byte field as given: cut at 13 characters, NUL-padded
  std::string data;
  std::optional<int32_t> declaredSize = {};  // written in place of the data's length
};
// The magic "VHF" and the entries in the order given.
std::string hogArchive(const std::vector<HogFile>& entries);

// An archive written entry by entry, for archives of any size: no more than a block of an entry's data is
// in memory at a time. The file takes the archive's name only when close() finds it complete; until then,
// and when anything fails, what bore the name stays. Failures throw std::runtime_error naming the file.
class HogWriter {
 public:
  explicit HogWriter(const std::filesystem::path& archive);  // writes the magic
  ~HogWriter();
  HogWriter(const HogWriter&) = delete;
  HogWriter& operator=(const HogWriter&) = delete;

  void add(const std::string& name, std::string_view data);
  void addFile(const std::string& name, const std::filesystem::path& source);  // the bytes of a host file
  void close();

 private:
  void write(std::string_view bytes);
  std::filesystem::path path_;
  std::unique_ptr<win::ReplacementFile> file_;
};

struct IniSection {
  std::string name;
  std::vector<std::string> lines;  // as they stand: "Key=value", free text, comments
};
// Each section as its header line "[name]" followed by its lines, every line ended by CR LF.
std::string iniText(const std::vector<IniSection>& sections);

}  // namespace samples
