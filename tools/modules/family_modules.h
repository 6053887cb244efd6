#pragma once
// The family's own module archives, as qrw32 installs them: the wizard (its program, its splash pictures, an
// empty stub folder, and the help companion's picture and sounds below the base directory) and its manual.
// Each holds a quarrow.inf with the version given and the lines that lay its files out.
#include <filesystem>
#include <string>

// A module version as the descriptions give it, in the form of the programs' own version texts: "1.0",
// "Beta", "02", "03" for 1.0 Beta 02 (Build 03).
struct FamilyVersion {
  std::string major, status, minor, build;
};

// The archives' file names.
inline constexpr const char* kWizardArchive = "TOVRIK32.QRM";
inline constexpr const char* kManualArchive = "TOVRIK32_MAN.QRM";

// Writes the two archives into folder from the source tree (help/manual, help/data, extract/data) and the
// wizard's program file, whose name becomes the wizard's EXEfile. Each archive replaces an older one only
// when it is complete. Throws std::runtime_error naming what could not be read or written.
void WriteFamilyModules(const std::filesystem::path& sourceTree, const std::filesystem::path& wizardProgram,
                        const FamilyVersion& version, const std::filesystem::path& folder);
