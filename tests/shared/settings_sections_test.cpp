#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/files.h"
#include "shared/settings.h"
#include "support/temp_prefix.h"

using namespace testing_support;
using namespace std::string_literals;

namespace {

// Every kind of line the scan meets, with CR LF ends, one CR end, a bare LF inside a line and a last
// line without an end.
const std::string kFixture =
    "; before any section\r\n"
    "outside line\r\n"
    "[Index]\r\n"
    "first,a,b\r\n"
    "; comment\r\n"
    "\r\n"
    "   \r\n"
    "n/a\r\n"
    "  n/a  \r\n"
    "\0\0\r\n"s
    "N/A\r\n"
    "key=value\r\n"
    " ;not a comment\r\n"
    "[index]\r\n"
    "lower-case section line\r\n"
    "[Other]\r\n"
    "other line\r\n"
    "[Index] \r\n"
    "after the header with a trailing blank\r\n"
    "[Index]\r\n"
    "second occurrence\r\n"
    " [Index]\r\n"
    "cr only\r"
    "lf\ninside\r\n"
    "  padded  \r\n"
    "last line without end";

const std::vector<std::string> kIndexLines = {
    "first,a,b", "N/A",     "key=value",  " ;not a comment", "second occurrence",
    " [Index]",  "cr only", "lf\ninside", "  padded  ",      "last line without end",
};
// "[Index] " is an ordinary line of the section open before it.
const std::vector<std::string> kOtherLines = {"other line", "[Index] ", "after the header with a trailing blank"};

class IniSections : public ::testing::Test {
 protected:
  IniSections() { writeFile(prefix.driveC() / "LISTS" / "index.nbx", kFixture); }
  TempPrefix prefix;
};

TEST_F(IniSections, CountsTheLinesOfEveryOccurrenceOfASectionExactlyNamed) {
  EXPECT_EQ(CountIniSectionLines("C:\\LISTS", "index.nbx", "Index"), static_cast<int32_t>(kIndexLines.size()));
  EXPECT_EQ(CountIniSectionLines("C:\\LISTS", "index.nbx", "Other"), static_cast<int32_t>(kOtherLines.size()));
  EXPECT_EQ(CountIniSectionLines("C:\\LISTS", "index.nbx", "index"), 1);
  EXPECT_EQ(CountIniSectionLines("C:\\LISTS", "index.nbx", "INDEX"), 0);
  EXPECT_EQ(CountIniSectionLines("C:\\LISTS", "index.nbx", "Missing"), 0);
  EXPECT_EQ(CountIniSectionLines("C:\\LISTS", "INDEX.NBX", "Index"), static_cast<int32_t>(kIndexLines.size()));
}

TEST_F(IniSections, HandsOutEachCountedLineAsItStands) {
  for (size_t i = 0; i < kIndexLines.size(); ++i)
    EXPECT_EQ(getlinefrominifile("C:\\LISTS", "index.nbx", "Index", static_cast<int32_t>(i + 1)), kIndexLines[i])
        << "line " << i + 1;
  for (size_t i = 0; i < kOtherLines.size(); ++i)
    EXPECT_EQ(getlinefrominifile("C:\\LISTS", "index.nbx", "Other", static_cast<int32_t>(i + 1)), kOtherLines[i])
        << "line " << i + 1;
  EXPECT_EQ(getlinefrominifile("C:\\LISTS", "index.nbx", "index", 1), "lower-case section line");
}

TEST_F(IniSections, NumbersOutsideTheSectionGiveEmptyText) {
  for (int32_t n : {0, -1, static_cast<int32_t>(kIndexLines.size()) + 1, 1000})
    EXPECT_EQ(getlinefrominifile("C:\\LISTS", "index.nbx", "Index", n), "") << n;
  EXPECT_EQ(getlinefrominifile("C:\\LISTS", "index.nbx", "Missing", 1), "");
}

TEST_F(IniSections, AMissingFileHasNoLines) {
  EXPECT_EQ(CountIniSectionLines("C:\\LISTS", "missing.nbx", "Index"), 0);
  EXPECT_EQ(getlinefrominifile("C:\\LISTS", "missing.nbx", "Index", 1), "");
  EXPECT_EQ(CountIniSectionLines("Q:\\", "index.nbx", "Index"), 0);
  EXPECT_EQ(getlinefrominifile("Q:\\", "index.nbx", "Index", 1), "");
}

TEST_F(IniSections, AFullPathInTheFileNameWorksWithAnEmptyDirectory) {
  EXPECT_EQ(getlinefrominifile("", "C:\\LISTS\\index.nbx", "Index", 1), "first,a,b");
}

TEST_F(IniSections, NoFileStaysOpen) {
  CountIniSectionLines("C:\\LISTS", "index.nbx", "Index");
  getlinefrominifile("C:\\LISTS", "index.nbx", "Index", 2);
  for (int n = 1; n <= 255; ++n) EXPECT_FALSE(win::isOpen(n)) << n;
}

}  // namespace
