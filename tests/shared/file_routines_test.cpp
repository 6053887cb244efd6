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

TEST_F(FixedFile, FilePos0IsTheZeroBasedPositionOfTheNextRead) {
  open("0123456789");
  EXPECT_EQ(FilePos0(1), 0);
  SeekTo(1, 7);
  EXPECT_EQ(FilePos0(1), 7);
  char c = 0;
  win::getBytes(1, &c, 1);
  EXPECT_EQ(FilePos0(1), 8);
}

// Counts around the block size, each copied from an offset into an output that already holds bytes.
TEST_F(FixedFile, CopyFileBytesCopiesFromPositionToPositionAndMovesBoth) {
  std::string bytes;
  for (int i = 0; i < 70000; ++i) bytes += static_cast<char>(i * 7 + i / 256);
  open(bytes);
  for (int32_t count : {1, 32767, 32768, 32769, 65537}) {
    writeFile(prefix.driveC() / "out.bin", "head");
    win::ScopedFile out("C:\\out.bin", win::OpenMode::BinaryReadWrite);
    SeekTo(out.number(), 4);
    SeekTo(1, 5);
    CopyFileBytes(1, out.number(), count);
    EXPECT_EQ(FilePos0(1), 5 + count) << count;
    EXPECT_EQ(FilePos0(out.number()), 4 + count) << count;
    win::closeFile(out.number());
    EXPECT_EQ(readFile(prefix.driveC() / "out.bin"), "head" + bytes.substr(5, static_cast<size_t>(count))) << count;
  }
}

TEST_F(FixedFile, CopyFileBytesOfNoCountCopiesNothing) {
  open("abc");
  writeFile(prefix.driveC() / "out.bin", "");
  win::ScopedFile out("C:\\out.bin", win::OpenMode::BinaryReadWrite);
  for (int32_t count : {0, -1, INT32_MIN}) {
    CopyFileBytes(1, out.number(), count);
    EXPECT_EQ(FilePos0(1), 0);
    EXPECT_EQ(win::lof(out.number()), 0);
  }
}

TEST_F(FixedFile, CopyFileBytesPastTheEndOfTheInputFailsAfterWritingWhatWasThere) {
  open("abcdef");
  writeFile(prefix.driveC() / "out.bin", "");
  win::ScopedFile out("C:\\out.bin", win::OpenMode::BinaryReadWrite);
  SeekTo(1, 2);
  EXPECT_EQ(errorNumberOf([&] { CopyFileBytes(1, out.number(), 10); }), win::InputPastEndOfFile);
  win::closeFile(out.number());
  EXPECT_EQ(readFile(prefix.driveC() / "out.bin"), "cdef");
}

TEST(ReadFixedString, FailsOnAFileThatIsNotOpen) {
  TempPrefix prefix;
  std::string text;
  EXPECT_THROW(ReadFixedString(9, text, 4), win::Error);
}

}  // namespace
