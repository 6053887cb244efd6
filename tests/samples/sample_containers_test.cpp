#include "tools/samples/sample_containers.h"

#include <gtest/gtest.h>

#include <cstring>

#include "support/temp_prefix.h"

using namespace samples;

namespace {

int32_t longAt(const std::string& bytes, size_t at) {
  uint32_t v = 0;
  for (int i = 3; i >= 0; --i) v = (v << 8) | static_cast<unsigned char>(bytes.at(at + i));
  return static_cast<int32_t>(v);
}

unsigned shortAt(const std::string& bytes, size_t at) {
  return static_cast<unsigned char>(bytes.at(at)) | static_cast<unsigned char>(bytes.at(at + 1)) << 8;
}

}  // namespace

class MovieSizes : public testing::TestWithParam<size_t> {};

// The chunks must chain from the header exactly to the file's end, closed by the end chunk.
TEST_P(MovieSizes, HeaderThenChunksEndingExactlyAtTheEnd) {
  size_t size = GetParam();
  std::string movie = mveMovie(size, 42);
  ASSERT_EQ(movie.size(), size);
  EXPECT_EQ(movie.substr(0, kMveHeaderLength), std::string("Interplay MVE File\x1A\0\x1A\0\0\x01\x33\x11", 26));
  size_t at = kMveHeaderLength;
  unsigned lastType = 0;
  while (at < movie.size()) {
    size_t length = shortAt(movie, at);
    lastType = shortAt(movie, at + 2);
    at += 4 + length;
    if (lastType == 5) break;
  }
  EXPECT_EQ(at, size);
  EXPECT_EQ(lastType, 5u);
}

INSTANTIATE_TEST_SUITE_P(Sizes, MovieSizes, testing::Values(30, 31, 34, 35, 16418, 16419, 65536, 300001));

TEST(MveMovie, SameSeedSameBytesOtherSeedOtherBytes) {
  EXPECT_EQ(mveMovie(5000, 7), mveMovie(5000, 7));
  EXPECT_NE(mveMovie(5000, 7), mveMovie(5000, 8));
}

TEST(MveMovie, RefusesASizeBelowHeaderAndEndChunk) {
  EXPECT_THROW(mveMovie(kShortestMovie - 1, 1), std::invalid_argument);
}

TEST(MvlLibrary, DirectoryOf17ByteEntriesThenDataBackToBack) {
  std::string a = mveMovie(100, 1), b = mveMovie(200, 2);
  std::string lib = mvlLibrary({{"A.MVE", a, {}}, {"LONGNAME1.MVE", b, {}}});
  EXPECT_EQ(lib.substr(0, 4), "VMVL");
  EXPECT_EQ(longAt(lib, 4), 2);
  EXPECT_EQ(lib.substr(8, 13), std::string("A.MVE\0\0\0\0\0\0\0\0", 13));
  EXPECT_EQ(longAt(lib, 21), 100);
  EXPECT_EQ(lib.substr(25, 13), "LONGNAME1.MVE");
  EXPECT_EQ(longAt(lib, 38), 200);
  EXPECT_EQ(lib.substr(42), a + b);
}

TEST(MvlLibrary, DeclaredValuesReplaceTheTrueOnes) {
  std::string lib = mvlLibrary({{"A.MVE", "xyz", -5}}, {"VMVX", 70000});
  EXPECT_EQ(lib.substr(0, 4), "VMVX");
  EXPECT_EQ(longAt(lib, 4), 70000);
  EXPECT_EQ(longAt(lib, 21), -5);
}

TEST(BifArchive, EntryTableAt20PointsAtTheData) {
  std::string a = mveMovie(100, 1), b = mveMovie(150, 2);
  std::string bif = bifArchive({{a, {}, {}}, {b, {}, {}}});
  EXPECT_EQ(bif.substr(0, 4), "BIFF");
  EXPECT_EQ(longAt(bif, 8), 2);
  EXPECT_EQ(bif.substr(longAt(bif, 24), longAt(bif, 28)), a);
  EXPECT_EQ(bif.substr(longAt(bif, 40), longAt(bif, 44)), b);
  EXPECT_EQ(bif.size(), 20u + 32 + 250);
}

TEST(SelfPlayingExe, MovieAtTheOffsetAfterAPlayerWithoutSignature) {
  std::string movie = mveMovie(1000, 3);
  std::string exe = selfPlayingExe(movie, 76800);
  EXPECT_EQ(exe.substr(0, 2), "MZ");
  EXPECT_EQ(exe.substr(76800), movie);
  EXPECT_EQ(exe.find(kMveSignature), 76800u);
}

TEST(SampleFolder, WritesOneContainerOfEachKind) {
  testing_support::TempPrefix prefix;
  auto folder = prefix.root() / "samples";
  writeSampleFolder(folder);
  EXPECT_EQ(testing_support::readFile(folder / "MOVIES.MVL").substr(0, 4), "VMVL");
  EXPECT_EQ(testing_support::readFile(folder / "AREA.BIF").substr(0, 4), "BIFF");
  EXPECT_EQ(testing_support::readFile(folder / "TRAILER.EXE").find(kMveSignature), 76800u);
  EXPECT_EQ(testing_support::readFile(folder / "LOGO.MVE").find(kMveSignature), 0u);
}
