#pragma once
// The basic reads of binary formats at 0-based offsets of an open numbered file. Every reader of a
// binary format builds on these; none repeats them.
#include <cstdint>
#include <string>

// The fixed-width 8-bit text at offset, up to its first NUL; the whole field is consumed.
std::string textAt(int fileNumber, int64_t offset, int width);
// The 32-bit little-endian signed integer at offset; missing bytes read as 0.
int32_t longAt(int fileNumber, int64_t offset);
