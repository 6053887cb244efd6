#include "shared/block_copy.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "platform/drives.h"
#include "platform/error.h"
#include "platform/files.h"
#include "support/temp_prefix.h"

using namespace testing_support;

namespace {

struct Blocks {
  int64_t count;
  std::vector<int64_t> steps;  // what each afterBlock call is given
};

class CopyBlocksSteps : public ::testing::TestWithParam<Blocks> {};

// The same steps whether the kernel copies (a file) or the bytes go through the buffer (a device).
TEST_P(CopyBlocksSteps, StepsAfterEachBlockWhoeverCopies) {
  const Blocks b = GetParam();
  TempPrefix prefix;
  const std::string input = bytesOf(200000, 2);
  writeFile(prefix.driveC() / "in.bin", input);
  win::drives().map('D', "/dev");
  for (const char* source : {"C:\\IN.BIN", "D:\\zero"}) {
    win::ScopedFile in(source, win::OpenMode::BinaryRead);
    win::ScopedFile out("C:\\OUT.BIN", win::OpenMode::Output);
    win::seek(in.number(), 7);
    std::vector<int64_t> steps;

    CopyBlocks(in.number(), out.number(), b.count, [&](int64_t bytes) { steps.push_back(bytes); });

    EXPECT_EQ(steps, b.steps) << source;
    EXPECT_EQ(win::seek(in.number()), 7 + std::max<int64_t>(b.count, 0)) << source;
    win::closeFile(out.number());
    const std::string expected = source[0] == 'C'
                                     ? input.substr(6, static_cast<size_t>(std::max<int64_t>(b.count, 0)))
                                     : std::string(static_cast<size_t>(std::max<int64_t>(b.count, 0)), '\0');
    EXPECT_TRUE(readFile(prefix.driveC() / "OUT.BIN") == expected) << source;
  }
}

INSTANTIATE_TEST_SUITE_P(Counts, CopyBlocksSteps,
                         ::testing::Values(Blocks{-5, {}}, Blocks{0, {}}, Blocks{1, {1}}, Blocks{32768, {32768}},
                                           Blocks{32769, {32768, 1}}, Blocks{65536, {32768, 32768}},
                                           Blocks{100000, {32768, 32768, 32768, 1696}}));

struct ShortInput {
  const char* source;
  int64_t count;
  std::vector<int64_t> steps;
};

class CopyBlocksShortInput : public ::testing::TestWithParam<ShortInput> {};

TEST_P(CopyBlocksShortInput, WritesWhatWasThereThenRaises62WithoutAStep) {
  const ShortInput s = GetParam();
  TempPrefix prefix;
  writeFile(prefix.driveC() / "in.bin", bytesOf(40000, 2));
  win::drives().map('P', "/proc/self");
  const std::string there = s.source[0] == 'C' ? bytesOf(40000, 2) : readFile("/proc/self/cmdline");
  win::ScopedFile in(s.source, win::OpenMode::BinaryRead);
  win::ScopedFile out("C:\\OUT.BIN", win::OpenMode::BinaryNew);
  std::vector<int64_t> steps;

  EXPECT_EQ(
      errorNumberOf([&] { CopyBlocks(in.number(), out.number(), s.count, [&](int64_t n) { steps.push_back(n); }); }),
      win::InputPastEndOfFile);

  EXPECT_EQ(steps, s.steps);
  win::closeFile(out.number());
  EXPECT_TRUE(readFile(prefix.driveC() / "OUT.BIN") == there);
}

INSTANTIATE_TEST_SUITE_P(Sources, CopyBlocksShortInput,
                         ::testing::Values(ShortInput{"C:\\IN.BIN", 100000, {32768}},
                                           ShortInput{"C:\\IN.BIN", 40001, {32768}},
                                           ShortInput{"P:\\cmdline", 20000, {}}));

}  // namespace
