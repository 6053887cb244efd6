#include "platform/profile.h"

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>
#include <filesystem>

#include "support/planted_link.h"
#include "support/temp_prefix.h"

using namespace testing_support;
namespace fs = std::filesystem;

namespace {

const char* kFixture =
    "; family settings\r\n"
    "[General]\r\n"
    "  Vyst3-Installer = qrw32.exe  \r\n"
    "[Moduls_Dirs]\r\n"
    "TOVRIK32=C:\\VM\\TOVRIK32\\\r\n"
    "tovrik32=second\r\n"
    "Empty=\r\n"
    "\r\n"
    "[ moduls_versions ]\r\n"
    "TOVRIK32=1.0\r\n";

std::string get(const char* section, const char* key, const char* file = "C:\\VM\\vyst.ini", size_t size = 512) {
  return win::getPrivateProfileString(section, key, "$", size, file);
}

}  // namespace

TEST(Profile, ReadsKeysWithoutRegardToCaseAndTrimsBlanks) {
  TempPrefix prefix;
  writeFile(prefix.driveC() / "VM" / "vyst.ini", kFixture);
  EXPECT_EQ(get("general", "VYST3-INSTALLER"), "qrw32.exe");
  EXPECT_EQ(get("Moduls_Dirs", "Tovrik32"), "C:\\VM\\TOVRIK32\\");  // the first matching key
  EXPECT_EQ(get("Moduls_Dirs", "Empty"), "");
  EXPECT_EQ(get("Moduls_Versions", "TOVRIK32"), "1.0");  // blanks inside the brackets trimmed
  EXPECT_EQ(get("Moduls_Dirs", "Missing"), "$");
  EXPECT_EQ(get("Missing", "TOVRIK32"), "$");
  EXPECT_EQ(get("General", "Vyst3-Installer", "C:\\VM\\none.ini"), "$");
  EXPECT_EQ(get("Moduls_Dirs", "TOVRIK32", "C:\\VM\\vyst.ini", 6), "C:\\VM");  // cut to the buffer
}

TEST(Profile, ReadDropsOnePairOfQuotesAroundAWholeValueAndWriteKeepsThem) {
  struct Case {
    const char* stored;
    const char* read;
  };
  const Case cases[] = {
      {"\"C:\\VYST\"", "C:\\VYST"},
      {"  'C:\\VYST\\'  ", "C:\\VYST\\"},  // trimmed first, then unquoted
      {"\" spaced \"", " spaced "},
      {"''", ""},
      {"\"a", "\"a"},
      {"\"a\" b", "\"a\" b"},
      {"'a\"", "'a\""},
      {"\"", "\""},
      {"\"$\"", "$"},
  };
  TempPrefix prefix;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.stored);
    writeFile(prefix.driveC() / "q.ini", std::string("[S]\r\nK=") + c.stored + "\r\n");
    EXPECT_EQ(get("S", "K", "C:\\q.ini"), c.read);
  }

  EXPECT_TRUE(win::writePrivateProfileString("S", "K", "\"D:\\X\"", "C:\\q.ini"));
  EXPECT_EQ(readFile(prefix.driveC() / "q.ini"), "[S]\r\nK=\"D:\\X\"\r\n");
  EXPECT_EQ(get("S", "K", "C:\\q.ini", 3), "D:");  // the buffer cuts the unquoted value
}

TEST(Profile, ReadsValuesOfAnyLength) {
  TempPrefix prefix;
  writeFile(prefix.driveC() / "long.ini", "[S]\r\nK=" + std::string(600, 'x') + "\r\n");
  EXPECT_EQ(get("S", "K", "C:\\long.ini").size(), 511u);
}

TEST(Profile, BareFileNameLivesInTheWindowsDirectory) {
  TempPrefix prefix;
  EXPECT_TRUE(win::writePrivateProfileString("S", "K", "v", "bare.ini"));
  EXPECT_EQ(readFile(prefix.driveC() / "WINDOWS" / "bare.ini"), "[S]\r\nK=v\r\n");
  EXPECT_EQ(get("S", "K", "bare.ini"), "v");
}

TEST(Profile, WriteReplacesTheFirstKeyInPlaceAndKeepsEveryOtherByte) {
  TempPrefix prefix;
  fs::path f = prefix.driveC() / "VM" / "vyst.ini";
  writeFile(f, kFixture);
  EXPECT_TRUE(win::writePrivateProfileString("MODULS_DIRS", "Tovrik32", "D:\\NEW", "C:\\VM\\vyst.ini"));
  std::string expected = kFixture;
  const std::string old = "TOVRIK32=C:\\VM\\TOVRIK32\\";
  expected.replace(expected.find(old), old.size(), "Tovrik32=D:\\NEW");
  EXPECT_EQ(readFile(f), expected);
}

