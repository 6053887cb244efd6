#include "platform/files.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <csignal>
#include <filesystem>
#include <functional>

#include "platform/error.h"
#include "support/planted_link.h"
#include "support/temp_prefix.h"

using namespace testing_support;
namespace fs = std::filesystem;

TEST(Files, BinaryReadReadsLittleEndianAndPastTheEndYieldsNothing) {
  TempPrefix prefix;
  writeFile(prefix.driveC() / "a.bin", std::string("\x01\x02\x03\x04\xFF\xFF\xFF\xFF\x07", 9));
  int f = win::freeFile();
  win::openFile(f, "C:\\A.BIN", win::OpenMode::BinaryRead);
  EXPECT_EQ(win::freeFile(), f + 1);
  EXPECT_EQ(win::seek(f), 1);
  EXPECT_EQ(win::getLong(f), 0x04030201);
  EXPECT_EQ(win::getLong(f), -1);
  EXPECT_EQ(win::seek(f), 9);
  EXPECT_FALSE(win::eof(f));
  char buf[4] = {'x', 'x', 'x', 'x'};
  EXPECT_EQ(win::getBytes(f, buf, 4), 1u);
  EXPECT_EQ(std::string(buf, 4), std::string("\x07\0\0\0", 4));
  EXPECT_TRUE(win::eof(f));
  EXPECT_EQ(win::getBytes(f, buf, 4), 0u);
  EXPECT_EQ(win::lof(f), 9);
  win::seek(f, 5);
  EXPECT_EQ(win::getLong(f), -1);
  win::closeFile(f);
  EXPECT_FALSE(win::isOpen(f));
  win::closeFile(f);  // closing again is harmless
}

TEST(Files, ReadingNeverCreatesAFile) {
  TempPrefix prefix;
  EXPECT_EQ(errorNumberOf([] { win::openFile(1, "C:\\missing.mve", win::OpenMode::BinaryRead); }), win::FileNotFound);
  EXPECT_EQ(errorNumberOf([] { win::openFile(1, "C:\\nodir\\x.mve", win::OpenMode::BinaryRead); }), win::PathNotFound);
  EXPECT_EQ(errorNumberOf([] { win::openFile(1, "C:\\missing.ini", win::OpenMode::Input); }), win::FileNotFound);
  EXPECT_FALSE(fs::exists(prefix.driveC() / "missing.mve"));
  EXPECT_FALSE(fs::exists(prefix.driveC() / "missing.ini"));
  EXPECT_FALSE(win::isOpen(1));
}

TEST(Files, WritesAndOpenErrors) {
  TempPrefix prefix;
  win::openFile(3, "C:\\out.bin", win::OpenMode::BinaryReadWrite);
  win::putLong(3, 0x11223344);
  win::putBytes(3, "ab", 2);
  EXPECT_EQ(errorNumberOf([] { win::openFile(3, "C:\\other.bin", win::OpenMode::Output); }), win::FileAlreadyOpen);
  win::closeAllFiles();
  EXPECT_EQ(readFile(prefix.driveC() / "out.bin"), std::string("\x44\x33\x22\x11"
                                                               "ab",
                                                               6));

  win::openFile(1, "C:\\out.bin", win::OpenMode::BinaryRead);
  EXPECT_EQ(errorNumberOf([] { win::putBytes(1, "x", 1); }), win::PathFileAccessError);
  win::closeFile(1);
  EXPECT_EQ(errorNumberOf([] { win::getLong(9); }), win::BadFileNameOrNumber);
  EXPECT_EQ(errorNumberOf([] { win::openFile(1, "C:\\WINDOWS", win::OpenMode::BinaryRead); }),
            win::PathFileAccessError);
}

TEST(Files, OutputTruncatesAndAppendAddsAtTheEnd) {
  TempPrefix prefix;
  writeFile(prefix.driveC() / "t.txt", "old contents");
  win::openFile(1, "C:\\T.TXT", win::OpenMode::Output);
  win::printLine(1, "one");
  win::closeFile(1);
  win::openFile(1, "C:\\T.TXT", win::OpenMode::Append);
  win::printText(1, "two");
  win::closeFile(1);
  EXPECT_EQ(readFile(prefix.driveC() / "t.txt"), "one\r\ntwo");
}

