#pragma once
// Settings files read and written key by key, with the rules of the system's profile functions:
// section and key names compare without regard to case, blanks around keys and values are trimmed,
// and a file name without any directory lies in the Windows directory.
#include <cstddef>
#include <string>
#include <string_view>

namespace win {

// The value of the first matching key without one pair of quotes around it (ini::withoutQuotes), or the
// default; cut to bufferSize - 1 characters.
std::string getPrivateProfileString(std::string_view section, std::string_view key, std::string_view defaultValue,
                                    size_t bufferSize, std::string_view fileName);

// Replaces the first matching key in place, or adds it at the end of its section, or adds the section
// at the end of the file; creates a missing file (never a missing directory). Every other line stays
// byte for byte; new lines end in CR LF. The file is replaced through a temporary file, so a failed
// write loses nothing. A link bearing the file's name is replaced by a new file holding only this key:
// the file it points to is neither written nor copied. An empty section or key changes nothing. The
// value is written as given, quotes and all. False when the file cannot be written.
bool writePrivateProfileString(std::string_view section, std::string_view key, std::string_view value,
                               std::string_view fileName);

}  // namespace win
