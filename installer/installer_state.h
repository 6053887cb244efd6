#pragma once
// The installer's shared state: the module table that the module screen fills and the install run reads,
// the mode names, and the two directories that module descriptions are read from and expanded with.
#include <array>
#include <cstdint>
#include <string>

// What the user chose to do with a module; the values are stored and compared as 16-bit numbers.
enum ModeCode : int16_t { kSkip = 0, kInstall = 1, kUninstall = 2, kRepair = 3, kUpdate = 4 };
inline constexpr int kModeCount = 5;

// One version of a module, as its description writes it ("Final", "Beta" and "Alpha" are the status
// words that are compared); Text is the display form.
struct VersionInfo {
  std::string Major;
  std::string Status;
  std::string Minor;
  std::string Build;
  std::string Text;
};

// One module: its archive, its description and what the user chose for it.
struct ModuleInfo {
  std::string File;                        // path of the module archive
  std::string Name;                        // key of the module, upper case; its key in vyst.ini
  std::string Long;                        // title for the list
  std::string Directory;                   // where to install it, or where it is installed
  std::string EXEfile;                     // program file of the module inside Directory
  std::string Desc;                        // description; also the name of its shortcut
  VersionInfo NewVersion;                  // offered by the archive
  VersionInfo InstalledVersion;            // recorded as installed; empty when none was taken over
  std::array<bool, kModeCount> Allowed{};  // by mode code: the modes the user may choose
  int16_t Mode = kSkip;
  bool DirFixed = false;    // Directory may not be edited
  bool UpdateOnly = false;  // the module only updates an installed copy
};

// Modules numbered 1 to 32, as the module screen counts them: list line i belongs to slot i + 1.
struct ModuleTable {
  static constexpr int kCapacity = 32;
  std::array<ModuleInfo, kCapacity> values;
  ModuleInfo& operator[](int i) { return values.at(static_cast<size_t>(i - 1)); }
  const ModuleInfo& operator[](int i) const { return values.at(static_cast<size_t>(i - 1)); }
};

extern ModuleTable modules;
extern std::array<std::string, kModeCount> mode_names;  // by mode code; set by the start procedure
extern std::string module_dir;                          // Directory of the module that the run is processing
extern std::string inf_dir;                             // where a module's quarrow.inf is extracted to; pfad_temp