TEST(Profile, WriteAddsKeysAndSectionsWithCrLf) {
  TempPrefix prefix;
  fs::path f = prefix.driveC() / "t.ini";
  writeFile(f, "[A]\nx=1\n\n[B]\ny=2");  // LF-only lines and no final line end stay as they are
  EXPECT_TRUE(win::writePrivateProfileString("A", "z", "3", "C:\\t.ini"));
  EXPECT_TRUE(win::writePrivateProfileString("B", "w", "", "C:\\t.ini"));
  EXPECT_TRUE(win::writePrivateProfileString("New", "k", "v", "C:\\t.ini"));
  EXPECT_EQ(readFile(f), "[A]\nx=1\nz=3\r\n\n[B]\ny=2\r\nw=\r\n[New]\r\nk=v\r\n");
}

TEST(Profile, WriteNeverCreatesDirectoriesNorDeletes) {
  TempPrefix prefix;
  EXPECT_FALSE(win::writePrivateProfileString("S", "K", "v", "C:\\nodir\\t.ini"));
  EXPECT_FALSE(fs::exists(prefix.driveC() / "nodir"));
  writeFile(prefix.driveC() / "t.ini", "[S]\r\nK=v\r\n");
  EXPECT_FALSE(win::writePrivateProfileString("S", "", "x", "C:\\t.ini"));
  EXPECT_FALSE(win::writePrivateProfileString("", "K", "x", "C:\\t.ini"));
  EXPECT_TRUE(win::writePrivateProfileString("S", "K", "", "C:\\t.ini"));
  EXPECT_EQ(readFile(prefix.driveC() / "t.ini"), "[S]\r\nK=\r\n");
}

TEST(Profile, FailedWriteLeavesTheFileAsItWas) {
  TempPrefix prefix;
  fs::path d = prefix.driveC() / "ro";
  writeFile(d / "t.ini", "[S]\r\nK=v\r\n");
  // A file size limit below the new file's size makes the write fail half-way, as a full disk does.
  std::signal(SIGXFSZ, SIG_IGN);
  rlimit limit{8, RLIM_INFINITY};
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limit), 0);
  EXPECT_FALSE(win::writePrivateProfileString("S", "K", "new", "C:\\ro\\t.ini"));
  EXPECT_EQ(readFile(d / "t.ini"), "[S]\r\nK=v\r\n");
  EXPECT_EQ(std::distance(fs::directory_iterator(d), fs::directory_iterator()), 1) << "no temporary file is left";
}

class ProfileBesideAPlantedLink : public ::testing::TestWithParam<LinkTarget> {
 protected:
  PlantedLink plant(const std::string& name) {
    return PlantedLink(prefix.driveC() / "VM" / name, prefix.root() / "outside", GetParam());
  }
  TempPrefix prefix;
};

TEST_P(ProfileBesideAPlantedLink, ALinkAtTheFileIsReplacedByAFileOfItsOwn) {
  PlantedLink link = plant("vyst.ini");
  EXPECT_TRUE(win::writePrivateProfileString("General", "Vyst3-Installer", "qrw32.exe", "C:\\VM\\vyst.ini"));
  EXPECT_TRUE(link.outsideUnchanged());
  ASSERT_TRUE(isPlainFile(link.at()));
  EXPECT_EQ(readFile(link.at()), "[General]\r\nVyst3-Installer=qrw32.exe\r\n");
}

TEST_P(ProfileBesideAPlantedLink, ALinkAtTheOldFixedTemporaryNameIsLeftAlone) {
  writeFile(prefix.driveC() / "VM" / "vyst.ini", kFixture);
  PlantedLink link = plant(".vyst.ini.new");
  EXPECT_TRUE(win::writePrivateProfileString("General", "Vyst3-Installer", "qrw32.exe", "C:\\VM\\vyst.ini"));
  EXPECT_TRUE(link.outsideUnchanged());
  EXPECT_TRUE(link.linkLeftAlone());
  EXPECT_EQ(get("General", "Vyst3-Installer"), "qrw32.exe");
  EXPECT_EQ(get("Moduls_Dirs", "TOVRIK32"), "C:\\VM\\TOVRIK32\\");
}

INSTANTIATE_TEST_SUITE_P(Links, ProfileBesideAPlantedLink,
                         ::testing::Values(LinkTarget::Nowhere, LinkTarget::OutsideFile), linkTargetName);
