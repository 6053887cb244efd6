#pragma once
// Names of the files the extraction run writes. Entry names come from the container and are not to be
// trusted: each becomes a plain file name that stays inside the target directory.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "extract/wizard_state.h"

// The last path part of a name, with every character a file name cannot hold replaced by "_" and
// leading dots and surrounding blanks removed; "MOVIE" and the three-digit number when nothing is left.
std::string SafeFileName(std::string_view name, int number);

// Output names of movies 1 to count: each entry's safe name upper-cased, extension MVE for output kind 1 and
// EXE otherwise, and names that would meet on disk (case does not count there) made distinct with ~2,
// ~3, ... before the extension. Element k - 1 belongs to movie k.
std::vector<std::string> OutputNames(const MovieTable& movies, int count, int16_t outputKind);
