#pragma once
// A prefix of its own for one test: drive C: and the Windows folders in a fresh temporary folder,
// removed again when the test ends. The user's prefix is never touched.
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/drives.h"

namespace testing_support {

class TempPrefix {
 public:
  explicit TempPrefix(win::PrefixOptions options = {});
  ~TempPrefix();
  TempPrefix(const TempPrefix&) = delete;
  TempPrefix& operator=(const TempPrefix&) = delete;

  const std::filesystem::path& root() const { return root_; }
  std::filesystem::path driveC() const { return root_ / "drive_c"; }
  // A fresh host folder inside the prefix, mapped as the given drive letter.
  std::filesystem::path mapDrive(char letter, const std::string& folderName);

 private:
  std::filesystem::path root_;
};

// Points the desktop's data and configuration folders (XDG_DATA_HOME, XDG_CONFIG_HOME) into a prefix for
// as long as it lives, so nothing of the user's desktop is read or written.
class DesktopFoldersIn {
 public:
  explicit DesktopFoldersIn(const TempPrefix& prefix);
  ~DesktopFoldersIn();
  DesktopFoldersIn(const DesktopFoldersIn&) = delete;
  DesktopFoldersIn& operator=(const DesktopFoldersIn&) = delete;
};

// Points HOME at the folder "home/user" of a prefix (created) for as long as it lives, and puts the former
// value back, so that nothing in the user's own home folder is at stake.
class HomeFolderIn {
 public:
  explicit HomeFolderIn(const TempPrefix& prefix);
  ~HomeFolderIn();
  HomeFolderIn(const HomeFolderIn&) = delete;
  HomeFolderIn& operator=(const HomeFolderIn&) = delete;
  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
  std::optional<std::string> former_;
};

// Writes bytes to a host file, creating its folders.
void writeFile(const std::filesystem::path& path, const std::string& bytes);
std::string readFile(const std::filesystem::path& path);
// Bytes that differ from block to block, so that a block written twice or out of place shows.
std::string bytesOf(size_t size, unsigned pattern);
// The names of the entries of a host folder, sorted; none when it is missing.
std::vector<std::string> namesIn(const std::filesystem::path& folder);
// The lines of a settings file as the programs write them, each ending in CR LF.
std::string crlfLines(const std::vector<std::string>& lines);

// The number of the platform error that the call raises, or 0 when it raises none.
int errorNumberOf(const std::function<void()>& call);

}  // namespace testing_support
