#pragma once
// Module descriptions and installed state: the description file of a module archive, read into a
// ModuleInfo; the version recorded in vyst.ini, compared with the offered one; and the modes that the
// user may choose for the module, with the one proposed.
#include <cstdint>
#include <string>
#include <string_view>

#include "installer/installer_state.h"

// The description inside every module archive, and where it is extracted to (inf_dir).
inline constexpr std::string_view kModuleDescriptionFile = "quarrow.inf";
// The family's settings file in pfad_vyst, with the module records keyed by module Name.
inline constexpr std::string_view kFamilySettingsFile = "vyst.ini";
inline constexpr std::string_view kModuleDirsSection = "Moduls_Dirs";
inline constexpr std::string_view kModuleExesSection = "Moduls_EXEs";
inline constexpr std::string_view kModuleVersionsSection = "Moduls_Versions";
inline constexpr std::string_view kModuleLastModeSection = "Moduls_LastInstallMode";
inline constexpr std::string_view kDetourSection = "Detour";
// Directory shown for an update-only module with no installed copy to update.
inline constexpr std::string_view kUpdateOnlyNotInstalled = "(Upgrade only, old version not installed)";

// A leading "Vyst" (exact case) and the one character after it become pfad_vyst with a separator; then
// a leading "Main" and the character after it become module_dir with a separator. Other paths stay.
std::string ExpandModulePath(std::string_view path);

// Text = Major; unless Status is exactly "Final", followed by " " Status, " " Minor and " Build " Build,
// each only when it is a value.
void MakeVersionText(VersionInfo& version);

// -1 when the installed version is newer, 0 when the same, 1 when the offered one is newer. Fields are
// compared as texts by character codes ("9" after "10"), in this order: Major; "Final" against any other
// status; Minor; "Beta" against "Alpha"; Build. Other status words are not compared.
int16_t CompareVersions(const VersionInfo& installed, const VersionInfo& offered);

// Reads Name (upper-cased), Long (the Name when it is no value), Desc, Directory (DefaultDirectory),
// EXEfile, NewVersion with its Text and UpdateOnly (exactly "1") from a description file; the other
// fields stay as they are. Missing keys read as empty text.
void ReadModuleInfo(std::string_view directory, std::string_view fileName, ModuleInfo& module);

// Removes any description left in inf_dir (in every case spelling), then extracts the archive's own
// "quarrow.inf" there; true only when it was written in full.
bool ExtractModuleInf(std::string_view archivePath);

// Loads a module archive into the record: its description, its installed state from vyst.ini and the
// modes allowed and proposed. False, with the record untouched, when the archive gives no description
// or the description's Name could not be a settings key (empty, holding "=", CR or LF, or starting with
// "[" or ";"). The proposed directory of a module that is not installed takes the drive letter of
// pfad_vyst when both start with a letter and ":".
bool LoadModule(std::string_view archivePath, ModuleInfo& module);
