// The source check of every source kind, the reading of library directories and the naming of the
// outputs, on any bytes as the source file. Whatever a container holds, a listed movie lies inside the
// source, and every output name is a plain file name of the target directory that no other output
// name meets on disk.
#include "extract/containers.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "extract/output_names.h"
#include "fuzz/fuzz_support.h"
#include "platform/drives.h"
#include "platform/text.h"

using fuzzing::require;

namespace {

constexpr const char* kSource = "D:\\AREA.BIF";
constexpr const char* kTargetDir = "C:\\OUT\\";

const std::filesystem::path& sourceFile() {
  static const std::filesystem::path file = fuzzing::prefix().mapDrive('D', "cd") / "AREA.BIF";
  return file;
}

void requirePlainDistinctNames(const std::vector<std::string>& names) {
  for (size_t i = 0; i < names.size(); ++i) {
    const std::string& name = names[i];
    require(win::isValidWindowsName(name), "an output name is a valid file name", name);
    // The file layer drops trailing dots and blanks and resolves "..": the name must reach the disk as it is.
    std::string path = kTargetDir + name;
    require(win::drives().fullPath(path) == path, "an output name stays as it is inside the target", name);
    for (size_t j = 0; j < i; ++j) require(!win::equalsNoCase(name, names[j]), "output names are distinct", name);
  }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  sourceFile();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  testing_support::writeFile(sourceFile(), std::string(fuzzing::textOf(data, size)));
  for (SourceKind kind : {kMveFile, kMvlLibrary, kSelfPlayingExe, kBifArchive}) {
    mode1 = kind;
    int32_t value = 0;
    checkmvefiletype(kSource, value);
    if (kind != kMvlLibrary && kind != kBifArchive) continue;

    MovieTable entries;
    int listed = 0;
    ReadLibraryDirectory(kSource, entries, [&](int number, const MovieEntry& entry) {
      require(number == listed + 1, "entries are handed on in order");
      listed = number;
      // One byte of slack past the end is what the listing allows.
      require(entry.Offset >= 0 && entry.Size >= 0 && int64_t{entry.Offset} + entry.Size <= int64_t(size) + 1,
              "a listed movie lies inside the source", entry.Name);
    });
    for (OutputKind outputKind : {kMveOutput, kWin32Exe})
      requirePlainDistinctNames(OutputNames(entries, listed, outputKind));
  }
  return 0;
}
