#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "shared/routines.h"

using namespace std::string_literals;

namespace {

struct CutCase {
  std::string text;
  int64_t n;
  std::string left;   // after CutLeft
  std::string right;  // after CutRight
};

TEST(CutLeftRight, RemoveFromTheirEndOrEmptyTheText) {
  const CutCase cases[] = {
      {"abcdef", 2, "cdef", "abcd"}, {"abcdef", 0, "abcdef", "abcdef"},  {"abcdef", 5, "f", "a"}, {"abcdef", 6, "", ""},
      {"abcdef", 40000, "", ""},     {"abcdef", -3, "abcdef", "abcdef"}, {"", 0, "", ""},         {"", -1, "", ""},
  };
  for (const auto& c : cases) {
    std::string left = c.text, right = c.text;
    CutLeft(left, c.n);
    CutRight(right, c.n);
    EXPECT_EQ(left, c.left) << c.text << " " << c.n;
    EXPECT_EQ(right, c.right) << c.text << " " << c.n;
  }
}

TEST(CutLeft, CountsBeyondSixteenBitsInLongTexts) {
  std::string text(70000, 'x');
  text += "tail";
  CutLeft(text, 70000);
  EXPECT_EQ(text, "tail");
}

TEST(TrimBlanks, StripsBlanksAndNulsOnlyAtBothEnds) {
  const std::pair<std::string, std::string> cases[] = {
      {"  abc  ", "abc"},  {"\0 abc \0"s, "abc"}, {"a b", "a b"}, {"\tabc\t", "\tabc\t"},
      {" \tabc", "\tabc"}, {"   ", ""},           {"", ""},       {"a\0b"s, "a\0b"s},
  };
  for (const auto& [in, out] : cases) {
    std::string text = in;
    TrimBlanks(text);
    EXPECT_EQ(text, out) << "[" << in << "]";
  }
}

TEST(InStrPos, GivesTheOneBasedPositionOfTheFirstExactOccurrence) {
  EXPECT_EQ(InStrPos("b", "abcb"), 2);
  EXPECT_EQ(InStrPos("abc", "abc"), 1);
  EXPECT_EQ(InStrPos("B", "abc"), 0);
  EXPECT_EQ(InStrPos("x", ""), 0);
  EXPECT_EQ(InStrPos("", "abc"), 1);
}

TEST(InStrPos, PositionsBeyondSixteenBits) {
  std::string text(100000, 'a');
  text += "needle";
  EXPECT_EQ(InStrPos("needle", text), 100001);
}

TEST(IsValue, EmptyBlanksAndTheMarkerAreNoValue) {
  const std::pair<std::string, bool> cases[] = {
      {"", false},   {"   ", false}, {"n/a", false}, {"  n/a ", false}, {"\0n/a\0"s, false}, {"\0\0"s, false},
      {"N/A", true}, {"\t\t", true}, {"n/a/", true}, {"x", true},       {" 0 ", true},
  };
  for (const auto& [text, expected] : cases) EXPECT_EQ(IsValue(text), expected) << "[" << text << "]";
}

TEST(UpperCaseAscii, ChangesOnlyTheLettersAToZ) {
  EXPECT_EQ(UpperCaseAscii("abc XYZ 09 a-z"), "ABC XYZ 09 A-Z");
  EXPECT_EQ(UpperCaseAscii("\xE4\xF6\xFC\xE9"), "\xE4\xF6\xFC\xE9");  // 1252 letters stay
  EXPECT_EQ(UpperCaseAscii("`{"), "`{");
}

TEST(LowerCaseAscii, ChangesOnlyTheLettersAToZ) {
  EXPECT_EQ(LowerCaseAscii("ABC xyz 09 A-Z"), "abc xyz 09 a-z");
  EXPECT_EQ(LowerCaseAscii("\xC4\xD6\xDC\xC9"), "\xC4\xD6\xDC\xC9");  // 1252 letters stay
  EXPECT_EQ(LowerCaseAscii("@["), "@[");                              // the codes just below A and above Z
  std::string argument = "KEEP";
  LowerCaseAscii(argument);
  EXPECT_EQ(argument, "KEEP");
}

TEST(ReplaceVariable, ReplacesTheFirstExactOccurrenceOnly) {
  std::string text = "%A% and %A% and %a%";
  EXPECT_TRUE(ReplaceVariable(text, "%A%", "one"));
  EXPECT_EQ(text, "one and %A% and %a%");
  EXPECT_TRUE(ReplaceVariable(text, "%A%", "%A%%A%"));
  EXPECT_EQ(text, "one and %A%%A% and %a%");
  EXPECT_FALSE(ReplaceVariable(text, "%B%", "x"));
  EXPECT_FALSE(ReplaceVariable(text, "", "x"));
  EXPECT_EQ(text, "one and %A%%A% and %a%");
}

TEST(ReplaceVariable, RepeatedCallsReplaceEveryOccurrence) {
  std::string text = "a.b.c";
  while (ReplaceVariable(text, ".", "\\")) {
  }
  EXPECT_EQ(text, "a\\b\\c");
}

TEST(FormatThousands, GroupsDigitsInThreesWithDots) {
  const std::pair<int64_t, std::string> cases[] = {
      {0, "0"},
      {7, "7"},
      {100, "100"},
      {999, "999"},
      {1000, "1.000"},
      {100000, "100.000"},
      {123456, "123.456"},
      {1234567, "1.234.567"},
      {2147483647, "2.147.483.647"},
      {5000000000, "5.000.000.000"},
      {-1, "-1"},
      {-999, "-999"},
      {-1234, "-1.234"},
      {-123456, "-123.456"},
      {std::numeric_limits<int64_t>::min(), "-9.223.372.036.854.775.808"},
  };
  for (const auto& [number, text] : cases) EXPECT_EQ(FormatThousands(number), text) << number;
}

}  // namespace
