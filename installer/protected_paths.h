#pragma once
// What no module's lines may delete or replace, whatever they name: the family's own settings files, and
// the directories that the family, the system and the host's user share. Paths are compared by what they
// reach, so another spelling, another drive or a link leading there is caught as well.
#include <string_view>

// vyst.ini and vortane.ini in the base directory, and C:\VYST.CFG, also while the file is not there.
bool IsFamilyFile(std::string_view path);

// The base directory, the Windows directory or the System directory.
bool IsFamilyDirectory(std::string_view directory);

// A directory whose settings files are not one module's own: a family directory, the root of a drive, the
// host user's home folder, the prefix folder, or a folder that holds one of the last two. A directory that
// cannot be looked at counts as shared.
bool IsSharedDirectory(std::string_view directory);
