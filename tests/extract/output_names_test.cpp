#include "extract/output_names.h"

#include <gtest/gtest.h>

#include "platform/drives.h"

namespace {

MovieTable named(const std::vector<std::string>& names) {
  MovieTable movies;
  for (size_t i = 0; i < names.size(); ++i) movies[static_cast<int>(i) + 1].Name = names[i];
  return movies;
}

std::vector<std::string> outputsOf(const std::vector<std::string>& names, int16_t mode2) {
  return OutputNames(named(names), static_cast<int>(names.size()), mode2);
}

struct HostileName {
  std::string name;
  std::string safe;
};

std::ostream& operator<<(std::ostream& out, const HostileName& c) { return out << testing::PrintToString(c.name); }

}  // namespace

class SafeName : public testing::TestWithParam<HostileName> {};

TEST_P(SafeName, BecomesAPlainFileName) {
  std::string safe = SafeFileName(GetParam().name, 7);
  EXPECT_EQ(safe, GetParam().safe);
  EXPECT_TRUE(win::isValidWindowsName(safe));
}

INSTANTIATE_TEST_SUITE_P(
    Names, SafeName,
    testing::Values(HostileName{"INTRO.MVE", "INTRO.MVE"}, HostileName{"..\\..\\X.MVE", "X.MVE"},
                    HostileName{"C:\\WIN\\A.MVE", "A.MVE"}, HostileName{"C:A.MVE", "A.MVE"},
                    HostileName{"../../etc/passwd", "passwd"}, HostileName{"a*?.mve", "a__.mve"},
                    HostileName{"<a>|\"b.mve", "_a___b.mve"}, HostileName{std::string("A\x01\x1F\x7F.MVE"), "A___.MVE"},
                    HostileName{std::string("A\tB\r\n.MVE"), "A_B__.MVE"}, HostileName{".hidden.mve", "hidden.mve"},
                    HostileName{"  A B.MVE  ", "A B.MVE"}, HostileName{"\xC9T\xC9.MVE", "\xC9T\xC9.MVE"},
                    HostileName{"", "MOVIE007"}, HostileName{".", "MOVIE007"}, HostileName{"..", "MOVIE007"},
                    HostileName{"SUB\\", "MOVIE007"}, HostileName{"C:", "MOVIE007"}, HostileName{" . ", "MOVIE007"}));

TEST(OutputNames, UpperCasedAsciiWithTheExtensionOfTheOutputKind) {
  std::vector<std::string> names = {"intro.mve", "AREA-movie07.mve", "noext", "a.b.mve", "\xE9t\xE9.mve"};
  EXPECT_EQ(outputsOf(names, 1),
            (std::vector<std::string>{"INTRO.MVE", "AREA-MOVIE07.MVE", "NOEXT.MVE", "A.B.MVE", "\xE9T\xE9.MVE"}));
  for (int16_t selfPlaying : {2, 3}) {
    EXPECT_EQ(outputsOf(names, selfPlaying),
              (std::vector<std::string>{"INTRO.EXE", "AREA-MOVIE07.EXE", "NOEXT.EXE", "A.B.EXE", "\xE9T\xE9.EXE"}));
  }
}

TEST(OutputNames, HostileNamesAreMadeSafeBeforeUpperCase) {
  EXPECT_EQ(outputsOf({"..\\..\\x.mve", "", "c:\\win\\a*.mve"}, 2),
            (std::vector<std::string>{"X.EXE", "MOVIE002.EXE", "A_.EXE"}));
}

TEST(OutputNames, NamesThatMeetOnDiskAreMadeDistinct) {
  struct Case {
    std::vector<std::string> names;
    std::vector<std::string> outputs;
  };
  for (const Case& c : {
           Case{{"intro.mve", "INTRO.MVE", "Intro.mvl"}, {"INTRO.MVE", "INTRO~2.MVE", "INTRO~3.MVE"}},
           Case{{"A.MVE", "A~2.MVE", "a.mve"}, {"A.MVE", "A~2.MVE", "A~3.MVE"}},
           Case{{"", "movie001.mve"}, {"MOVIE001.MVE", "MOVIE001~2.MVE"}},
           Case{{"X\\A.MVE", "Y\\A.MVE"}, {"A.MVE", "A~2.MVE"}},
           // The file layer folds the Latin letters too, though the name keeps them as they are.
           Case{{"\xE9.MVE", "\xC9.MVE"}, {"\xE9.MVE", "\xC9~2.MVE"}},
           Case{{"A.MVE", "B.MVE"}, {"A.MVE", "B.MVE"}},
       }) {
    EXPECT_EQ(outputsOf(c.names, 1), c.outputs);
  }
}
