#include "platform/drives.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <functional>

#include "platform/error.h"
#include "support/planted_link.h"
#include "support/temp_prefix.h"

using namespace testing_support;
namespace fs = std::filesystem;

TEST(Drives, NewPrefixHasTheWindowsFoldersFontsAndDefaultMap) {
  TempPrefix prefix;
  for (const char* dir : {"WINDOWS/SYSTEM", "WINDOWS/FONTS", "WINDOWS/Start Menu/Programs"})
    EXPECT_TRUE(fs::is_directory(prefix.driveC() / dir)) << dir;
  EXPECT_TRUE(fs::exists(prefix.driveC() / "WINDOWS/FONTS/tahoma.ttf"));
  EXPECT_TRUE(fs::exists(prefix.driveC() / "WINDOWS/FONTS/tahomabd.ttf"));
  EXPECT_EQ(readFile(prefix.root() / "drives.ini"), "[Drives]\r\nZ=/\r\n");
  EXPECT_EQ(win::drives().letters(), (std::vector<char>{'C', 'Z'}));
}

TEST(Drives, PrefixWithoutFontsWhenAsked) {
  TempPrefix prefix({.installFonts = false});
  EXPECT_FALSE(fs::exists(prefix.driveC() / "WINDOWS/FONTS/tahoma.ttf"));
}

TEST(Drives, FullPathResolvesCurrentDirectoriesDotsAndSeparators) {
  TempPrefix prefix;
  prefix.mapDrive('D', "cd");
  fs::create_directories(prefix.root() / "cd" / "DATA" / "MOVIES");
  win::drives().changeDirectory("D:\\data");
  struct Case {
    const char* in;
    const char* out;
  } cases[] = {
      {"c:\\windows\\..\\x", "C:\\x"},
      {"C:/a/b\\c", "C:\\a\\b\\c"},
      {"C:\\..\\..\\a", "C:\\a"},  // ".." stops at the root
      {"C:\\a\\.\\b\\", "C:\\a\\b"},
      {"D:", "D:\\data"},  // bare drive: its current directory
      {"D:movies\\x.mvl", "D:\\data\\movies\\x.mvl"},
      {"d:\\", "D:\\"},
      {"x.txt", "C:\\x.txt"},  // current drive is C: at its root
      {"\\top", "C:\\top"},
  };
  for (auto& c : cases) EXPECT_EQ(win::drives().fullPath(c.in), c.out) << c.in;
}

TEST(Drives, HostNamesMatchWithoutRegardToCaseAndDeterministically) {
  TempPrefix prefix;
  fs::path d = prefix.mapDrive('D', "cd");
  writeFile(d / "V2DATA" / "Intro.MVL", "x");
  writeFile(d / "Twin.txt", "1");
  writeFile(d / "twin.TXT", "2");
  writeFile(d / "TWIN.txt", "3");
  EXPECT_EQ(win::drives().toHost("d:\\v2data\\INTRO.mvl"), d / "V2DATA" / "Intro.MVL");
  // an exact spelling wins; otherwise the first host name in byte order
  EXPECT_EQ(win::drives().toHost("D:\\twin.TXT"), d / "twin.TXT");
  EXPECT_EQ(win::drives().toHost("D:\\Twin.Txt"), d / "TWIN.txt");
  // missing parts keep the given spelling
  EXPECT_EQ(win::drives().toHost("D:\\v2data\\New\\File.mve"), d / "V2DATA" / "New" / "File.mve");
}

TEST(Drives, WindowsOnlyNamesAndCodePageAreConvertedForTheHost) {
  TempPrefix prefix;
  fs::path d = prefix.mapDrive('D', "cd");
  writeFile(d / "Caf\xc3\xa9.mve", "x");                                      // UTF-8 on the host
  EXPECT_EQ(win::drives().toHost("D:\\CAF\xc9.MVE"), d / "Caf\xc3\xa9.mve");  // 1252 in the program
  EXPECT_EQ(win::drives().toWindows(d / "Caf\xc3\xa9.mve"), "D:\\Caf\xe9.mve");
}

TEST(Drives, ForbiddenNamesAndUnreadyDrivesAreErrors) {
  TempPrefix prefix;
  EXPECT_EQ(errorNumberOf([] { win::drives().fullPath("C:\\a*b"); }), win::BadFileNameOrNumber);
  EXPECT_EQ(errorNumberOf([] { win::drives().fullPath("C:\\a\"b"); }), win::BadFileNameOrNumber);
  EXPECT_EQ(errorNumberOf([] { win::drives().fullPath("Q:\\x"); }), win::DeviceUnavailable);
  EXPECT_EQ(errorNumberOf([] { win::drives().setCurrentDrive('Q'); }), win::DeviceUnavailable);
  win::drives().map('E', prefix.root() / "no-medium");
  EXPECT_EQ(errorNumberOf([] { win::drives().toHost("E:\\x"); }), win::DiskNotReady);
  EXPECT_EQ(errorNumberOf([] { win::drives().changeDirectory("C:\\missing"); }), win::PathNotFound);
}

