#include <gtest/gtest.h>

#include <string>

#include "shared/settings.h"
#include "support/temp_prefix.h"

using namespace testing_support;
using namespace std::string_literals;

namespace {

class IniKeys : public ::testing::Test {
 protected:
  TempPrefix prefix;
};

TEST_F(IniKeys, ReadsValuesAndGivesEmptyTextForAnythingMissing) {
  writeFile(prefix.driveC() / "VYST.CFG",
            "[Directories]\r\nVyst3=C:\\VYST\\\r\nDollar=$\r\nDollars=$$\r\nEmpty=\r\n"
            "[other]\r\nKey=other\r\n");
  EXPECT_EQ(GetIniString("", "C:\\VYST.CFG", "Directories", "Vyst3"), "C:\\VYST\\");
  EXPECT_EQ(GetIniString("", "C:\\VYST.CFG", "directories", "VYST3"), "C:\\VYST\\");
  EXPECT_EQ(GetIniString("C:\\", "VYST.CFG", "Directories", "Vyst3"), "C:\\VYST\\");
  EXPECT_EQ(GetIniString("C:", "\\VYST.CFG", "Directories", "Vyst3"), "C:\\VYST\\");
  EXPECT_EQ(GetIniString("", "C:\\VYST.CFG", "Directories", "Dollar"), "");
  EXPECT_EQ(GetIniString("", "C:\\VYST.CFG", "Directories", "Dollars"), "$$");
  EXPECT_EQ(GetIniString("", "C:\\VYST.CFG", "Directories", "Empty"), "");
  EXPECT_EQ(GetIniString("", "C:\\VYST.CFG", "Directories", "Missing"), "");
  EXPECT_EQ(GetIniString("", "C:\\VYST.CFG", "Missing", "Vyst3"), "");
  EXPECT_EQ(GetIniString("", "C:\\MISSING.CFG", "Directories", "Vyst3"), "");
  EXPECT_EQ(GetIniString("", "C:\\VYST.CFG", "other", "Key"), "other");
}

TEST_F(IniKeys, LongValuesAreCutTo511Characters) {
  std::string value(600, 'v');
  writeFile(prefix.driveC() / "long.ini", "[S]\r\nK=" + value + "\r\n");
  EXPECT_EQ(GetIniString("C:\\", "long.ini", "S", "K"), std::string(511, 'v'));
}

TEST_F(IniKeys, WrittenValuesReadBackAndKeepTheOtherLines) {
  writeFile(prefix.driveC() / "VYST" / "vyst.ini", "[Moduls_Dirs]\r\nQRW32=C:\\QRW\\\r\n; note\r\n");
  EXPECT_TRUE(WriteIniString("C:\\VYST", "vyst.ini", "Moduls_Dirs", "TOVRIK32", "C:\\TOV\\"));
  EXPECT_TRUE(WriteIniString("C:\\VYST", "vyst.ini", "Moduls_Dirs", "QRW32", ""));
  WriteIniString("C:\\VYST", "vyst.ini", "General", "Vyst3-Installer", "C:\\QRW\\qrw32.exe");
  EXPECT_EQ(GetIniString("C:\\VYST", "vyst.ini", "Moduls_Dirs", "TOVRIK32"), "C:\\TOV\\");
  EXPECT_EQ(GetIniString("C:\\VYST", "vyst.ini", "Moduls_Dirs", "QRW32"), "");
  EXPECT_EQ(GetIniString("C:\\VYST", "vyst.ini", "General", "Vyst3-Installer"), "C:\\QRW\\qrw32.exe");
  std::string text = readFile(prefix.driveC() / "VYST" / "vyst.ini");
  EXPECT_NE(text.find("QRW32=\r\n"), std::string::npos) << text;
  EXPECT_NE(text.find("; note\r\n"), std::string::npos) << text;
}

TEST_F(IniKeys, WritingIntoAMissingDirectoryFailsSilentlyAndSaysSo) {
  EXPECT_FALSE(WriteIniString("C:\\NOWHERE", "a.ini", "S", "K", "V"));
  EXPECT_FALSE(WriteIniString("Q:\\", "a.ini", "S", "K", "V"));
  EXPECT_EQ(GetIniString("C:\\NOWHERE", "a.ini", "S", "K"), "");
}

void expectFields(const FieldList& fields, const std::vector<std::string>& filled) {
  for (int i = 1; i <= 16; ++i) {
    std::string expected = i <= static_cast<int>(filled.size()) ? filled[static_cast<size_t>(i - 1)] : "";
    EXPECT_EQ(fields[i], expected) << "slot " << i;
  }
}

TEST(SplitCommaList, CutsAtTheFirstFifteenCommasAndTrimsEachField) {
  struct Case {
    std::string line;
    std::vector<std::string> fields;
  };
  const Case cases[] = {
      {"", {}},
      {"single", {"single"}},
      {"a,,b", {"a", "", "b"}},
      {"a,b,", {"a", "b", ""}},
      {" a , b ,\tc\t", {"a", "b", "\tc\t"}},
      {"\0x\0, y"s, {"x", "y"}},
      {",", {"", ""}},
      {"1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17",
       {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12", "13", "14", "15", "16,17"}},
      {"1,2,3,4,5,6,7,8,9,10,11,12,13,14,15, 16 , 17 ",
       {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12", "13", "14", "15", "16 , 17"}},
  };
  for (const auto& c : cases) {
    FieldList fields;
    for (auto& slot : fields.values) slot = "stale";
    SplitCommaList(c.line, fields);
    SCOPED_TRACE(c.line);
    expectFields(fields, c.fields);
  }
}

}  // namespace
