#pragma once
// A ready family in the current prefix, so that a new user can run the wizard at once: the base
// directory with its settings, the wizard's main directory with pictures and manual, the help engine's
// files, and a folder of sample containers that the wizard opens on.
#include <filesystem>
#include <string>

struct DefaultPrefixVersion {
  std::string major, status, minor, build;  // as the installer records a module's version
};

// Copies the program files from the source tree. Does nothing and reports false when C:\VYST.CFG names
// a base directory already, so that an existing family is never overwritten.
bool FillDefaultPrefix(const std::filesystem::path& sourceTree, const DefaultPrefixVersion& version);
