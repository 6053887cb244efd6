#pragma once
// The wizard's shared state: filled in page by page and finally read by the extraction run.
// One instance each, zero or empty at start; only the pages write them.
#include <array>
#include <cstdint>
#include <string>

// One movie to extract. Offset and size are 32-bit signed because the containers hold them so.
struct MovieEntry {
  std::string Name;    // file name without directory, from which the output is named
  int32_t Offset = 0;  // 0-based position of the movie's first byte in the source file
  int32_t Size = 0;    // bytes
};

// Movies numbered 1 to 128, as the pages count them.
struct MovieTable {
  static constexpr int kCapacity = 128;
  std::array<MovieEntry, kCapacity> values;
  MovieEntry& operator[](int i) { return values.at(static_cast<size_t>(i - 1)); }
  const MovieEntry& operator[](int i) const { return values.at(static_cast<size_t>(i - 1)); }
};

// The values of mode1 and mode2; 0 in either means not chosen yet.
enum SourceKind : int16_t { kMveFile = 1, kMvlLibrary = 2, kSelfPlayingExe = 3, kBifArchive = 4 };
enum OutputKind : int16_t { kMveOutput = 1, kWin32Exe = 2, kDosExe = 3 };  // the EXE kinds play themselves

// Kind of source (a SourceKind), kept as the 16-bit number the pages store.
extern int16_t mode1;
// Kind of output (an OutputKind), kept as the 16-bit number the pages store.
extern int16_t mode2;
extern std::string StubFile;    // player stub in "stub\" of the main directory; empty for MVE output
extern std::string SourcePath;  // full path of the source file
extern MovieTable Movies;       // entries 1 to MovieCount are in use
extern int16_t MovieCount;
extern int64_t SpaceNeeded;    // 64-bit: the movies' sizes plus a stub each can pass 2 GiB
extern std::string TargetDir;  // ends in a separator
