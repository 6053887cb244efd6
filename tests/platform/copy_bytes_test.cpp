#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "platform/drives.h"
#include "platform/error.h"
#include "platform/files.h"
#include "support/temp_prefix.h"

using namespace testing_support;
namespace fs = std::filesystem;

namespace {

struct CopyCase {
  const char* what;
  int64_t from;  // input position, 1-based
  int64_t to;    // output position, 1-based
  size_t n;
  size_t expected;  // bytes copied
};

class CopyBytesBetweenFiles : public ::testing::TestWithParam<CopyCase> {};

TEST_P(CopyBytesBetweenFiles, CopiesFromPositionToPositionAndOnlyWhatTheInputHolds) {
  const CopyCase c = GetParam();
  TempPrefix prefix;
  const std::string input = bytesOf(100000, 1), older(1000, 'o');
  writeFile(prefix.driveC() / "in.bin", input);
  writeFile(prefix.driveC() / "out.bin", older);
  win::ScopedFile in("C:\\IN.BIN", win::OpenMode::BinaryRead);
  win::ScopedFile out("C:\\OUT.BIN", win::OpenMode::BinaryReadWrite);
  win::seek(in.number(), c.from);
  win::seek(out.number(), c.to);

  EXPECT_EQ(win::copyBytes(in.number(), out.number(), c.n), c.expected);

  EXPECT_EQ(win::seek(in.number()), c.from + static_cast<int64_t>(c.expected));
  EXPECT_EQ(win::seek(out.number()), c.to + static_cast<int64_t>(c.expected));
  std::string expected = older;
  if (c.expected) {
    expected.resize(std::max(expected.size(), static_cast<size_t>(c.to - 1) + c.expected));
    expected.replace(static_cast<size_t>(c.to - 1), c.expected, input, static_cast<size_t>(c.from - 1), c.expected);
  }
  win::closeAllFiles();
  EXPECT_TRUE(readFile(prefix.driveC() / "out.bin") == expected) << c.what;
}

INSTANTIATE_TEST_SUITE_P(Cases, CopyBytesBetweenFiles,
                         ::testing::Values(CopyCase{"nothing asked", 5, 3, 0, 0},
                                           CopyCase{"inside the older bytes", 11, 101, 300, 300},
                                           CopyCase{"past the output's end", 1, 1001, 70000, 70000},
                                           CopyCase{"more than the input holds", 99001, 501, 5000, 1000},
                                           CopyCase{"at the input's end", 100001, 1, 10, 0},
                                           CopyCase{"past the input's end", 200001, 1, 10, 0}));

// Long copies take the kernel's way or a larger buffer, after the positions' places within a page.
TEST(CopyBytes, LongCopiesAtAnyPlaceWithinAPageCopyEveryByteUpToTheInputsEnd) {
  TempPrefix prefix;
  const std::string input = bytesOf(3 * 1024 * 1024 + 123, 9);
  writeFile(prefix.driveC() / "in.bin", input);
  for (int64_t from : {1, 4097, 1001, 4096 + 18}) {
    win::ScopedFile in("C:\\IN.BIN", win::OpenMode::BinaryRead);
    win::ScopedFile out("C:\\OUT.BIN", win::OpenMode::Output);
    win::seek(in.number(), from);
    const size_t expected = input.size() - static_cast<size_t>(from - 1);
    EXPECT_EQ(win::copyBytes(in.number(), out.number(), 5 * 1024 * 1024), expected) << from;
    EXPECT_EQ(win::seek(out.number()), 1 + static_cast<int64_t>(expected)) << from;
    win::closeFile(out.number());
    EXPECT_TRUE(readFile(prefix.driveC() / "OUT.BIN") == input.substr(static_cast<size_t>(from - 1))) << from;
  }
}

TEST(CopyBytes, ASpecialFileTheKernelCannotCopyGoesThroughTheBuffer) {
  TempPrefix prefix;
  win::drives().map('P', "/proc/self");  // its files look empty to the kernel's copy
  const std::string commandLine = readFile("/proc/self/cmdline");
  ASSERT_FALSE(commandLine.empty());
  win::ScopedFile in("P:\\cmdline", win::OpenMode::BinaryRead);
  win::ScopedFile out("C:\\OUT.BIN", win::OpenMode::BinaryNew);

  EXPECT_EQ(win::copyBytes(in.number(), out.number(), commandLine.size() + 50000), commandLine.size());

  EXPECT_EQ(win::seek(in.number()), 1 + static_cast<int64_t>(commandLine.size()));
  EXPECT_EQ(win::seek(out.number()), 1 + static_cast<int64_t>(commandLine.size()));
  EXPECT_EQ(readFile(prefix.driveC() / "OUT.BIN"), commandLine);
}

TEST(CopyBytes, AnOverlappingCopyInsideOneFileReadsBeforeItWrites) {
  TempPrefix prefix;
  writeFile(prefix.driveC() / "one.bin", "0123456789");
  win::ScopedFile in("C:\\ONE.BIN", win::OpenMode::BinaryRead);
  win::ScopedFile out("C:\\ONE.BIN", win::OpenMode::BinaryReadWrite);
  win::seek(out.number(), 3);
  EXPECT_EQ(win::copyBytes(in.number(), out.number(), 4), 4u);
  win::seek(in.number(), 8);
  win::seek(out.number(), 9);
  EXPECT_EQ(win::copyBytes(in.number(), out.number(), 5), 3u);  // the input ends after "789"

  EXPECT_EQ(win::seek(in.number()), 11);
  EXPECT_EQ(win::seek(out.number()), 12);
  win::closeAllFiles();
  EXPECT_EQ(readFile(prefix.driveC() / "one.bin"), "01012367789");
}

TEST(CopyBytes, AFullDiskRaises61AndMovesNeitherPositionPastWhatWasWritten) {
  TempPrefix prefix;
  writeFile(prefix.driveC() / "in.bin", bytesOf(5000, 1));
  win::drives().map('D', "/dev");  // its "full" device fails every write as a full disk does
  win::ScopedFile in("C:\\IN.BIN", win::OpenMode::BinaryRead);
  win::ScopedFile out("D:\\full", win::OpenMode::Output);
  win::seek(in.number(), 101);

  EXPECT_EQ(errorNumberOf([&] { win::copyBytes(in.number(), out.number(), 4000); }), win::DiskFull);

  EXPECT_EQ(win::seek(in.number()), 101);
  EXPECT_EQ(win::seek(out.number()), 1);
}

TEST(CopyBytes, FilesOpenTheWrongWayAreRefusedBeforeAnythingMoves) {
  TempPrefix prefix;
  writeFile(prefix.driveC() / "in.bin", bytesOf(100, 1));
  win::ScopedFile in("C:\\IN.BIN", win::OpenMode::BinaryRead);
  win::ScopedFile text("C:\\TEXT.TXT", win::OpenMode::Output);
  EXPECT_EQ(errorNumberOf([&] { win::copyBytes(text.number(), text.number(), 10); }), win::BadFileMode);
  EXPECT_EQ(errorNumberOf([&] { win::copyBytes(in.number(), in.number(), 10); }), win::PathFileAccessError);
  EXPECT_EQ(errorNumberOf([&] { win::copyBytes(in.number(), 99, 10); }), win::BadFileNameOrNumber);
  EXPECT_EQ(win::seek(in.number()), 1);
  EXPECT_EQ(readFile(prefix.driveC() / "TEXT.TXT"), "");
}

}  // namespace

namespace {

// Room set aside is never seen: neither the length nor a byte changes, whatever the file was opened for.
TEST(ReserveBytes, ChangesNeitherTheLengthNorTheBytes) {
  TempPrefix prefix;
  const std::string bytes = bytesOf(1000, 3);
  writeFile(prefix.driveC() / "f.bin", bytes);
  for (win::OpenMode mode : {win::OpenMode::BinaryReadWrite, win::OpenMode::BinaryRead}) {
    win::ScopedFile file("C:\\F.BIN", mode);
    win::seek(file.number(), 501);
    win::reserveBytes(file.number(), 1 << 20);
    EXPECT_EQ(win::lof(file.number()), 1000);
    EXPECT_EQ(win::seek(file.number()), 501);
  }
  EXPECT_EQ(readFile(prefix.driveC() / "f.bin"), bytes);
}

}  // namespace