TEST(Files, LineInputEndsLinesAtCrOrCrLfOnly) {
  TempPrefix prefix;
  // Text input reads ahead in pieces of 64 KiB: a line or a line end across a piece's end must not show.
  const std::string before(65535, 'x'), across(70000, 'y');
  const struct {
    std::string text;
    std::vector<std::string> lines;
  } cases[] = {
      {"a\r\nb\rc\nd\r\n\r\ne", {"a", "b", "c\nd", "", "e"}},
      {before + "\r\nnext", {before, "next"}},
      {before + "z\r\nnext\r", {before + "z", "next"}},
      {across + "\r" + across, {across, across}},
  };
  for (const auto& c : cases) {
    writeFile(prefix.driveC() / "l.txt", c.text);
    win::ScopedFile file("C:\\l.txt", win::OpenMode::Input);
    std::vector<std::string> lines;
    while (!win::eof(file.number())) lines.push_back(win::lineInput(file.number()));
    EXPECT_EQ(lines, c.lines) << c.text.size();
    EXPECT_EQ(errorNumberOf([&] { win::lineInput(file.number()); }), win::InputPastEndOfFile);
  }
}

TEST(Files, WildcardsMatchWithoutRegardToCaseAndWithoutShortNames) {
  struct Case {
    const char* pattern;
    const char* name;
    bool match;
  } cases[] = {
      {"*.ini", "VYST.INI", true},    {"*.ini", "a.init", false},   {"*.MVE", "intro.mve", true},
      {"*.*", "README", true},        {"*.", "README", true},       {"*.", "a.b", false},
      {"a?c.txt", "abc.TXT", true},   {"a?c.txt", "ac.txt", false}, {"*", "x", true},
      {"test.ini", "TEST.INI", true}, {"*.mv?", "x.mvl", true},     {"x*.*", "y.txt", false},
  };
  for (auto& c : cases) EXPECT_EQ(win::wildcardMatch(c.pattern, c.name), c.match) << c.pattern << " " << c.name;
}

TEST(Files, DirSearchListsNormalFilesInAStableOrder) {
  TempPrefix prefix;
  fs::path d = prefix.mapDrive('D', "cd");
  writeFile(d / "b.MVL", "");
  writeFile(d / "A.mvl", "");
  writeFile(d / "c.mve", "");
  writeFile(d / ".hidden.mvl", "");
  writeFile(d / "bad?.mvl", "");
  fs::create_directories(d / "dir.mvl");
  EXPECT_EQ(win::dirSearch("D:\\*.mvl"), (std::vector<std::string>{"A.mvl", "b.MVL"}));
  EXPECT_EQ(win::dirSearch("D:\\*.mvl", win::Search::FilesAndDirectories),
            (std::vector<std::string>{"A.mvl", "b.MVL", "dir.mvl"}));
  EXPECT_EQ(win::dirSearch("D:\\C.MVE"), (std::vector<std::string>{"c.mve"}));
  // A name without wildcards finds every spelling of it, and no hidden name.
  writeFile(d / "B.mvl", "");
  EXPECT_EQ(win::dirSearch("D:\\b.mvl"), (std::vector<std::string>{"B.mvl", "b.MVL"}));
  EXPECT_EQ(win::dirSearch("D:\\.HIDDEN.MVL"), std::vector<std::string>{});
  EXPECT_EQ(win::dirSearch("D:\\DIR.MVL"), std::vector<std::string>{});
  EXPECT_EQ(win::dirSearch("D:\\DIR.MVL", win::Search::FilesAndDirectories), std::vector<std::string>{"dir.mvl"});
  EXPECT_EQ(win::dirSearch("D:\\nodir\\*"), std::vector<std::string>{});
  EXPECT_EQ(win::subdirectories("D:\\"), (std::vector<std::string>{"dir.mvl"}));
  EXPECT_EQ(errorNumberOf([] { win::dirSearch("Q:\\*"); }), win::DeviceUnavailable);
}

