#include "text.h"

#include <array>
#include <cstdint>

namespace win {
namespace {

// Code points of 0x80..0x9F in Windows-1252; 0 marks the five undefined bytes.
constexpr std::array<char32_t, 32> kHigh = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                            0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                            0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                            0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

char32_t codePoint(unsigned char b) {
  if (b >= 0x80 && b < 0xA0) return kHigh[b - 0x80] ? kHigh[b - 0x80] : b;
  return b;
}

void appendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (cp >> 18));
    out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

std::optional<unsigned char> ansiByte(char32_t cp) {
  if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<unsigned char>(cp);
  for (unsigned i = 0; i < kHigh.size(); ++i)
    if (kHigh[i] == cp && cp != 0) return static_cast<unsigned char>(0x80 + i);
  // Undefined bytes round-trip as the C1 control characters they were decoded to.
  if (cp >= 0x80 && cp < 0xA0 && kHigh[cp - 0x80] == 0) return static_cast<unsigned char>(cp);
  return std::nullopt;
}

}  // namespace

std::string toUtf8(std::string_view ansi) {
  std::string out;
  out.reserve(ansi.size());
  for (char c : ansi) appendUtf8(out, codePoint(static_cast<unsigned char>(c)));
  return out;
}

std::optional<std::string> toAnsi(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  for (size_t i = 0; i < utf8.size();) {
    auto b = static_cast<unsigned char>(utf8[i]);
    char32_t cp;
    size_t len;
    if (b < 0x80) {
      cp = b;
      len = 1;
    } else if ((b & 0xE0) == 0xC0) {
      cp = b & 0x1F;
      len = 2;
    } else if ((b & 0xF0) == 0xE0) {
      cp = b & 0x0F;
      len = 3;
    } else if ((b & 0xF8) == 0xF0) {
      cp = b & 0x07;
      len = 4;
    } else
      return std::nullopt;
    if (i + len > utf8.size()) return std::nullopt;
    for (size_t k = 1; k < len; ++k) {
      auto c = static_cast<unsigned char>(utf8[i + k]);
      if ((c & 0xC0) != 0x80) return std::nullopt;
      cp = (cp << 6) | (c & 0x3F);
    }
    auto byte = ansiByte(cp);
    if (!byte) return std::nullopt;
    out += static_cast<char>(*byte);
    i += len;
  }
  return out;
}

char foldCase(char c) {
  auto b = static_cast<unsigned char>(c);
  if (b >= 'a' && b <= 'z') return static_cast<char>(b - 32);
  if ((b >= 0xE0 && b <= 0xFE && b != 0xF7)) return static_cast<char>(b - 32);
  if (b == 0x9A || b == 0x9C || b == 0x9E) return static_cast<char>(b - 16);  // š œ ž
  if (b == 0xFF) return static_cast<char>(0x9F);                              // ÿ
  return c;
}

bool equalsNoCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (foldCase(a[i]) != foldCase(b[i])) return false;
  return true;
}

bool lessNoCase(std::string_view a, std::string_view b) {
  size_t n = std::min(a.size(), b.size());
  for (size_t i = 0; i < n; ++i) {
    auto x = static_cast<unsigned char>(foldCase(a[i]));
    auto y = static_cast<unsigned char>(foldCase(b[i]));
    if (x != y) return x < y;
  }
  if (a.size() != b.size()) return a.size() < b.size();
  return a < b;
}

}  // namespace win
