#pragma once
// The drive map: Windows paths ("C:\VYST.CFG", "D:data\", "..\stub\w32stub.lib") onto host folders.
//
// A prefix folder holds drive C: as the folder "drive_c" and the file "drives.ini", whose section
// [Drives] maps further letters to host folders (Z=/ by default, so every host file has a Windows
// name). Names match without regard to case, component by component; "\" and "/" both separate.
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace win {

struct PrefixOptions {
  // Copy tahoma.ttf and tahomabd.ttf into the Fonts folder when the prefix is created.
  bool installFonts = true;
};

class Drives {
 public:
  // $VORTANE_PREFIX, else standardPrefix().
  static std::filesystem::path defaultPrefix();
  // $XDG_DATA_HOME/vortane/prefix (XDG_DATA_HOME defaulting to ~/.local/share): the prefix of a program
  // started without VORTANE_PREFIX, as from a desktop menu.
  static std::filesystem::path standardPrefix();

  // Switches to a prefix, creating its folders and drive map when they are missing. Resets the
  // current drive to C: and every drive's current directory to its root.
  void usePrefix(const std::filesystem::path& prefix, PrefixOptions options = {});
  const std::filesystem::path& prefix();

  std::vector<char> letters();  // mapped drive letters in upper case, sorted
  std::optional<std::filesystem::path> root(char letter);
  // Maps a letter for this run only (the drive map file is not changed).
  void map(char letter, const std::filesystem::path& hostFolder);
  void unmap(char letter);

  char currentDrive();
  void setCurrentDrive(char letter);  // error 68 when the letter is not mapped
  // "D:\" or "D:\DATA\MOVIES": the drive's current directory, without trailing separator but at the root.
  std::string currentDirectory(char letter);
  // Sets the current directory of the path's drive (not the current drive); error 76 when it does not exist.
  void changeDirectory(std::string_view winPath);

  // The absolute Windows form "X:\A\B" of a path, after the current drive and directory, "." and "..";
  // ".." stops at the root. Error 52 for a name Windows forbids, 68 for a letter that is not mapped.
  std::string fullPath(std::string_view winPath);
  // The host path of a Windows path. Existing components are matched without regard to case (an exact
  // match first, else the first match in byte order); the rest keep the given spelling. A path spelt as it
  // stands costs one look at it; another spelling is looked up in the folder's kept listing (folder_listings.h).
  // Error 71 when the drive's folder is missing.
  std::filesystem::path toHost(std::string_view winPath);
  // The Windows name of a host path, through the drive whose folder holds it most closely; nullopt when
  // no drive holds it or a name in it cannot be written in Windows.
  std::optional<std::string> toWindows(const std::filesystem::path& hostPath);

 private:
  void ensure();
  std::filesystem::path prefix_;
  std::map<char, std::filesystem::path> roots_;
  std::map<char, std::vector<std::string>> currentDirs_;
  char currentDrive_ = 'C';
  bool ready_ = false;
};

Drives& drives();

// The characters that separate the names of a path; a program may use either.
inline constexpr std::string_view kPathSeparators = "\\/";
constexpr bool isPathSeparator(char c) { return kPathSeparators.find(c) != std::string_view::npos; }

// True when a single name (no separators) may stand in a Windows path: none of \ / : * ? " < > |,
// no control characters, not empty, not "." or "..".
bool isValidWindowsName(std::string_view ansiName);
// A name that stands for one file directly in a folder, under that very name, and that the directory search
// finds again: a valid Windows name that neither starts with "." (hidden on the host) nor ends in "." or a
// blank (Windows drops those), and holds no byte that Windows-1252 leaves undefined.
bool isPlainFileName(std::string_view ansiName);
// True when the path starts with a drive letter and ":".
bool startsWithDriveLetter(std::string_view path);
// The ANSI name of a host directory entry, or nullopt when Windows could not show it.
std::optional<std::string> windowsNameOf(const std::filesystem::path& hostName);

}  // namespace win