TEST(Files, DirectoryOperationsAndTheirErrors) {
  TempPrefix prefix;
  win::mkDir("C:\\GAMES");
  EXPECT_TRUE(fs::is_directory(prefix.driveC() / "GAMES"));
  EXPECT_EQ(errorNumberOf([] { win::mkDir("C:\\games"); }), win::PathFileAccessError);
  EXPECT_EQ(errorNumberOf([] { win::mkDir("C:\\no\\such"); }), win::PathNotFound);
  writeFile(prefix.driveC() / "GAMES" / "x.ini", "1");
  EXPECT_EQ(errorNumberOf([] { win::rmDir("C:\\games"); }), win::PathFileAccessError);
  EXPECT_EQ(win::fileLen("C:\\games\\X.INI"), 1);
  EXPECT_EQ(errorNumberOf([] { win::fileLen("C:\\games\\none"); }), win::FileNotFound);

  win::fileCopy("C:\\games\\x.ini", "C:\\games\\y.ini");
  EXPECT_EQ(readFile(prefix.driveC() / "GAMES" / "y.ini"), "1");
  EXPECT_EQ(errorNumberOf([] { win::name("C:\\games\\x.ini", "C:\\games\\Y.INI"); }), win::FileAlreadyExists);
  win::name("C:\\games\\x.ini", "C:\\games\\z.ini");
  writeFile(prefix.driveC() / "GAMES" / "new.tmp", "2");
  win::replaceFile("C:\\games\\new.tmp", "C:\\games\\z.ini");
  EXPECT_EQ(readFile(prefix.driveC() / "GAMES" / "z.ini"), "2");

  win::kill("C:\\games\\*.INI");
  EXPECT_TRUE(fs::is_empty(prefix.driveC() / "GAMES"));
  EXPECT_EQ(errorNumberOf([] { win::kill("C:\\games\\*.ini"); }), win::FileNotFound);
  win::rmDir("C:\\games");
  EXPECT_EQ(errorNumberOf([] { win::rmDir("C:\\games"); }), win::PathNotFound);
}

// Host programs can leave names that differ only in case; the system's names cannot, so after a replace
// no other spelling may be found instead of the new file.
TEST(Files, ReplaceFileLeavesOneFileOfTheNameInEveryCaseSpelling) {
  TempPrefix prefix;
  fs::path games = prefix.driveC() / "GAMES";
  for (const char* name : {"setup.inf", "SETUP.INF", "Setup.Inf", "other.inf"}) writeFile(games / name, name);
  fs::create_directories(games / "setup.INF");
  writeFile(games / "new.tmp", "new");
  win::replaceFile("C:\\games\\new.tmp", "C:\\GAMES\\SETUP.INF");
  EXPECT_EQ(win::dirSearch("C:\\GAMES\\setup.inf"), std::vector<std::string>{"SETUP.INF"});
  EXPECT_EQ(readFile(games / "SETUP.INF"), "new");
  EXPECT_EQ(readFile(games / "other.inf"), "other.inf");
  EXPECT_TRUE(fs::is_directory(games / "setup.INF"));
  EXPECT_FALSE(fs::exists(games / "new.tmp"));
}

TEST(Files, FreeFileSkipsNumbersInUse) {
  TempPrefix prefix;
  writeFile(prefix.driveC() / "a", "");
  win::openFile(1, "C:\\a", win::OpenMode::BinaryRead);
  win::openFile(2, "C:\\a", win::OpenMode::BinaryRead);
  win::closeFile(1);
  EXPECT_EQ(win::freeFile(), 1);
  win::openFile(1, "C:\\a", win::OpenMode::BinaryRead);
  EXPECT_EQ(win::freeFile(), 3);
}

TEST(Files, SameFileSeesOneFileThroughAnyDriveOrSpelling) {
  TempPrefix prefix;
  fs::path d = prefix.mapDrive('D', "cd");
  writeFile(d / "Movies" / "INTRO.MVE", "movie");
  writeFile(d / "Movies" / "OTHER.MVE", "movie");
  win::drives().map('E', d / "Movies");
  EXPECT_TRUE(win::sameFile("D:\\MOVIES\\intro.mve", "E:\\INTRO.MVE"));
  EXPECT_FALSE(win::sameFile("D:\\MOVIES\\INTRO.MVE", "D:\\MOVIES\\OTHER.MVE"));
  EXPECT_FALSE(win::sameFile("D:\\MOVIES\\NEW.MVE", "D:\\MOVIES\\NEW.MVE"));  // not there
  EXPECT_FALSE(win::sameFile("D:\\MOVIES", "E:\\"));                          // folders are no files
}

TEST(Files, SameDirectorySeesOneFolderThroughAnyDriveSpellingOrDots) {
  TempPrefix prefix;
  fs::path d = prefix.mapDrive('D', "cd");
  fs::create_directories(d / "Movies" / "Old");
  writeFile(d / "Movies" / "INTRO.MVE", "movie");
  win::drives().map('E', d / "Movies");
  const struct {
    const char* a;
    const char* b;
    bool same;
  } cases[] = {
      {"D:\\MOVIES", "E:\\", true},
      {"d:\\movies\\", "E:", true},
      {"D:\\Movies\\Old\\..", "D:\\MOVIES", true},
      {"D:\\", "D:\\MOVIES", false},
      {"D:\\MOVIES\\INTRO.MVE", "E:\\INTRO.MVE", false},  // files are no folders
      {"D:\\NONE", "D:\\NONE", false},
      {"Q:\\", "Q:\\", false},  // no such drive
  };
  for (const auto& c : cases) EXPECT_EQ(win::sameDirectory(c.a, c.b), c.same) << c.a << " " << c.b;
}

