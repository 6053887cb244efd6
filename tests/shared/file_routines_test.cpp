#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "platform/error.h"
#include "platform/files.h"
#include "shared/routines.h"
#include "support/temp_prefix.h"

using namespace testing_support;
using namespace std::string_literals;

namespace {

TEST(FileExists, FindsNormalFilesOnly) {
  TempPrefix prefix;
  writeFile(prefix.driveC() / "DATA" / "movie.mve", "x");
  writeFile(prefix.driveC() / "DATA" / "SUB" / "inner.txt", "x");
  writeFile(prefix.driveC() / "DATA" / ".hidden", "x");
  const std::pair<std::string, bool> cases[] = {
      {"C:\\DATA\\movie.mve", true},
      {"c:\\data\\MOVIE.MVE", true},
      {"C:\\DATA\\*.mve", true},
      {"C:\\DATA\\mov?e.mve", true},
      {"C:\\DATA\\*.exe", false},
      {"C:\\DATA\\other.mve", false},
      {"C:\\DATA\\SUB", false},
      {"C:\\DATA\\SUB\\", false},
      {"C:\\DATA\\", false},
      {"C:\\DATA/", false},
      {"C:", false},
      {"C:\\DATA\\.hidden", false},
      {"C:\\NOWHERE\\movie.mve", false},
      {"Q:\\movie.mve", false},
      {"", false},
      {"n/a", false},
      {"  n/a  ", false},
      {"C:\\DATA\\bad|name", false},
  };
  for (const auto& [path, expected] : cases) EXPECT_EQ(FileExists(path), expected) << path;
}

TEST(FileExists, AnUnreadyDriveIsNoError) {
  TempPrefix prefix;
  auto folder = prefix.mapDrive('D', "cdrom");
  std::filesystem::remove_all(folder);
  EXPECT_FALSE(FileExists("D:\\movie.mve"));
}

TEST(KillFile, DeletesAnExistingFileAndLeavesMissingOnesAlone) {
  TempPrefix prefix;
  writeFile(prefix.driveC() / "a.txt", "x");
  writeFile(prefix.driveC() / "b.txt", "x");
  KillFile("C:\\a.txt");
  EXPECT_FALSE(std::filesystem::exists(prefix.driveC() / "a.txt"));
  EXPECT_TRUE(std::filesystem::exists(prefix.driveC() / "b.txt"));
  EXPECT_NO_THROW(KillFile("C:\\a.txt"));
  EXPECT_NO_THROW(KillFile(""));
}

class FixedFile : public ::testing::Test {
 protected:
  void open(const std::string& bytes) {
    writeFile(prefix.driveC() / "f.bin", bytes);
    win::openFile(1, "C:\\f.bin", win::OpenMode::BinaryRead);
  }
  TempPrefix prefix;
};

TEST_F(FixedFile, SeekToTakesZeroBasedOffsets) {
  open("0123456789");
  SeekTo(1, 0);
  EXPECT_EQ(win::seek(1), 1);
  SeekTo(1, 7);
  char c = 0;
  win::getBytes(1, &c, 1);
  EXPECT_EQ(c, '7');
  EXPECT_THROW(SeekTo(1, -1), win::Error);
  EXPECT_THROW(SeekTo(2, 0), win::Error);
}

TEST_F(FixedFile, ReadFixedStringStopsAtTheFirstNulAndConsumesTheWholeField) {
  open("xxINTRO.MVE\0abcNEXT"s);
  SeekTo(1, 2);
  std::string text = "old";
  ReadFixedString(1, text, 13);
  EXPECT_EQ(text, "INTRO.MVE");
  EXPECT_EQ(win::seek(1), 1 + 2 + 13);
  ReadFixedString(1, text, 4);
  EXPECT_EQ(text, "NEXT");
}

TEST_F(FixedFile, ReadFixedStringKeepsBytesBeyondAscii) {
  open("\xC4\xFC\xDF\xE9\x01\0"s);
  std::string text;
  ReadFixedString(1, text, 6);
  EXPECT_EQ(text, "\xC4\xFC\xDF\xE9\x01");
}

TEST_F(FixedFile, ReadFixedStringOfNoWidthReadsNothing) {
  open("abc");
  for (int width : {0, -5}) {
    std::string text = "old";
    ReadFixedString(1, text, width);
    EXPECT_EQ(text, "");
    EXPECT_EQ(win::seek(1), 1);
  }
}

TEST_F(FixedFile, ReadFixedStringOfAFieldLongerThanABlock) {
  std::string name(5000, 'n');
  open(name + std::string(3000, '\0') + "after");
  std::string text;
  ReadFixedString(1, text, 8000);
  EXPECT_EQ(text, name);
  ReadFixedString(1, text, 5);
  EXPECT_EQ(text, "after");
}

TEST(ReadFixedString, FailsOnAFileThatIsNotOpen) {
  TempPrefix prefix;
  std::string text;
  EXPECT_THROW(ReadFixedString(9, text, 4), win::Error);
}

}  // namespace
