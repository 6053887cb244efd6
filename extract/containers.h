#pragma once
// The four movie containers as the wizard reads them: the movie signature test, the source check
// that the source page runs on every clicked file, and the reading of a library's directory.
// Sources are only ever opened read-only; nothing here creates or changes a file.
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "extract/wizard_state.h"

// The formats address their bytes with 32-bit signed integers, so no container can be longer.
inline constexpr int64_t kMaxContainerLength = INT32_MAX;

// Offsets at which a self-playing EXE may carry its movie. All four are tested in this order; when the
// signature stands at more than one, the last of them wins.
inline constexpr int32_t kDosPlayerOffset = 107354;
inline constexpr int32_t kPlayerOffsets[] = {kDosPlayerOffset, 310784, 233472, 76800};

// True when the 18 bytes at the 0-based offset of an open file spell the MVE signature.
bool IsMVEAt(int fileNumber, int32_t offset);

// Why a source was not valid, so the page can say more than "not valid" where it matters.
enum class SourceFault {
  None,         // valid
  NotThisKind,  // readable, but not a container of the kind mode1 asks for
  Missing,      // no such file
  CannotOpen,   // exists, but could not be opened or read
  TooLarge,     // longer than kMaxContainerLength
};

// The source check for the kind in mode1. Hands back through value the entry count (MVL, BIF) or the
// movie's offset (self-playing EXE); an MVL library with a wrong magic still hands back its count.
bool checkmvefiletype(std::string_view path, int32_t& value, SourceFault& fault);
bool checkmvefiletype(std::string_view path, int32_t& value);

// Name of BIF entry i: the source's base name, "-movie", two digits (three from 100 on), ".mve".
std::string BifEntryName(std::string_view sourcePath, int entryNumber);

enum class DirectoryVerdict {
  Complete,
  Ripped,      // an entry's data lies (partly) outside the file; the entries before it were handed on
  Unreadable,  // the source could not be opened or read (it changed after the source check)
};

// Called with each entry's number and record as soon as it is read and found whole.
using EntryHandler = std::function<void(int number, const MovieEntry& entry)>;

// Reads the directory of the library at path (an MVL library or a BIF archive, after mode1) into
// entries 1 to at most 127. Entry numbers from 128 on are passed over. The data of an entry may end
// one byte past the end of the file without counting as ripped.
DirectoryVerdict ReadLibraryDirectory(std::string_view path, MovieTable& entries, const EntryHandler& onEntry);