TEST(Files, KillEachDeletesWhatItCanAndNamesWhatItCouldNot) {
  TempPrefix prefix;
  fs::path games = prefix.driveC() / "GAMES";
  writeFile(games / "a.ini", "1");
  writeFile(games / "B.INI", "2");
  writeFile(games / "c.txt", "3");
  fs::create_directories(games / "d.ini");
  EXPECT_TRUE(win::killEach("C:\\games\\*.ini").empty());
  EXPECT_EQ(win::dirSearch("C:\\GAMES\\", win::Search::FilesAndDirectories),
            (std::vector<std::string>{"c.txt", "d.ini"}));
  EXPECT_TRUE(win::killEach("C:\\games\\*.ini").empty()) << "nothing left to match is no error";
  EXPECT_TRUE(win::killEach("C:\\none\\*.ini").empty());
  // The kernel's process files cannot be deleted, not even by root.
  win::drives().map('P', "/proc/self");
  EXPECT_EQ(win::killEach("P:\\statu?"), std::vector<std::string>{"P:\\status"});
  EXPECT_EQ(win::killEach("P:status"), std::vector<std::string>{"P:status"});
}

TEST(Files, FileCopyOfAFileOntoItselfKeepsIt) {
  TempPrefix prefix;
  writeFile(prefix.driveC() / "GAMES" / "x.ini", "[S]\r\nK=1\r\n");
  win::fileCopy("C:\\games\\x.ini", "C:\\GAMES\\X.INI");
  EXPECT_EQ(readFile(prefix.driveC() / "GAMES" / "x.ini"), "[S]\r\nK=1\r\n");
}

TEST(Files, AFailedFileCopyKeepsTheOlderTargetAndLeavesNoTemporaryFile) {
  TempPrefix prefix;
  fs::path games = prefix.driveC() / "GAMES";
  writeFile(games / "new.bin", std::string(100, 'n'));
  writeFile(games / "old.bin", "old");
  EXPECT_EQ(errorNumberOf([] { win::fileCopy("C:\\games\\none.bin", "C:\\games\\old.bin"); }), win::FileNotFound);
  EXPECT_EQ(errorNumberOf([] { win::fileCopy("C:\\games\\new.bin", "C:\\nodir\\old.bin"); }), win::PathNotFound);
  // A file size limit below the source's size makes the copy fail half-way, as a full disk does.
  std::signal(SIGXFSZ, SIG_IGN);
  rlimit limit{8, RLIM_INFINITY};
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limit), 0);
  EXPECT_EQ(errorNumberOf([] { win::fileCopy("C:\\games\\new.bin", "C:\\games\\old.bin"); }), win::DiskFull);
  EXPECT_EQ(readFile(games / "old.bin"), "old");
  EXPECT_EQ(std::distance(fs::directory_iterator(games), fs::directory_iterator()), 2);
}

// D: is an empty folder, E: the prefix folder that holds it: removing D:'s root would take the drive away.
TEST(Files, RmDirNeverRemovesTheRootOfADrive) {
  TempPrefix prefix;
  const fs::path driveD = prefix.mapDrive('D', "disk_d");
  win::drives().map('E', prefix.root());
  for (const char* root : {"D:\\", "d:", "E:\\DISK_D\\", "D:\\..\\"}) {
    EXPECT_EQ(errorNumberOf([&] { win::rmDir(root); }), win::PathFileAccessError) << root;
    EXPECT_TRUE(fs::is_directory(driveD)) << root;
  }
}

