#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "shared/settings.h"
#include "support/temp_prefix.h"

using namespace testing_support;

namespace {

struct FlowCase {
  const char* what;
  std::vector<std::string> lines;
  std::string text;
};

// Each case's lines form the section [SplashScreen] between two other sections.
const FlowCase kFlowCases[] = {
    {"plain lines join with single blanks", {"one", "two", "three"}, "one two three "},
    {"a % line breaks without a blank after the break", {"one", "%", "two"}, "one \r\ntwo "},
    {"an empty line breaks the same way", {"one", "", "two"}, "one \r\ntwo "},
    {"a blank line is no break", {"one", "   ", "two"}, "one two "},
    {"a dollar sign lets a line start with a semicolon", {"$;not a comment"}, ";not a comment "},
    {"a dollar sign lets a line start with a bracket", {"$[text]"}, "[text] "},
    {"only one dollar sign goes", {"$$5"}, "$5 "},
    {"a dollar sign alone breaks the line", {"one", "$", "two"}, "one \r\ntwo "},
    {"comments are left out", {"one", "; comment", "two"}, "one two "},
    {"a semicolon after a blank is text", {" ;kept"}, " ;kept "},
    {"a line with ~~ stands alone", {"a", "x ~~ y", "b"}, "a \r\nx ~~ y\r\nb "},
    {"bullets start new lines", {"intro", "* one", "- two", "more"}, "intro \r\n* one \r\n- two more "},
    {"runs of blanks become one", {"a   b", "c  "}, "a b c "},
    {"a line ending in a blank gets no second one", {"ends ", "next"}, "ends next "},
    {"no blank after a break, however many", {"one", "%", "    indented"}, "one \r\nindented "},
    {"two breaks in a row stay", {"one", "", "", "two"}, "one \r\n\r\ntwo "},
    {"nothing in the section", {}, ""},
    {"a header with a trailing blank is a line", {"[Other] ", "after"}, "[Other] after "},
};

class SectionText : public ::testing::Test {
 protected:
  void writeDescription(const std::vector<std::string>& lines) {
    std::string text = "[Module]\r\nName=x\r\n[SplashScreen]\r\n";
    for (const std::string& line : lines) text += line + "\r\n";
    text += "[Files]\r\nlast\r\n";
    writeFile(prefix.driveC() / "TEMP" / "quarrow.inf", text);
  }
  TempPrefix prefix;
};

TEST_F(SectionText, FlowsTheLinesOfTheSection) {
  for (const FlowCase& c : kFlowCases) {
    writeDescription(c.lines);
    EXPECT_EQ(GetIniSectionText("C:\\TEMP", "quarrow.inf", "SplashScreen"), c.text) << c.what;
  }
}

TEST_F(SectionText, TakesEveryOccurrenceOfTheExactlyNamedSection) {
  writeFile(prefix.driveC() / "TEMP" / "quarrow.inf",
            "before\r\n[SplashScreen]\r\nfirst\r\n[splashscreen]\r\nother case\r\n[Files]\r\nfile\r\n"
            "[SplashScreen]\r\nsecond\r\n [SplashScreen]\r\nthird\r");
  EXPECT_EQ(GetIniSectionText("C:\\TEMP", "QUARROW.INF", "SplashScreen"), "first second [SplashScreen] third ");
  EXPECT_EQ(GetIniSectionText("C:\\TEMP", "quarrow.inf", "Missing"), "");
}

TEST_F(SectionText, AFileThatCannotBeReadGivesEmptyText) {
  EXPECT_EQ(GetIniSectionText("C:\\TEMP", "quarrow.inf", "SplashScreen"), "");
  std::filesystem::create_directories(prefix.driveC() / "TEMP" / "quarrow.inf");
  EXPECT_EQ(GetIniSectionText("C:\\TEMP", "quarrow.inf", "SplashScreen"), "");
  EXPECT_EQ(GetIniSectionText("Q:\\", "quarrow.inf", "SplashScreen"), "");
}

}  // namespace