TEST(Drives, HostPathsGetTheirWindowsNameThroughTheClosestDrive) {
  TempPrefix prefix;
  fs::path d = prefix.mapDrive('D', "cd");
  EXPECT_EQ(win::drives().toWindows(prefix.driveC() / "WINDOWS"), "C:\\WINDOWS");
  EXPECT_EQ(win::drives().toWindows(d), "D:\\");
  EXPECT_EQ(win::drives().toWindows("/usr/share"), "Z:\\usr\\share");
  win::drives().unmap('Z');
  EXPECT_EQ(win::drives().toWindows("/usr/share"), std::nullopt);
}

TEST(Drives, HostNamesThatWindowsCannotShowHaveNoWindowsName) {
  TempPrefix prefix;
  fs::path d = prefix.mapDrive('D', "cd");
  EXPECT_EQ(win::drives().toWindows(d / "a:b"), std::nullopt);
  EXPECT_EQ(win::drives().toWindows(d / "\xe6\x97\xa5"), std::nullopt);  // not in the code page
}

TEST(Drives, DriveMapFileAddsLetters) {
  fs::path root = fs::temp_directory_path() / ("vm-map-" + std::to_string(::getpid()));
  fs::create_directories(root / "game");
  writeFile(root / "drives.ini", "[Drives]\r\nZ=/\r\nd=" + (root / "game").string() + "\r\n");
  win::drives().usePrefix(root);
  EXPECT_EQ(win::drives().letters(), (std::vector<char>{'C', 'D', 'Z'}));
  EXPECT_EQ(win::drives().toHost("D:\\x"), root / "game" / "x");
  fs::remove_all(root);
}

class NewPrefixBesideAPlantedLink : public ::testing::TestWithParam<LinkTarget> {};

TEST_P(NewPrefixBesideAPlantedLink, NeitherTheDriveMapNorAFontIsWrittenThroughALink) {
  TempPrefix prefix;
  fs::path fresh = prefix.root() / "fresh";
  PlantedLink map(fresh / "drives.ini", prefix.root() / "outside", GetParam());
  PlantedLink font(fresh / "drive_c" / "WINDOWS" / "FONTS" / "tahoma.ttf", prefix.root() / "outside", GetParam());
  win::drives().usePrefix(fresh);
  for (const PlantedLink* link : {&map, &font}) EXPECT_TRUE(link->outsideUnchanged()) << link->at();
  if (GetParam() == LinkTarget::Nowhere) {
    // Nothing was there: the new prefix gets its own files in place of the links.
    ASSERT_TRUE(isPlainFile(map.at()));
    EXPECT_EQ(readFile(map.at()), "[Drives]\r\nZ=/\r\n");
    EXPECT_TRUE(isPlainFile(font.at()));
    EXPECT_EQ(win::drives().letters(), (std::vector<char>{'C', 'Z'}));
  } else {
    // A map and a font reached through a link are the user's own: read, never written.
    EXPECT_TRUE(map.linkLeftAlone());
    EXPECT_TRUE(font.linkLeftAlone());
    EXPECT_EQ(win::drives().letters(), std::vector<char>{'C'});
  }
}

INSTANTIATE_TEST_SUITE_P(Links, NewPrefixBesideAPlantedLink,
                         ::testing::Values(LinkTarget::Nowhere, LinkTarget::OutsideFile), linkTargetName);

TEST(Drives, DriveMapFileIsReadLikeAnySettingsFile) {
  TempPrefix prefix;
  const std::string game = (prefix.root() / "game").string();
  struct Case {
    std::string map;
    std::vector<char> letters;  // each besides C: maps to the game folder
  };
  const Case cases[] = {
      {"[Drives]\r\nd=" + game + "\r\n", {'C', 'D'}},
      {" [ drives ] ; mapped\n\tE\t=\t" + game + "\t\n", {'C', 'E'}},
      {"[Other]\r\nD=" + game + "\r\n[Drives]\r\nE=" + game + "\r\n[More]\r\nF=" + game + "\r\n", {'C', 'E'}},
      {"[Drives]\r\nD=\"" + game + "\"\r\nE=''\r\n", {'C', 'D'}},
      {"[Drives]\r\n;D=" + game + "\r\nDD=" + game + "\r\n1=" + game + "\r\nF=\r\nG\r\n", {'C'}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.map);
    writeFile(prefix.root() / "drives.ini", c.map);
    win::drives().usePrefix(prefix.root());
    EXPECT_EQ(win::drives().letters(), c.letters);
    for (char letter : c.letters) {
      if (letter == 'C') continue;
      EXPECT_EQ(win::drives().root(letter), fs::path(game)) << letter;
    }
  }
}
