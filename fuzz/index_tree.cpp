// The topic tree built from any bytes as the manual's index file, on a real (offscreen) tree view.
// Whatever the [Index] section holds, the tree keeps its shape: keys follow the counted lines, every
// child hangs below an earlier node, no branch is deeper than eight levels, each image tells what its
// node is, and the first node is the current topic.
#include <QApplication>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "fuzz/fuzz_support.h"
#include "help/nimbrel_index.h"
#include "shared/routines.h"

using fuzzing::require;

// The system's font library keeps caches for the life of the process; they are not this project's leaks.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }

namespace {

constexpr const char* kManualDir = "C:\\VYST\\MANUAL\\";
constexpr int kDeepestLevels = 8;

const std::filesystem::path& indexFile() {
  static const std::filesystem::path file = fuzzing::prefix().driveC() / "VYST" / "MANUAL" / "index.nbx";
  return file;
}

int numberOf(const ui::Node& node) {
  require(node.key().rfind("Item", 0) == 0, "a key is Item and a number", node.key());
  return std::atoi(node.key().c_str() + 4);
}

void requireTreeShape(NimbrelIndexForm& window) {
  const std::string& status = window.statusText;
  require(status.empty() || status == "Branch > 8" || status == "Parent not found", "a known status", status);
  int previous = 0;
  for (int k = 1; k <= window.TreeView1.count(); ++k) {
    ui::Node& node = window.TreeView1.item(k);
    int number = numberOf(node);
    require(number > previous, "keys follow the counted lines", node.key());
    previous = number;
    int levels = 1;
    for (ui::Node* parent = node.parent(); parent; parent = parent->parent(), ++levels) {
      require(numberOf(*parent) < number, "a child hangs below an earlier node", node.key());
    }
    require(levels <= kDeepestLevels, "a branch is at most eight levels deep", node.key());
    int image = !IsValue(node.tag()) ? 1 : node.children() > 0 ? 2 : 3;
    require(node.image() == image, "the image tells heading, page or page with sub-topics", node.key());
  }
  if (window.TreeView1.count() > 0) {
    ui::Node* selected = window.TreeView1.selectedItem();
    require(selected && selected->index() == 1, "the first node is selected");
    require(window.topicTitle == selected->text(), "the first node is the current topic", window.topicTitle);
  }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  // A private runtime folder keeps Qt from warning about a missing one.
  std::filesystem::path runtime = fuzzing::prefix().root() / "xdg-runtime";
  std::filesystem::create_directories(runtime);
  std::filesystem::permissions(runtime, std::filesystem::perms::owner_all);
  setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);
  static int argc = 1;
  static char name[] = "fuzz_index_tree";
  static char* argv[] = {name, nullptr};
  new QApplication(argc, argv);  // lives as long as the process
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  testing_support::writeFile(indexFile(), std::string(fuzzing::textOf(data, size)));
  NimbrelIndex.InitNBXFile(kManualDir);
  requireTreeShape(NimbrelIndex);
  return 0;
}
