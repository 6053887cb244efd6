#pragma once
// Text, path and file helpers that every part of both programs builds on, one group per file that
// defines it: text_routines.cpp, path_routines.cpp, file_routines.cpp and free_space.cpp.
// Texts are 8-bit Windows-1252 strings; file numbers are those of platform/files.h.
#include <cstdint>
#include <string>
#include <string_view>

// Text routines (text_routines.cpp). "In place" ones change the caller's variable.
// A negative count acts as 0.
void CutLeft(std::string& text, int64_t n);   // drops the first n characters; all when not longer than n
void CutRight(std::string& text, int64_t n);  // drops the last n characters; all when not longer than n
void TrimBlanks(std::string& text);           // blanks and NULs at both ends
int64_t InStrPos(std::string_view needle, std::string_view text);  // 1-based, 0 when absent
bool IsValue(std::string_view text);  // false for empty text and "n/a", after trimming blanks and NULs
std::string UpperCaseAscii(std::string_view text);
std::string LowerCaseAscii(std::string_view text);  // only "A" to "Z" change
bool ReplaceVariable(std::string& text, std::string_view searched, std::string_view replacement);
int BoolToInt(bool flag);
std::string FormatThousands(int64_t number);  // "1.234.567"; a negative number gets "-" before its groups

// Path routines (path_routines.cpp).
std::string AddPathSeparator(std::string_view path);
void SplitPath(std::string_view path, std::string& directory, std::string& fileName);
void SplitFileName(std::string_view name, std::string& base, std::string& extension);
std::string ChangeExtension(std::string_view name, std::string_view extension);

// File routines (file_routines.cpp).
// A normal file (wildcards match); false for directories, also when named with a trailing separator.
bool FileExists(std::string_view path);
void KillFile(std::string_view path);
void SeekTo(int fileNumber, int64_t offset);  // 0-based offset
int32_t FilePos0(int fileNumber);             // 0-based position of the next read or write
void ReadFixedString(int fileNumber, std::string& text, int width);
// Copies count bytes between the current positions of two open files (nothing for 0 or less) with
// CopyBlocks, with its errors; nothing runs between its blocks, so the kernel takes them in one piece.
void CopyFileBytes(int in, int out, int32_t count);

// Free disk space (free_space.cpp): the free bytes of the drive named by the path's first two
// characters, the larger of the system's two measurements, each in full 64 bits; 0 when neither can be
// taken.
int64_t getfreespace(std::string_view path);
