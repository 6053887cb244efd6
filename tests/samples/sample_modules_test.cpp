#include "tools/samples/sample_modules.h"

#include <gtest/gtest.h>

using namespace samples;
using namespace std::string_literals;

namespace {

// Byte for byte, so that a reader and this writer cannot agree on a wrong layout.
TEST(HogArchiveWriter, LaysOutMagicNameFieldsSizesAndData) {
  EXPECT_EQ(hogArchive({}), "VHF");
  EXPECT_EQ(hogArchive({{"a.txt", "xy"}, {"fourteen.chars", "", -2}}),
            "VHF"
            "a.txt\0\0\0\0\0\0\0\0"
            "\x02\0\0\0"
            "xy"
            "fourteen.char"
            "\xFE\xFF\xFF\xFF"s);
}

TEST(IniTextWriter, EndsEveryLineWithCrLf) {
  EXPECT_EQ(iniText({{"Module", {"Name=TOOL", ""}}, {"Files", {}}}), "[Module]\r\nName=TOOL\r\n\r\n[Files]\r\n");
  EXPECT_EQ(iniText({}), "");
}

}  // namespace
