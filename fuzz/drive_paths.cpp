// Any Windows path mapped onto the drives. The input's first line is made the current directory (and
// its drive the current drive) where it can be; every further line is a path to map. Whatever a path
// holds, its host path lies inside its drive's folder and names back the full Windows path.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz/fuzz_support.h"
#include "platform/drives.h"
#include "platform/error.h"
#include "platform/text.h"
#include "support/temp_prefix.h"

using fuzzing::require;
namespace fs = std::filesystem;

namespace {

constexpr win::PrefixOptions kNoFonts{.installFonts = false};
// Longer names (in UTF-8 bytes) cannot exist on the host, so no host path of one is named back.
constexpr size_t kLongestHostName = 255;

// Drive C:, drive D: beside it and a drive E: whose folder is missing, each with names that differ only
// in case, names Windows cannot show and a Latin letter outside ASCII. No drive reaches the host's root.
const fs::path& prefixRoot() {
  static const fs::path root = [] {
    testing_support::TempPrefix& prefix = fuzzing::prefix();
    fs::path cd = prefix.root() / "cd";
    for (const char* folder :
         {"Games/Level1", "Games/LEVEL1", "Mixed/x", "mixed", "\xC3\x84pfel", "a:b", "\xE2\x9C\x93", "trailing. "}) {
      fs::create_directories(cd / folder);
    }
    fs::create_directories(prefix.driveC() / "Data" / "Movies");
    testing_support::writeFile(cd / "Games" / "intro.mve", "movie");
    testing_support::writeFile(prefix.root() / "drives.ini",
                               "[Drives]\r\nD=" + cd.string() + "\r\nE=" + (prefix.root() / "gone").string() + "\r\n");
    return prefix.root();
  }();
  return root;
}

void requireInsideItsDrive(std::string_view path) {
  std::string full;
  fs::path host;
  try {
    full = win::drives().fullPath(path);
    host = win::drives().toHost(path);
  } catch (const win::Error&) {
    return;  // refused: nothing was mapped
  }
  require(full.size() >= 3 && full[1] == ':' && full[2] == '\\', "a full path starts at its drive's root", full);
  std::optional<fs::path> root = win::drives().root(full[0]);
  require(root.has_value(), "a full path names a mapped drive", full);
  fs::path inside = host.lexically_normal().lexically_relative(root->lexically_normal());
  require(!inside.empty() && *inside.begin() != "..", "a host path lies inside its drive's folder", host.string());
  for (const fs::path& name : host) {
    if (name.native().size() > kLongestHostName) return;
  }
  std::optional<std::string> back = win::drives().toWindows(host);
  require(back && win::equalsNoCase(*back, full), "a host path names back its full path", host.string());
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  prefixRoot();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  // Current drive and directories start afresh for every input.
  win::drives().usePrefix(prefixRoot(), kNoFonts);
  std::vector<std::string_view> lines = fuzzing::linesOf(fuzzing::textOf(data, size));
  if (lines.empty()) return 0;
  win::tryStep([&] {
    win::drives().changeDirectory(lines[0]);
    if (lines[0].size() >= 2 && lines[0][1] == ':') win::drives().setCurrentDrive(lines[0][0]);
  });
  for (std::string_view path : lines) requireInsideItsDrive(path);
  return 0;
}
