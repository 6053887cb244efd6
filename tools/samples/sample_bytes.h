#pragma once
// The byte layouts that every sample writer shares: little-endian integers and NUL-padded text fields.
#include <cstdint>
#include <string>

namespace samples {

inline void putShort(std::string& out, uint16_t value) {
  out += static_cast<char>(value & 0xFF);
  out += static_cast<char>(value >> 8);
}

inline void putLong(std::string& out, int32_t value) {
  auto u = static_cast<uint32_t>(value);
  for (int shift = 0; shift < 32; shift += 8) out += static_cast<char>((u >> shift) & 0xFF);
}

// The text cut to width, padded with NULs to width.
inline void putField(std::string& out, const std::string& text, size_t width) {
  std::string field = text.substr(0, width);
  field.resize(width, '\0');
  out += field;
}

}  // namespace samples
