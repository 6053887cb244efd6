#include <gtest/gtest.h>

#include <string>

#include "shared/routines.h"

namespace {

TEST(AddPathSeparator, AppendsToPathsOfThreeOrMoreCharacters) {
  const std::pair<std::string, std::string> cases[] = {
      {"", ""},
      {"C", "C"},
      {"C:", "C:"},
      {"C:\\", "C:\\"},
      {"abc", "abc\\"},
      {"C:\\GAMES", "C:\\GAMES\\"},
      {"C:/GAMES", "C:/GAMES\\"},
      {"/usr/lib", "/usr/lib/"},
      {"http://host/dir", "http://host/dir/"},
      {"C:\\GAMES\\", "C:\\GAMES\\"},
      {"/usr/", "/usr/"},
      {"C:\\GAMES/", "C:\\GAMES/"},
      {"/ab\\", "/ab\\"},
  };
  for (const auto& [path, expected] : cases) EXPECT_EQ(AddPathSeparator(path), expected) << path;
}

struct SplitPathCase {
  std::string path, directory, fileName;
};

TEST(SplitPath, CutsBehindTheLastSeparatorOfEitherKind) {
  const SplitPathCase cases[] = {
      {"C:\\GAMES\\movie.mve", "C:\\GAMES\\", "movie.mve"},
      {"movie.mve", "", "movie.mve"},
      {"C:\\GAMES\\", "C:\\GAMES\\", ""},
      {"C:\\a/b\\c", "C:\\a/b\\", "c"},
      {"C:\\a\\b/c", "C:\\a\\b/", "c"},
      {"C:movie", "", "C:movie"},
      {"", "", ""},
  };
  for (const auto& c : cases) {
    std::string directory = "old", fileName = "old";
    SplitPath(c.path, directory, fileName);
    EXPECT_EQ(directory, c.directory) << c.path;
    EXPECT_EQ(fileName, c.fileName) << c.path;
  }
}

struct SplitFileNameCase {
  std::string name, base, extension;
};

TEST(SplitFileName, CutsAtTheLastDot) {
  const SplitFileNameCase cases[] = {
      {"movie.mve", "movie", "mve"},
      {"a.b.c", "a.b", "c"},
      {"name.", "name", ""},
      {".ini", "", "ini"},
      {"C:\\dir.x\\name", "C:\\dir", "x\\name"},
      {"README", "README", ""},
      {"", "", ""},
  };
  for (const auto& c : cases) {
    std::string base = "old", extension = "old";
    SplitFileName(c.name, base, extension);
    EXPECT_EQ(base, c.base) << c.name;
    EXPECT_EQ(extension, c.extension) << c.name;
  }
}

TEST(ChangeExtension, ReplacesTheTextBehindTheLastDot) {
  const std::pair<std::string, std::string> cases[] = {
      {"movie.mve", "movie.exe"},         {"a.b.mve", "a.b.exe"}, {"name.", "name.exe"}, {"README", "README.exe"},
      {"C:\\dir.x\\name", "C:\\dir.exe"}, {"", ".exe"},
  };
  for (const auto& [name, expected] : cases) EXPECT_EQ(ChangeExtension(name, "exe"), expected) << name;
}

}  // namespace
