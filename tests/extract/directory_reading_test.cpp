#include <climits>
#include <set>
#include <vector>

#include "extract/containers.h"
#include "source_fixture.h"
#include "tools/samples/sample_containers.h"

using namespace samples;

namespace {

struct Listing {
  DirectoryVerdict verdict;
  std::vector<MovieEntry> handed;  // in the order handed on
};

class DirectoryReading : public SourceFixture {
 protected:
  Listing list(int16_t mode, const std::string& name, const std::string& bytes) {
    mode1 = mode;
    return list(put(name, bytes));
  }
  Listing list(const std::string& path) {
    Listing listing;
    MovieTable entries;
    listing.verdict = ReadLibraryDirectory(path, entries, [&](int number, const MovieEntry& entry) {
      EXPECT_EQ(number, static_cast<int>(listing.handed.size()) + 1);
      EXPECT_EQ(&entry, &entries[number]);
      listing.handed.push_back(entry);
    });
    return listing;
  }
};

std::vector<MvlEntry> mvlMovies(int n, size_t size = kShortestMovie) {
  std::vector<MvlEntry> movies;
  for (int i = 1; i <= n; ++i) movies.push_back({"M" + std::to_string(i) + ".MVE", mveMovie(size, i), {}});
  return movies;
}

std::vector<BifEntry> bifMovies(int n, size_t size = kShortestMovie) {
  std::vector<BifEntry> movies;
  for (int i = 1; i <= n; ++i) movies.push_back({mveMovie(size, i), {}, {}});
  return movies;
}

}  // namespace

TEST_F(DirectoryReading, MvlEntriesInOrderWithOffsetsBehindTheDirectory) {
  std::string a = mveMovie(40000, 1), b = mveMovie(32768, 2), c = mveMovie(70001, 3);
  std::string bytes = mvlLibrary({{"intro.mve", a, {}}, {"B.MVE", b, {}}, {"LONGNAME1.MVE", c, {}}});
  Listing l = list(2, "LIB.MVL", bytes);
  EXPECT_EQ(l.verdict, DirectoryVerdict::Complete);
  ASSERT_EQ(l.handed.size(), 3u);
  const int32_t dataStart = 8 + 3 * 17;
  const std::vector<std::tuple<std::string, int32_t, int32_t>> expected = {{"intro.mve", dataStart, 40000},
                                                                           {"B.MVE", dataStart + 40000, 32768},
                                                                           {"LONGNAME1.MVE", dataStart + 72768, 70001}};
  for (size_t i = 0; i < 3; ++i) {
    EXPECT_EQ(l.handed[i].Name, std::get<0>(expected[i]));
    EXPECT_EQ(l.handed[i].Offset, std::get<1>(expected[i]));
    EXPECT_EQ(l.handed[i].Size, std::get<2>(expected[i]));
  }
  EXPECT_EQ(bytes.substr(l.handed[2].Offset), c);
}

TEST_F(DirectoryReading, BifEntriesNamedAfterTheSourceWithTheirOffsetsAndSizes) {
  std::string a = mveMovie(100, 1), b = mveMovie(65536, 2);
  std::string bytes = bifArchive({{a, {}, {}}, {b, {}, {}}});
  Listing l = list(4, "AREA.BIF", bytes);
  EXPECT_EQ(l.verdict, DirectoryVerdict::Complete);
  ASSERT_EQ(l.handed.size(), 2u);
  EXPECT_EQ(l.handed[0].Name, "AREA-movie01.mve");
  EXPECT_EQ(l.handed[1].Name, "AREA-movie02.mve");
  EXPECT_EQ(bytes.substr(l.handed[0].Offset, l.handed[0].Size), a);
  EXPECT_EQ(bytes.substr(l.handed[1].Offset, l.handed[1].Size), b);
}

TEST_F(DirectoryReading, OnlyEntries1To127OfALongerLibraryAreListed) {
  int32_t count = 0;
  for (int16_t mode : {2, 4}) {
    std::string bytes = mode == 2 ? mvlLibrary(mvlMovies(130)) : bifArchive(bifMovies(130));
    Listing l = list(mode, "LONG.DAT", bytes);
    EXPECT_EQ(l.verdict, DirectoryVerdict::Complete);
    EXPECT_EQ(l.handed.size(), 127u);
    EXPECT_TRUE(checkmvefiletype("D:\\LONG.DAT", count));
    EXPECT_EQ(count, 130);
  }
}

TEST_F(DirectoryReading, BifNamesStayDistinctFrom100On) {
  Listing l = list(4, "AREA.BIF", bifArchive(bifMovies(127)));
  ASSERT_EQ(l.handed.size(), 127u);
  std::set<std::string> names;
  for (const MovieEntry& e : l.handed) names.insert(e.Name);
  EXPECT_EQ(names.size(), 127u);
  EXPECT_EQ(l.handed[98].Name, "AREA-movie99.mve");
  EXPECT_EQ(l.handed[99].Name, "AREA-movie100.mve");
  EXPECT_EQ(l.handed[126].Name, "AREA-movie127.mve");
}

TEST(BifEntryName, BaseNameOfTheSourceFileOnly) {
  EXPECT_EQ(BifEntryName("D:\\DATA\\AREA.BIF", 7), "AREA-movie07.mve");
  EXPECT_EQ(BifEntryName("D:\\GAME.V2\\MY.AREA.BIF", 1), "MY.AREA-movie01.mve");
  EXPECT_EQ(BifEntryName("D:/DATA/area.bif", 12), "area-movie12.mve");
  EXPECT_EQ(BifEntryName("D:\\DATA.V2\\AREA", 3), "AREA-movie03.mve");
}

