#pragma once
// HOG archives, the format of the module archives (*.QRM), as the installer reads them, and the wildcard
// matching of their entry names. An archive is the three bytes "VHF" followed by its entries back to back
// up to the end of the file; there is no directory, no entry count and no end marker. Archives are only
// read here: nothing in this file changes an archive.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Each entry: a NUL-padded 8-bit name (all 13 bytes when it has no NUL), the size of its data as a 32-bit
// little-endian signed integer, then the data.
inline constexpr std::string_view kHogMagic = "VHF";
inline constexpr int kHogNameWidth = 13;
inline constexpr int kHogSizeWidth = 4;
inline constexpr int kHogEntryHeaderLength = kHogNameWidth + kHogSizeWidth;

// The one flag of Extract_HOG: show the error box when the file is no HOG archive.
inline constexpr int kHogReportInvalid = 4;

// One entry while it is being read.
struct HogEntry {
  std::string Name;     // as stored, its ASCII letters upper-cased
  int32_t DataPos = 0;  // 0-based position of the first data byte, just behind the size
  int32_t Size = 0;     // data bytes; negative only in a damaged archive
};

// Reads three bytes at the current position (always three) and tells whether they are the magic.
bool IsHogFile(int fileNumber);
// Fills the entry from the header at the current position and leaves the position at its data.
// Failures of the file layer pass on.
void ReadHogEntryHeader(int fileNumber, HogEntry& entry);

// Writes each entry whose name matches the mask into the target directory under its upper-cased name, in
// archive order, a later entry replacing an earlier file of the same name; returns how many entries
// were written in full, at most 32767. Errors are ignored and never reported, with these rules:
// - a missing archive, or one without the magic, gives 0; with flags holding kHogReportInvalid the
//   latter shows the error box "HOG file error" first;
// - an entry whose name is no plain file name (empty, a separator, ":", a wildcard, any character a
//   Windows name cannot hold, a leading "." or a trailing "." or blank) is skipped and not counted, so
//   nothing is ever created outside the target directory;
// - a damaged archive (fewer than 17 header bytes left, a negative size, data running past the end of
//   the file) ends the scan at that entry, which is not written;
// - each entry is written under a temporary name and put in place only when all its bytes are there, so
//   a failed write keeps the older file of that name and is not counted. A written entry replaces the
//   older file in whatever case it was spelt, so no other spelling is left to be opened instead.
// Positions are 32-bit: entries beyond the first 2 GiB of an archive are never reached.
// When written is given, it receives the (upper-cased) names of the entries written in full, in archive
// order, however many: only these files in the target directory are this archive's.
int16_t Extract_HOG(std::string_view archivePath, std::string_view mask, std::string_view targetDirectory, int flags,
                    std::vector<std::string>* written = nullptr);

// Whether a file name matches a wildcard mask, without regard to the case of ASCII letters: a name equal
// to the mask, any name for "*.*", else base and extension (split at the last ".") each by MatchWildPart.
bool MatchWild(std::string_view mask, std::string_view name);
// One part of a name against one part of a mask: "?" stands for exactly one character, "*" for any rest
// (also none) and ends the comparison, so whatever follows it is ignored ("*abc" matches like "*");
// without a "*" the lengths must agree. An empty mask part matches only an empty name part.
bool MatchWildPart(std::string_view maskPart, std::string_view namePart);
