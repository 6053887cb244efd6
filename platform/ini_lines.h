#pragma once
// The lines of a settings file as the system's profile functions read them, on text already in memory:
// no file access, so the profile functions and the drive map share one reading of the same rules.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace win::ini {

struct Line {
  std::string text;  // without its end
  std::string end;   // "\r\n", "\r", "\n", or "" for a last line without an end
};

// Lines end at CR LF, a lone CR or a lone LF; joining text and end of every line gives the data back.
// Empty data has no lines; data ending in a line end has no empty last line.
std::vector<Line> splitLines(std::string_view data);

// Without the blanks and tabs at both ends.
std::string_view trim(std::string_view text);

// The trimmed name between "[" and the first "]" of a header line ("[ Drives ] ; x" names "Drives"; a
// missing "]" takes the rest of the line), or nullopt for any other line.
std::optional<std::string_view> headerName(std::string_view line);

struct KeyLine {
  std::string_view key;    // trimmed; may be empty ("=x")
  std::string_view value;  // trimmed, quotes kept
};
// The key and value of a line holding "=", split at the first "="; nullopt for a line without one.
// Comment lines get no special treatment: ";k=v" has the key ";k", which no name lookup asks for.
std::optional<KeyLine> keyLine(std::string_view line);

// Whether the line holds the key (trimmed, compared without regard to case); hands its value on.
bool keyMatches(std::string_view line, std::string_view key, std::string_view* value);

// A value as the profile functions hand it out: one pair of equal quotes (" or ') around the whole value
// is dropped, so "C:\VYST" in double quotes reads as C:\VYST and '' as empty text. A quote at one end
// only ("a), text after the closing quote ("a" b), mixed quotes ("a') and a lone quote stay as they
// are; blanks inside the quotes stay.
std::string_view withoutQuotes(std::string_view value);

}  // namespace win::ini
