#pragma once
// Synthetic movie containers for tests and for the sample folder of a ready prefix. Every byte is
// made here; the movies are shaped like MVE movies but show nothing.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace samples {

inline constexpr char kMveSignature[] = "Interplay MVE File";
// Signature, its two trailing bytes and the six bytes of the movie header.
inline constexpr size_t kMveHeaderLength = 26;
// Header plus the end chunk: the shortest movie made here.
inline constexpr size_t kShortestMovie = kMveHeaderLength + 4;

// A movie of exactly `size` bytes (at least kShortestMovie): the header, chunks of pseudo-random
// payload derived from seed, and an end chunk.
std::string mveMovie(size_t size, uint32_t seed);

struct MvlEntry {
  std::string name;  // up to 13 characters; the field is NUL-padded
  std::string data;
  std::optional<int32_t> declaredSize;  // written in place of the data's length
};
struct MvlOptions {
  std::string magic = "VMVL";
  std::optional<int32_t> declaredCount;  // written in place of the number of entries
};
std::string mvlLibrary(const std::vector<MvlEntry>& entries, const MvlOptions& options = {});

struct BifEntry {
  std::string data;
  std::optional<int32_t> declaredOffset;  // written in place of where the data lies
  std::optional<int32_t> declaredSize;
};
struct BifOptions {
  std::string magic = "BIFF";
  std::optional<int32_t> declaredCount;
};
// The data follows the entry table, back to back.
std::string bifArchive(const std::vector<BifEntry>& entries, const BifOptions& options = {});

// A fake player of movieOffset bytes, followed by the movie.
std::string selfPlayingExe(const std::string& movie, int32_t movieOffset);

// The container cut short by the given number of bytes, as a ripped copy is.
std::string truncated(std::string container, size_t missingBytes);

// Writes a folder of one sample of each kind: MOVIES.MVL (3 movies), AREA.BIF (3 movies),
// TRAILER.EXE (movie at 76800) and LOGO.MVE.
void writeSampleFolder(const std::filesystem::path& folder);

}  // namespace samples
