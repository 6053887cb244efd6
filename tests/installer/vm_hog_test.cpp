#include "installer/vm_hog.h"

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "platform/files.h"
#include "shared/routines.h"
#include "support/temp_prefix.h"
#include "tools/samples/sample_modules.h"

using namespace testing_support;
using namespace std::string_literals;
using samples::hogArchive;
using samples::HogFile;
namespace fs = std::filesystem;

namespace {

// Every file below a folder, by its path relative to the folder, with its bytes.
std::map<std::string, std::string> filesBelow(const fs::path& folder) {
  std::map<std::string, std::string> files;
  for (const auto& entry : fs::recursive_directory_iterator(folder))
    if (!entry.is_directory()) files[fs::relative(entry.path(), folder).string()] = readFile(entry.path());
  return files;
}

class HogArchive : public ::testing::Test {
 protected:
  HogArchive() { fs::create_directories(target()); }
  fs::path target() const { return prefix.driveC() / "TARGET"; }
  void writeArchive(const std::string& bytes) { writeFile(prefix.driveC() / "MODS" / "TEST.QRM", bytes); }
  int16_t extract(std::string_view mask) { return Extract_HOG("C:\\MODS\\TEST.QRM", mask, "C:\\TARGET", 0); }
  // What the extraction wrote, with a check that it wrote nothing anywhere else.
  std::map<std::string, std::string> extractedBy(std::string_view mask, int16_t expectedCount) {
    auto before = filesBelow(prefix.root());
    EXPECT_EQ(extract(mask), expectedCount) << mask;
    auto after = filesBelow(prefix.root());
    for (const auto& [path, bytes] : before) {
      if (!path.starts_with("drive_c/TARGET/")) {
        EXPECT_EQ(after[path], bytes) << path << " changed";
      }
    }
    for (const auto& [path, bytes] : after)
      EXPECT_TRUE(before.count(path) || path.starts_with("drive_c/TARGET/")) << path << " created outside";
    return filesBelow(target());
  }
  TempPrefix prefix;
};

TEST_F(HogArchive, IsHogFileReadsThreeBytesWhateverTheyAre) {
  const std::pair<std::string, bool> cases[] = {
      {"VHF", true}, {"VHFrest", true}, {"VHX", false}, {"vhf", false}, {"VH", false}, {"", false}, {"XVHF", false},
  };
  for (const auto& [bytes, isHog] : cases) {
    writeArchive(bytes);
    win::ScopedFile file("C:\\MODS\\TEST.QRM", win::OpenMode::BinaryRead);
    EXPECT_EQ(IsHogFile(file.number()), isHog) << bytes;
    EXPECT_EQ(win::seek(file.number()), 4) << bytes;
  }
}

TEST_F(HogArchive, ReadHogEntryHeaderTakesTheNameToItsFirstNulUpperCasedAndStopsAtTheData) {
  writeArchive(
      "VHF"
      "readme.txt\0xy"
      "\x05\0\0\0"
      "hello"
      "thirteen.char"
      "\xFF\xFF\xFF\xFF"s);
  win::ScopedFile file("C:\\MODS\\TEST.QRM", win::OpenMode::BinaryRead);
  SeekTo(file.number(), 3);
  HogEntry entry;
  ReadHogEntryHeader(file.number(), entry);
  EXPECT_EQ(entry.Name, "README.TXT");
  EXPECT_EQ(entry.Size, 5);
  EXPECT_EQ(entry.DataPos, 20);
  EXPECT_EQ(win::seek(file.number()), 21);
  SeekTo(file.number(), 25);
  ReadHogEntryHeader(file.number(), entry);
  EXPECT_EQ(entry.Name, "THIRTEEN.CHAR");
  EXPECT_EQ(entry.Size, -1);
  EXPECT_EQ(entry.DataPos, 42);
}

TEST_F(HogArchive, WritesEveryEntryInOrderUnderItsUpperCasedName) {
  writeArchive(hogArchive({
      {"quarrow.inf", "[Module]\r\n"},
      {"empty.dat", ""},
      {"block.bin", bytesOf(32768, 1)},
      {"blockplus.bin", bytesOf(32769, 2)},
      {"thirteen.char", "13"},
      {"Mixed.Case", "m"},
  }));
  std::map<std::string, std::string> expected = {
      {"QUARROW.INF", "[Module]\r\n"},      {"EMPTY.DAT", ""},       {"BLOCK.BIN", bytesOf(32768, 1)},
      {"BLOCKPLUS.BIN", bytesOf(32769, 2)}, {"THIRTEEN.CHAR", "13"}, {"MIXED.CASE", "m"},
  };
  EXPECT_EQ(extractedBy("*.*", 6), expected);
}

TEST_F(HogArchive, NothingComesOfAnArchiveWithoutEntriesOrMagic) {
  for (const std::string& bytes : {"VHF"s, ""s, "VH"s, "ABC"s + hogArchive({{"a.txt", "a"}}).substr(3)}) {
    writeArchive(bytes);
    EXPECT_TRUE(extractedBy("*.*", 0).empty()) << bytes;
  }
  EXPECT_EQ(Extract_HOG("C:\\MODS\\MISSING.QRM", "*.*", "C:\\TARGET", 0), 0);
  EXPECT_EQ(Extract_HOG("", "*.*", "C:\\TARGET", 0), 0);
}

TEST_F(HogArchive, AMaskPicksTheEntriesWhoseNamesMatchInAnyCase) {
  writeArchive(hogArchive({
      {"QUARROW.INF", "upper"},
      {"quarrow.txt", "x"},
      {"xquarrow.inf", "x"},
      {"readme.TXT", "r"},
      {"quarrow.inf", "lower"},
  }));
  EXPECT_EQ(extractedBy("quarrow.inf", 2), (std::map<std::string, std::string>{{"QUARROW.INF", "lower"}}));
  EXPECT_EQ(extractedBy("*.txt", 2).size(), 3u);
  EXPECT_EQ(extractedBy("*.doc", 0).size(), 3u);
}

// The old file of a name may have any case spelling; afterwards one file bears the name.
TEST_F(HogArchive, ALaterEntryOrExtractionReplacesTheFileOfTheSameName) {
  writeFile(target() / "readme.txt", "old");
  writeFile(target() / "Readme.Txt", "older");
  writeArchive(hogArchive({{"README.TXT", "first"}, {"readme.txt", "second"}}));
  EXPECT_EQ(extractedBy("*.*", 2).size(), 1u);
  EXPECT_EQ(win::dirSearch("C:\\TARGET\\readme.txt").size(), 1u);
  win::ScopedFile file("C:\\TARGET\\readme.txt", win::OpenMode::BinaryRead);
  std::string bytes(6, '\0');
  win::getBytes(file.number(), bytes.data(), bytes.size());
  EXPECT_EQ(bytes, "second");
}

// Each name is stored in the 13-byte field; the good entries around them show that the scan went on.
TEST_F(HogArchive, AnEntryWhoseNameIsNoPlainFileNameIsSkippedAndNotCounted) {
  const std::string hostile[] = {
      "",
      "..",
      ".",
      "..\\EVIL.TXT",
      "../EVIL.TXT",
      "\\EVIL.TXT",
      "/tmp/evil",
      "C:EVIL.TXT",
      "C:\\EVIL.TXT",
      "SUB\\EVIL",
      "SUB/EVIL",
      "EVIL*.TXT",
      "EVIL?.TXT",
      "EVIL\".TXT",
      "EVIL<.TXT",
      "EVIL>.TXT",
      "EVIL|.TXT",
      "EVIL\x01.TXT",
      "EVIL\t.TXT",
      "EVIL\x7F",
      "EVIL\x81.TXT",
      "EVIL\x9D",
      "..\0EVIL.TXT"s,
      "...",  // the system drops trailing dots, so this would name the parent
      "EVIL.",
      "EVIL ",
      ".HIDDEN",  // never found again on the host
  };
  for (const std::string& name : hostile) {
    writeArchive(hogArchive({{"before.txt", "b"}, {name, "evil"}, {"after.txt", "a"}}));
    EXPECT_EQ(extractedBy("*.*", 2), (std::map<std::string, std::string>{{"AFTER.TXT", "a"}, {"BEFORE.TXT", "b"}}))
        << "name " << name;
    fs::remove_all(target());
    fs::create_directories(target());
  }
}

// A damaged entry ends the scan: the entries before it are written, the damaged one and any after it never.
TEST_F(HogArchive, ADamagedEntryEndsTheScanAndLeavesTheOldFile) {
  const std::string late = hogArchive({{"late.bin", "late"}}).substr(3);
  auto broken = [](int32_t size) { return hogArchive({{"broken.bin", "data", size}}).substr(3); };
  const std::pair<const char*, std::string> damages[] = {
      {"a negative size", broken(-4) + late},
      {"the smallest size", broken(INT32_MIN) + late},
      {"a size past the end", broken(4 + static_cast<int32_t>(late.size()) + 1) + late},
      {"the largest size", broken(INT32_MAX) + late},
      {"sixteen header bytes at the end", "broken.bin\0\0\0\0\0\0"s},
      {"one header byte at the end", "b"},
  };
  for (const auto& [what, tail] : damages) {
    writeFile(target() / "BROKEN.BIN", "old");
    writeArchive(hogArchive({{"good.bin", "good"}}) + tail);
    EXPECT_EQ(extractedBy("*.*", 1), (std::map<std::string, std::string>{{"BROKEN.BIN", "old"}, {"GOOD.BIN", "good"}}))
        << what;
  }
}

TEST_F(HogArchive, AnEntryEndingExactlyAtTheEndIsWhole) {
  writeArchive(hogArchive({{"a.bin", "aa"}, {"last.bin", "last"}}));
  EXPECT_EQ(extractedBy("*.*", 2).at("LAST.BIN"), "last");
}

// The file-size limit makes writes fail as a full disk does, also for root.
TEST_F(HogArchive, AFailedWriteKeepsTheOlderFileAndIsNotCounted) {
  writeFile(target() / "BIG.DAT", "old");
  writeArchive(hogArchive({{"big.dat", bytesOf(50000, 3)}, {"small.dat", "small"}}));
  std::signal(SIGXFSZ, SIG_IGN);
  rlimit saved{};
  getrlimit(RLIMIT_FSIZE, &saved);
  rlimit limited = saved;
  limited.rlim_cur = 40000;
  setrlimit(RLIMIT_FSIZE, &limited);
  int16_t count = extract("*.*");
  setrlimit(RLIMIT_FSIZE, &saved);
  EXPECT_EQ(count, 1);
  EXPECT_EQ(filesBelow(target()), (std::map<std::string, std::string>{{"BIG.DAT", "old"}, {"SMALL.DAT", "small"}}));
}

TEST_F(HogArchive, AnEntryThatCannotBeCreatedIsNotCounted) {
  fs::create_directories(target() / "SUB.DAT");
  writeArchive(hogArchive({{"sub.dat", "x"}, {"ok.dat", "ok"}}));
  EXPECT_EQ(extractedBy("*.*", 1), (std::map<std::string, std::string>{{"OK.DAT", "ok"}}));
  EXPECT_EQ(Extract_HOG("C:\\MODS\\TEST.QRM", "*.*", "C:\\NO\\SUCH", 0), 0);
}

TEST_F(HogArchive, TheCountStopsAt32767) {
  std::vector<HogFile> entries(32769, HogFile{"a", ""});
  writeArchive(hogArchive(entries));
  EXPECT_EQ(extract("*.*"), 32767);
}

struct WildCase {
  const char* mask;
  const char* name;
  bool matches;
};

const WildCase kWildCases[] = {
    {"*.*", "readme.txt", true},
    {"*.*", "noextension", true},
    {"quarrow.inf", "QUARROW.INF", true},
    {"QUARROW.INF", "quarrow.inf", true},
    {"quarrow.inf", "quarrow.txt", false},
    {"quarrow.inf", "xquarrow.inf", false},
    {"*.txt", "README.TXT", true},
    {"*.txt", "a.TxT", true},
    {"*.txt", "a.doc", false},
    {"*.txt", "txt", false},
    {"a?c.txt", "abc.txt", true},
    {"a?c.txt", "ac.txt", false},
    {"abc.txt", "ab.txt", false},
    {"ab*.txt", "abcdef.txt", true},
    {"ab*.txt", "ab.txt", true},
    {"ab*.txt", "a.txt", false},
    {"abc.t*", "abc.txt", true},
    {"*abc.txt", "xyz.txt", true},  // a star ends its part
    {"*", "abc", true},
    {"*", "abc.txt", false},  // the empty extension of the mask needs an empty one
    {"*.", "abc", true},
    {"a.txt", "a.txt.bak", false},
    {"a.txt.*", "a.txt.bak", true},
    {"??.*", "ab.c", true},
    {"??.*", "abc.c", false},
};

TEST(MatchWild, FollowsItsRulesForEachPart) {
  for (const WildCase& c : kWildCases) EXPECT_EQ(MatchWild(c.mask, c.name), c.matches) << c.mask << " " << c.name;
}

TEST(MatchWildPart, ComparesOnePartOfMaskAndName) {
  const WildCase cases[] = {
      {"", "", true},     {"", "a", false},     {"*", "", true},      {"a?", "a", false},
      {"a?", "ab", true}, {"?", "", false},     {"a*", "a", true},    {"a*z", "abc", true},
      {"AB", "ab", true}, {"ab", "abc", false}, {"abc", "ab", false}, {"\xC4", "\xE4", false},
  };
  for (const WildCase& c : cases) EXPECT_EQ(MatchWildPart(c.mask, c.name), c.matches) << c.mask << " " << c.name;
}

}  // namespace
