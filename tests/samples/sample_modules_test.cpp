#include "tools/samples/sample_modules.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <stdexcept>

#include "support/temp_prefix.h"

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

TEST(HogArchiveWriter, WrittenEntryByEntryItIsTheSameArchive) {
  testing_support::TempPrefix prefix;
  const std::filesystem::path folder = prefix.root(), archive = folder / "MODULE.QRM";
  const std::string big = testing_support::bytesOf(3'000'000, 7);  // more than one block
  testing_support::writeFile(folder / "big.bin", big);
  HogWriter writer(archive);
  writer.add("quarrow.inf", "[Module]\r\n");
  writer.addFile("BIG.BIN", folder / "big.bin");
  writer.add("empty", "");
  writer.close();
  EXPECT_TRUE(testing_support::readFile(archive) ==
              hogArchive({{"quarrow.inf", "[Module]\r\n"}, {"BIG.BIN", big}, {"empty", ""}}));
}

TEST(HogArchiveWriter, AnArchiveLeftUnfinishedKeepsTheOlderOne) {
  testing_support::TempPrefix prefix;
  const std::filesystem::path archive = prefix.root() / "MODULE.QRM";
  testing_support::writeFile(archive, "older");
  {
    HogWriter writer(archive);
    writer.add("a", "a");
    EXPECT_THROW(writer.addFile("GONE", prefix.root() / "gone.bin"), std::runtime_error);
  }
  EXPECT_EQ(testing_support::readFile(archive), "older");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(prefix.root()), std::filesystem::directory_iterator()), 3)
      << "drive_c, drives.ini and the archive: no temporary file is left";
}

TEST(IniTextWriter, EndsEveryLineWithCrLf) {
  EXPECT_EQ(iniText({{"Module", {"Name=TOOL", ""}}, {"Files", {}}}), "[Module]\r\nName=TOOL\r\n\r\n[Files]\r\n");
  EXPECT_EQ(iniText({}), "");
}

}  // namespace