// H: is the folder "home", which holds the user's folder; L: the prefix folder, with a link to that folder.
TEST(Files, HoldsHostFolderIsTrueForTheFolderAndEveryFolderAboveIt) {
  TempPrefix prefix;
  const fs::path user = prefix.root() / "home" / "user";
  fs::create_directories(user / "inside");
  fs::create_directories(prefix.root() / "home" / "other");
  fs::create_directory_symlink(user, prefix.root() / "to-user");
  win::drives().map('H', prefix.root() / "home");
  win::drives().map('L', prefix.root());
  const struct {
    const char* directory;
    bool holds;
  } cases[] = {{"H:\\user", true},
               {"H:\\USER\\", true},
               {"H:\\", true},
               {"L:\\", true},
               {"L:\\to-user", true},
               {"H:\\other\\..\\user", true},
               {"H:\\user\\inside", false},
               {"H:\\other", false},
               {"H:\\missing", false},
               {"C:\\", false}};
  for (const auto& c : cases) EXPECT_EQ(win::holdsHostFolder(c.directory, user), c.holds) << c.directory;
  // A folder named through a link is held also where it truly lies.
  EXPECT_TRUE(win::holdsHostFolder("H:\\", prefix.root() / "to-user"));
  EXPECT_FALSE(win::holdsHostFolder("H:\\", ""));
}

TEST(Files, MoveOrCopyFileRenamesOverAnOlderTarget) {
  TempPrefix prefix;
  fs::path games = prefix.driveC() / "GAMES";
  writeFile(games / "TEMP" / "QRW.EXE", "new program");
  writeFile(games / "qrw.exe", "old program");
  win::moveOrCopyFile("C:\\GAMES\\TEMP\\QRW.EXE", "C:\\GAMES\\QRW.EXE");
  EXPECT_EQ(readFile(games / "qrw.exe"), "new program");
  EXPECT_FALSE(fs::exists(games / "TEMP" / "QRW.EXE"));
  EXPECT_EQ(errorNumberOf([] { win::moveOrCopyFile("C:\\GAMES\\TEMP\\QRW.EXE", "C:\\GAMES\\QRW.EXE"); }),
            win::FileNotFound);
  EXPECT_EQ(readFile(games / "qrw.exe"), "new program");
}

namespace {

// A folder of its own on another file system than the prefix's, removed again; empty when there is none.
class FolderOnOtherFileSystem {
 public:
  explicit FolderOnOtherFileSystem(const fs::path& prefix) {
    std::string folder = "/dev/shm/vm-test-XXXXXX";
    if (!fs::is_directory("/dev/shm") || !mkdtemp(folder.data())) return;
    path = folder;
    struct stat here {};
    struct stat there {};
    if (::stat(prefix.c_str(), &here) == 0 && ::stat(folder.c_str(), &there) == 0 && here.st_dev != there.st_dev)
      return;
    fs::remove_all(path);
    path.clear();
  }
  ~FolderOnOtherFileSystem() {
    std::error_code ec;
    if (!path.empty()) fs::remove_all(path, ec);
  }
  fs::path path;
};

}  // namespace

TEST(Files, MoveOrCopyFileCopiesAcrossFileSystemsAndRemovesTheSource) {
  TempPrefix prefix;
  FolderOnOtherFileSystem other(prefix.root());
  if (other.path.empty()) GTEST_SKIP() << "no folder on another file system at /dev/shm";
  win::drives().map('T', other.path);
  writeFile(other.path / "QRW.EXE", "new program");
  writeFile(prefix.driveC() / "qrw.exe", "old program");
  win::moveOrCopyFile("T:\\QRW.EXE", "C:\\QRW.EXE");
  EXPECT_EQ(readFile(prefix.driveC() / "qrw.exe"), "new program");
  EXPECT_FALSE(fs::exists(other.path / "QRW.EXE"));
  EXPECT_EQ(win::dirSearch("C:\\*.*"), std::vector<std::string>{"qrw.exe"});
}

TEST(Files, SyncingFileSystemsPassesOverPathsThatNameNothing) {
  TempPrefix prefix;
  EXPECT_TRUE(win::syncFileSystems({"C:\\WINDOWS", "C:\\none\\deeper\\", "Q:\\x", "C:\\"}));
}

TEST(Files, EntryExistsSeesLinksThatLeadNowhere) {
  TempPrefix prefix;
  fs::path drive = prefix.driveC();
  writeFile(drive / "file.txt", "x");
  fs::create_symlink(drive / "file.txt", drive / "to-file");
  fs::create_symlink(drive / "gone.txt", drive / "to-nowhere");
  struct Case {
    const char* path;
    bool exists;
  } cases[] = {{"C:\\FILE.TXT", true},   {"C:\\WINDOWS", true},   {"C:\\to-file", true},
               {"C:\\to-nowhere", true}, {"C:\\gone.txt", false}, {"C:\\nodir\\x", false}};
  for (auto& c : cases) EXPECT_EQ(win::entryExists(c.path), c.exists) << c.path;
}

