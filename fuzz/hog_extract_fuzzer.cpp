// Arbitrary bytes as a module archive, extracted with the mask "*.*" into a target directory of a
// prefix of its own. Property: nothing is written outside the target, and every file in it is a plain
// file with a valid upper-case name, written by a counted entry.
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>

#include "installer/vm_hog.h"
#include "platform/drives.h"
#include "platform/files.h"
#include "shared/routines.h"

namespace fs = std::filesystem;

namespace {

struct Prefix {
  fs::path root;
  fs::path archive;
  fs::path target;
  std::set<fs::path> filesOutsideTarget;
};

std::set<fs::path> filesBelow(const fs::path& folder, const fs::path& leaveOut) {
  std::set<fs::path> files;
  for (auto it = fs::recursive_directory_iterator(folder); it != fs::recursive_directory_iterator(); ++it) {
    if (it->path() == leaveOut) {
      it.disable_recursion_pending();
      continue;
    }
    files.insert(it->path());
  }
  return files;
}

Prefix& prefix() {
  static Prefix p = [] {
    Prefix made;
    std::string folder = (fs::temp_directory_path() / "vm-fuzz-hog-XXXXXX").string();
    if (!mkdtemp(folder.data())) std::abort();
    made.root = folder;
    win::drives().usePrefix(made.root, {.installFonts = false});
    made.archive = made.root / "drive_c" / "MODS" / "TEST.QRM";
    made.target = made.root / "drive_c" / "TARGET";
    fs::create_directories(made.archive.parent_path());
    std::ofstream(made.archive).put('\0');
    fs::create_directories(made.target);
    made.filesOutsideTarget = filesBelow(made.root, made.target);
    std::atexit([] { fs::remove_all(prefix().root); });
    return made;
  }();
  return p;
}

void check(bool holds) {
  if (!holds) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  Prefix& p = prefix();
  for (const auto& entry : fs::directory_iterator(p.target)) fs::remove_all(entry.path());
  {
    std::ofstream out(p.archive, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  }
  int16_t count = Extract_HOG("C:\\MODS\\TEST.QRM", "*.*", "C:\\TARGET", 0);
  check(count >= 0);
  check(!win::isOpen(1));

  check(filesBelow(p.root, p.target) == p.filesOutsideTarget);
  int files = 0;
  for (const auto& entry : fs::directory_iterator(p.target)) {
    check(entry.is_regular_file() && !entry.is_symlink());
    auto name = win::windowsNameOf(entry.path().filename());
    check(name && *name == UpperCaseAscii(*name));
    ++files;
  }
  // Later entries replace earlier files, so there are never more files than entries written.
  check(files <= count);
  return 0;
}
