#include <optional>
#include <string>

#include "platform/error.h"
#include "platform/files.h"
#include "shared/identity.h"
#include "shared/routines.h"
#include "shared/settings.h"
#include "shared/vyst32.h"

namespace {

// Gives up on a probe that will not go away rather than trying without end.
constexpr int kDeletionTries = 10;
constexpr int kProbeVariants = 1000;

// Anything bearing the name holds it, a link leading nowhere too.
bool nameIsTaken(const std::string& path) {
  try {
    return win::entryExists(path);
  } catch (const win::Error&) {
    return true;
  }
}

// The program's probe name when it is free, else the first free one of name1.ext, name2.ext, ...:
// a file or link of the user's that carries the probe's name is never written over or deleted.
std::optional<std::string> freeProbePath(const std::string& directory) {
  std::string base, extension;
  SplitFileName(makedirtree_probe, base, extension);
  std::string suffix = extension.empty() ? std::string() : "." + extension;
  for (int variant = 0; variant < kProbeVariants; ++variant) {
    std::string name = variant == 0 ? makedirtree_probe : base + std::to_string(variant) + suffix;
    std::string path = directory + name;
    if (!nameIsTaken(path)) return path;
  }
  return std::nullopt;
}

}  // namespace

bool MakeDirTree(std::string_view directory) {
  std::string dir(directory);
  // Only "\" separates here; starting behind "C:\" leaves the root of a drive path alone.
  for (size_t at = 3; at + 1 < dir.size(); ++at)
    if (dir[at] == '\\') win::tryStep([&] { win::mkDir(dir.substr(0, at)); });
  win::tryStep([&] { win::mkDir(dir); });

  std::string withSeparator = AddPathSeparator(dir);
  auto probe = freeProbePath(withSeparator);
  if (!probe) return false;
  std::string probeName = probe->substr(withSeparator.size());
  WriteIniString(dir, probeName, "Test", "Test", "Test");
  bool writable = GetIniString(dir, probeName, "Test", "Test") == "Test";
  for (int tries = 0; tries < kDeletionTries && FileExists(*probe); ++tries) win::tryStep([&] { KillFile(*probe); });
  return writable;
}