class FilesBesideAPlantedLink : public ::testing::TestWithParam<LinkTarget> {
 protected:
  PlantedLink plant(const std::string& name) {
    return PlantedLink(games / name, prefix.root() / "outside", GetParam());
  }
  TempPrefix prefix;
  fs::path games = prefix.driveC() / "GAMES";
};

TEST_P(FilesBesideAPlantedLink, OpeningALinkForWritingFailsInEveryMode) {
  struct Case {
    win::OpenMode mode;
    const char* name;
    int error;
  } cases[] = {{win::OpenMode::BinaryReadWrite, "rw.bin", win::PathFileAccessError},
               {win::OpenMode::Output, "out.txt", win::PathFileAccessError},
               {win::OpenMode::Append, "log.txt", win::PathFileAccessError},
               {win::OpenMode::BinaryNew, "new.bin", win::FileAlreadyExists}};
  for (auto& c : cases) {
    PlantedLink link = plant(c.name);
    std::string path = std::string("C:\\GAMES\\") + c.name;
    EXPECT_EQ(errorNumberOf([&] { win::openFile(1, path, c.mode); }), c.error) << c.name;
    EXPECT_FALSE(win::isOpen(1));
    EXPECT_TRUE(link.outsideUnchanged()) << c.name;
    EXPECT_TRUE(link.linkLeftAlone()) << c.name;
  }
}

TEST_P(FilesBesideAPlantedLink, FileCopyAndMoveReplaceALinkAtTheTargetWithAPlainFile) {
  writeFile(games / "a.ini", "copied");
  writeFile(games / "b.ini", "moved");
  PlantedLink copyTarget = plant("copy.ini"), moveTarget = plant("move.ini");
  win::fileCopy("C:\\GAMES\\a.ini", "C:\\GAMES\\copy.ini");
  win::moveOrCopyFile("C:\\GAMES\\b.ini", "C:\\GAMES\\move.ini");
  for (const PlantedLink* link : {&copyTarget, &moveTarget}) {
    EXPECT_TRUE(link->outsideUnchanged()) << link->at();
    EXPECT_TRUE(isPlainFile(link->at())) << link->at();
  }
  EXPECT_EQ(readFile(games / "copy.ini"), "copied");
  EXPECT_EQ(readFile(games / "move.ini"), "moved");
}

TEST_P(FilesBesideAPlantedLink, MovingALinkCopiesWhatItLeadsToAndRemovesIt) {
  writeFile(games / "old.exe", "old");
  PlantedLink source = plant("source.exe");
  int error = errorNumberOf([] { win::moveOrCopyFile("C:\\GAMES\\source.exe", "C:\\GAMES\\old.exe"); });
  EXPECT_TRUE(source.outsideUnchanged());
  ASSERT_TRUE(isPlainFile(games / "old.exe"));
  if (GetParam() == LinkTarget::Nowhere) {
    EXPECT_EQ(error, win::FileNotFound);
    EXPECT_EQ(readFile(games / "old.exe"), "old");
    EXPECT_TRUE(source.linkLeftAlone());
  } else {
    EXPECT_EQ(error, 0);
    EXPECT_EQ(readFile(games / "old.exe"), readFile(source.outside()));
    EXPECT_FALSE(fs::exists(fs::symlink_status(source.at())));
  }
}

TEST_P(FilesBesideAPlantedLink, RenamingOntoALinkIsRefusedAndRenamingOverItReplacesIt) {
  writeFile(games / "a.tmp", "a");
  writeFile(games / "b.tmp", "b");
  PlantedLink named = plant("named.ini"), replaced = plant("replaced.ini");
  EXPECT_EQ(errorNumberOf([] { win::name("C:\\GAMES\\a.tmp", "C:\\GAMES\\named.ini"); }), win::FileAlreadyExists);
  EXPECT_TRUE(named.linkLeftAlone());
  win::replaceFile("C:\\GAMES\\b.tmp", "C:\\GAMES\\replaced.ini");
  EXPECT_TRUE(isPlainFile(replaced.at()));
  EXPECT_EQ(readFile(replaced.at()), "b");
  EXPECT_TRUE(named.outsideUnchanged());
  EXPECT_TRUE(replaced.outsideUnchanged());
}

INSTANTIATE_TEST_SUITE_P(Links, FilesBesideAPlantedLink,
                         ::testing::Values(LinkTarget::Nowhere, LinkTarget::OutsideFile), linkTargetName);
