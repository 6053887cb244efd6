#pragma once
// Texts of the programs are 8-bit Windows-1252 strings ("ANSI"), one byte per character.
// The host speaks UTF-8; these helpers convert at the boundary.
#include <optional>
#include <string>
#include <string_view>

namespace win {

std::string toUtf8(std::string_view ansi);
// nullopt when the text holds a character that Windows-1252 cannot represent.
std::optional<std::string> toAnsi(std::string_view utf8);

// Upper case as the system compares file, section and key names: ASCII and the Latin letters of 1252.
char foldCase(char c);
bool equalsNoCase(std::string_view a, std::string_view b);
// Ordering for names that compare without regard to case; ties broken by the bytes themselves.
bool lessNoCase(std::string_view a, std::string_view b);

}  // namespace win
