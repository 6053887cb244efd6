// Arbitrary bytes as a module archive, extracted with the mask "*.*" into an empty target directory.
// Nothing is written outside the target, and every file in it is a plain file with a valid upper-case
// name, written by a counted entry that the extraction names as written.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "fuzz/fuzz_support.h"
#include "installer/vm_hog.h"
#include "platform/drives.h"
#include "platform/files.h"
#include "shared/routines.h"

using fuzzing::require;
namespace fs = std::filesystem;

namespace {

std::set<fs::path> entriesBelow(const fs::path& folder, const fs::path& leaveOut) {
  std::set<fs::path> entries;
  for (auto it = fs::recursive_directory_iterator(folder); it != fs::recursive_directory_iterator(); ++it) {
    if (it->path() == leaveOut) {
      it.disable_recursion_pending();
      continue;
    }
    entries.insert(it->path());
  }
  return entries;
}

struct Folders {
  fs::path archive = fuzzing::prefix().driveC() / "MODS" / "TEST.QRM";
  fs::path target = fuzzing::prefix().driveC() / "TARGET";
  std::set<fs::path> outsideTarget;
};

Folders& folders() {
  static Folders made = [] {
    Folders f;
    testing_support::writeFile(f.archive, "");
    fs::create_directories(f.target);
    f.outsideTarget = entriesBelow(fuzzing::prefix().root(), f.target);
    return f;
  }();
  return made;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  Folders& f = folders();
  for (const auto& entry : fs::directory_iterator(f.target)) fs::remove_all(entry.path());
  testing_support::writeFile(f.archive, std::string(fuzzing::textOf(data, size)));

  std::vector<std::string> written;
  int16_t count = Extract_HOG("C:\\MODS\\TEST.QRM", "*.*", "C:\\TARGET", 0, &written);
  require(count >= 0, "the count is never negative");
  require(std::min<size_t>(written.size(), INT16_MAX) == static_cast<size_t>(count), "each counted entry is named");
  const std::set<std::string> named(written.begin(), written.end());
  require(!win::isOpen(1), "the archive is closed");
  require(entriesBelow(fuzzing::prefix().root(), f.target) == f.outsideTarget, "nothing is written outside the target");
  int files = 0;
  for (const auto& entry : fs::directory_iterator(f.target)) {
    std::string host = entry.path().filename().string();
    require(entry.is_regular_file() && !entry.is_symlink(), "only plain files are written", host);
    auto name = win::windowsNameOf(entry.path().filename());
    require(name && *name == UpperCaseAscii(*name), "each file bears a valid upper-case name", host);
    require(named.count(*name) != 0, "each file is an entry named as written", host);
    ++files;
  }
  // Later entries replace earlier files, so there are never more files than entries written.
  require(files <= count, "every file left is an entry written in full");
  return 0;
}
