// Arbitrary bytes as a module archive, extracted with the mask "*.*" into an empty target directory.
// Nothing is written outside the target, and every file in it is a plain file with a valid upper-case
// name, written by a counted entry.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <set>
#include <string>

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

  int16_t count = Extract_HOG("C:\\MODS\\TEST.QRM", "*.*", "C:\\TARGET", 0);
  require(count >= 0, "the count is never negative");
  require(!win::isOpen(1), "the archive is closed");
  require(entriesBelow(fuzzing::prefix().root(), f.target) == f.outsideTarget, "nothing is written outside the target");
  int files = 0;
  for (const auto& entry : fs::directory_iterator(f.target)) {
    std::string host = entry.path().filename().string();
    require(entry.is_regular_file() && !entry.is_symlink(), "only plain files are written", host);
    auto name = win::windowsNameOf(entry.path().filename());
    require(name && *name == UpperCaseAscii(*name), "each file bears a valid upper-case name", host);
    ++files;
  }
  // Later entries replace earlier files, so there are never more files than entries written.
  require(files <= count, "every file left is an entry written in full");
  return 0;
}
