#pragma once
// Settings files: single keys through the system's profile functions and the split of a list line
// (settings_keys.cpp), list sections line by line (settings_sections.cpp).
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

std::string GetIniString(std::string_view directory, std::string_view fileName, std::string_view section,
                         std::string_view key);
// True when the file was written; the programs' own callers look at it only where a failure must be
// reported (the install run's records).
bool WriteIniString(std::string_view directory, std::string_view fileName, std::string_view section,
                    std::string_view key, std::string_view value);
std::string getlinefrominifile(std::string_view directory, std::string_view fileName, std::string_view section,
                               int32_t n);
// Passes a failure to read an existing file on to the caller (as win::Error).
int32_t CountIniSectionLines(std::string_view directory, std::string_view fileName, std::string_view section);

// The counted lines of a section, read from the file once and then handed out by number as getlinefrominifile
// hands them out: for a walk of a long list, where reading the file again for each line would make the walk
// cost the square of its length. Holds the lines as the file had them when it was made.
class IniSectionLines {
 public:
  IniSectionLines(std::string_view directory, std::string_view fileName, std::string_view section);
  std::string line(int32_t n) const;  // empty text for n out of range, as getlinefrominifile

 private:
  std::vector<std::string> lines_;
};

// The lines of a section (exact name, every occurrence) flowed into one text: lines starting with ";" are
// left out; a leading "$" is dropped; an empty line or "%" becomes a line break (CR LF); a line holding
// "~~" stands on a line of its own; a line starting with "*" or "-" starts a new line; every line is
// followed by a blank unless it ends in one. Then runs of blanks become one and no line break is followed
// by a blank; the text is not trimmed. Empty text when the file cannot be read.
std::string GetIniSectionText(std::string_view directory, std::string_view fileName, std::string_view section);

// Sixteen fields, numbered 1 to 16 as the list lines count them.
struct FieldList {
  std::array<std::string, 16> values;
  std::string& operator[](int i) { return values.at(static_cast<size_t>(i - 1)); }
  const std::string& operator[](int i) const { return values.at(static_cast<size_t>(i - 1)); }
};
void SplitCommaList(std::string line, FieldList& fields);
