#include "platform/ini_lines.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace {

using win::ini::KeyLine;

TEST(IniLines, SplitKeepsEveryLineEndSoTheDataJoinsBackByteForByte) {
  struct Case {
    std::string data;
    std::vector<std::pair<std::string, std::string>> lines;  // text, end
  };
  const Case cases[] = {
      {"", {}},
      {"a", {{"a", ""}}},
      {"a\r\nb\r\n", {{"a", "\r\n"}, {"b", "\r\n"}}},
      {"a\nb\rc", {{"a", "\n"}, {"b", "\r"}, {"c", ""}}},
      {"\r\n\n", {{"", "\r\n"}, {"", "\n"}}},
      {"a\r\r\nb", {{"a", "\r"}, {"", "\r\n"}, {"b", ""}}},  // a CR before CR LF ends a line of its own
      {"a\n\rb", {{"a", "\n"}, {"", "\r"}, {"b", ""}}},      // LF CR is two line ends, not one
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::PrintToString(c.data));
    std::vector<std::pair<std::string, std::string>> got;
    std::string joined;
    for (const auto& line : win::ini::splitLines(c.data)) {
      got.emplace_back(line.text, line.end);
      joined += line.text + line.end;
    }
    EXPECT_EQ(got, c.lines);
    EXPECT_EQ(joined, c.data);
  }
}

TEST(IniLines, TrimDropsBlanksAndTabsAtBothEndsOnly) {
  const std::pair<std::string, std::string> cases[] = {
      {"", ""}, {" \t ", ""}, {"\t a b \t", "a b"}, {"a", "a"}, {"\r a\r", "\r a\r"},
  };
  for (const auto& [text, expected] : cases) EXPECT_EQ(win::ini::trim(text), expected) << text;
}

TEST(IniLines, HeaderNameIsTheTrimmedTextUpToTheFirstClosingBracket) {
  const std::pair<std::string, std::optional<std::string>> cases[] = {
      {"[Drives]", "Drives"},
      {" \t[ Moduls_Dirs ]  ", "Moduls_Dirs"},
      {"[General] ; note", "General"},
      {"[a]b]", "a"},
      {"[Open", "Open"},
      {"[]", ""},
      {"Drives]", std::nullopt},
      {"key=[value]", std::nullopt},
      {"; [Commented]", std::nullopt},
      {"", std::nullopt},
  };
  for (const auto& [line, expected] : cases) {
    auto name = win::ini::headerName(line);
    EXPECT_EQ(name ? std::optional<std::string>(*name) : std::nullopt, expected) << line;
  }
}

TEST(IniLines, KeyLineSplitsAtTheFirstEqualsSignAndTrimsBothSides) {
  const std::pair<std::string, std::optional<std::pair<std::string, std::string>>> cases[] = {
      {"Vyst3=C:\\VYST", {{"Vyst3", "C:\\VYST"}}},
      {"  Vyst3-Installer = qrw32.exe  ", {{"Vyst3-Installer", "qrw32.exe"}}},
      {"\tD\t=\t/media/cd rom\t", {{"D", "/media/cd rom"}}},
      {"a=b=c", {{"a", "b=c"}}},
      {"Empty=", {{"Empty", ""}}},
      {"=value", {{"", "value"}}},
      {"Quoted=\"x\"", {{"Quoted", "\"x\""}}},
      {";D=/x", {{";D", "/x"}}},
      {"no equals sign", std::nullopt},
      {"", std::nullopt},
  };
  for (const auto& [line, expected] : cases) {
    auto found = win::ini::keyLine(line);
    std::optional<std::pair<std::string, std::string>> got;
    if (found) got.emplace(found->key, found->value);
    EXPECT_EQ(got, expected) << line;
  }
}

TEST(IniLines, KeyMatchesWithoutRegardToCaseAndHandsOnTheValue) {
  struct Case {
    std::string line, key;
    bool matches;
    std::string value;
  };
  const Case cases[] = {
      {"TOVRIK32=C:\\TOV\\", "tovrik32", true, "C:\\TOV\\"},
      {" tovrik32 = x ", " TOVRIK32\t", true, "x"},
      {"\xe4rger=1", "\xc4RGER", true, "1"},  // the 1252 letters fold too
      {"TOVRIK32X=1", "TOVRIK32", false, ""},
      {"TOVRIK32", "TOVRIK32", false, ""},
      {"[TOVRIK32]", "TOVRIK32", false, ""},
      {"=x", "", true, "x"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.line + " / " + c.key);
    std::string_view value = "untouched";
    EXPECT_EQ(win::ini::keyMatches(c.line, c.key, &value), c.matches);
    EXPECT_EQ(value, c.matches ? c.value : "untouched");
    EXPECT_EQ(win::ini::keyMatches(c.line, c.key, nullptr), c.matches);
  }
}

TEST(IniLines, WithoutQuotesDropsOnePairOfEqualQuotesAroundTheWholeValue) {
  const std::pair<std::string, std::string> cases[] = {
      {"\"C:\\VYST\"", "C:\\VYST"},
      {"'C:\\VYST'", "C:\\VYST"},
      {"\" a b \"", " a b "},
      {"\"\"\"x\"\"\"", "\"\"x\"\""},  // only one pair
      {"''", ""},
      {"\"\"", ""},
      {"\"", "\""},
      {"'", "'"},
      {"\"a", "\"a"},
      {"a\"", "a\""},
      {"\"a\" b", "\"a\" b"},
      {"\"a'", "\"a'"},
      {"a", "a"},
      {"", ""},
  };
  for (const auto& [value, expected] : cases) EXPECT_EQ(win::ini::withoutQuotes(value), expected) << value;
}

}  // namespace