// Counts the file cannot hold never end the program. Past the two real BIF entries the table runs into
// movie bytes, whose first "offset" lies far past the end.
TEST_F(DirectoryReading, EmptyNegativeAndHugeCounts) {
  struct Case {
    int16_t mode;
    int32_t count;
    DirectoryVerdict verdict;
    size_t handed;
  };
  for (const Case& c : {Case{2, 0, DirectoryVerdict::Complete, 0}, Case{2, -1, DirectoryVerdict::Complete, 0},
                        Case{2, INT_MIN, DirectoryVerdict::Complete, 0}, Case{2, INT_MAX, DirectoryVerdict::Ripped, 0},
                        Case{2, 70000, DirectoryVerdict::Ripped, 0}, Case{4, 0, DirectoryVerdict::Complete, 0},
                        Case{4, -1, DirectoryVerdict::Complete, 0}, Case{4, INT_MAX, DirectoryVerdict::Ripped, 2}}) {
    std::string bytes =
        c.mode == 2 ? mvlLibrary(mvlMovies(2), {"VMVL", c.count}) : bifArchive(bifMovies(2), {"BIFF", c.count});
    Listing l = list(c.mode, "COUNT.DAT", bytes);
    EXPECT_EQ(l.verdict, c.verdict) << c.mode << " " << c.count;
    EXPECT_EQ(l.handed.size(), c.handed) << c.mode << " " << c.count;
  }
}

struct RippedCase {
  const char* what;
  int16_t mode;
  std::string bytes;
  DirectoryVerdict verdict;
  size_t handed;
};

std::ostream& operator<<(std::ostream& out, const RippedCase& c) { return out << c.what; }

std::vector<RippedCase> rippedCases() {
  std::string movie = mveMovie(1000, 1);
  std::string mvl = mvlLibrary({{"A.MVE", movie, {}}, {"B.MVE", movie, {}}, {"C.MVE", movie, {}}});
  std::string bif = bifArchive({{movie, {}, {}}, {movie, {}, {}}, {movie, {}, {}}});
  const int32_t bifData = 20 + 3 * 16;
  return {
      {"mvl whole", 2, mvl, DirectoryVerdict::Complete, 3},
      {"mvl one byte short", 2, truncated(mvl, 1), DirectoryVerdict::Complete, 3},
      {"mvl two bytes short", 2, truncated(mvl, 2), DirectoryVerdict::Ripped, 2},
      {"mvl losing its last movie", 2, truncated(mvl, 1001), DirectoryVerdict::Ripped, 2},
      {"mvl with a negative size", 2, mvlLibrary({{"A.MVE", movie, {}}, {"B.MVE", movie, -1}, {"C.MVE", movie, {}}}),
       DirectoryVerdict::Ripped, 1},
      {"mvl whose sizes pass 2^31 together", 2, mvlLibrary({{"A.MVE", movie, INT_MAX}, {"B.MVE", movie, INT_MAX}}),
       DirectoryVerdict::Ripped, 0},
      {"bif whole", 4, bif, DirectoryVerdict::Complete, 3},
      {"bif one byte short", 4, truncated(bif, 1), DirectoryVerdict::Complete, 3},
      {"bif two bytes short", 4, truncated(bif, 2), DirectoryVerdict::Ripped, 2},
      {"bif with a negative offset", 4, bifArchive({{movie, {}, {}}, {movie, -5, {}}}), DirectoryVerdict::Ripped, 1},
      {"bif with a negative size", 4, bifArchive({{movie, {}, {}}, {movie, {}, -5}}), DirectoryVerdict::Ripped, 1},
      {"bif whose offset and size pass 2^31 together", 4, bifArchive({{movie, {}, {}}, {movie, bifData, INT_MAX}}),
       DirectoryVerdict::Ripped, 1},
      {"bif whose table runs past the end", 4, truncated(bifArchive({{"", 0, 0}, {"", 0, 0}}), 4),
       DirectoryVerdict::Ripped, 1},
  };
}

class RippedTest : public DirectoryReading, public testing::WithParamInterface<RippedCase> {};

TEST_P(RippedTest, VerdictAndEntriesHandedBeforeIt) {
  const RippedCase& c = GetParam();
  Listing l = list(c.mode, "LIB.DAT", c.bytes);
  EXPECT_EQ(l.verdict, c.verdict);
  EXPECT_EQ(l.handed.size(), c.handed);
}

INSTANTIATE_TEST_SUITE_P(Libraries, RippedTest, testing::ValuesIn(rippedCases()));

TEST_F(DirectoryReading, SourceGoneSinceTheCheckIsUnreadable) {
  mode1 = kMvlLibrary;
  EXPECT_EQ(list("D:\\GONE.MVL").verdict, DirectoryVerdict::Unreadable);
  put("A.MVL", mvlLibrary(mvlMovies(2)));
  Listing l = list("D:\\*.MVL");
  EXPECT_EQ(l.verdict, DirectoryVerdict::Unreadable);
  EXPECT_TRUE(l.handed.empty());
}

TEST_F(DirectoryReading, GeneratedSamplesListTheirMovies) {
  writeSampleFolder(drive / "SAMPLES");
  mode1 = kMvlLibrary;
  Listing mvl = list("D:\\SAMPLES\\MOVIES.MVL");
  EXPECT_EQ(mvl.verdict, DirectoryVerdict::Complete);
  ASSERT_EQ(mvl.handed.size(), 3u);
  EXPECT_EQ(mvl.handed[0].Name, "INTRO.MVE");
  mode1 = kBifArchive;
  Listing bif = list("D:\\SAMPLES\\AREA.BIF");
  EXPECT_EQ(bif.verdict, DirectoryVerdict::Complete);
  ASSERT_EQ(bif.handed.size(), 3u);
  EXPECT_EQ(bif.handed[2].Name, "AREA-movie03.mve");
}
