// The library page: one line per movie, the selection, Next in list order, ripped libraries, Back.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "extract/tvmvlsel.h"
#include "extract/tvsource.h"
#include "extract/tvtarget.h"
#include "extract/wizard_state.h"
#include "tools/samples/sample_containers.h"
#include "wizard_fixture.h"

using namespace testing_support;

namespace {

class LibraryPage : public WizardTest {
 protected:
  void openMvl(const std::vector<samples::MvlEntry>& entries, const samples::MvlOptions& options = {}) {
    mode1 = kMvlLibrary;
    SourcePath = putSource("MOVIES.MVL", samples::mvlLibrary(entries, options));
    TVMVLSel.show();
  }
  static std::vector<std::string> lines() {
    std::vector<std::string> out;
    for (int i = 0; i < TVMVLSel.List1.listCount(); ++i) out.push_back(TVMVLSel.List1.list(i));
    return out;
  }
  static std::vector<samples::MvlEntry> numbered(int count, size_t size = 40) {
    std::vector<samples::MvlEntry> entries;
    for (int i = 1; i <= count; ++i)
      entries.push_back({"M" + std::to_string(i) + ".MVE", samples::mveMovie(size, i), {}});
    return entries;
  }
};

}  // namespace

TEST_F(LibraryPage, EachMovieIsListedWithItsUpperCaseNameAndSize) {
  openMvl({{"intro.mve", samples::mveMovie(1234567, 1), {}}, {"End.mve", samples::mveMovie(999, 2), {}}});
  EXPECT_EQ(lines(), (std::vector<std::string>{"INTRO.MVE - 1.234.567 Bytes", "END.MVE - 999 Bytes"}));
  EXPECT_EQ(TVMVLSel.List1.selCount(), 0);
  EXPECT_FALSE(TVMVLSel.ButtonNext.enabled());
}

TEST_F(LibraryPage, BifEntriesAreNamedAfterTheArchive) {
  mode1 = kBifArchive;
  SourcePath = putSource(
      "AREA.BIF", samples::bifArchive({{samples::mveMovie(100, 1), {}, {}}, {samples::mveMovie(2000, 2), {}, {}}}));
  TVMVLSel.show();
  EXPECT_EQ(lines(), (std::vector<std::string>{"AREA-MOVIE01.MVE - 100 Bytes", "AREA-MOVIE02.MVE - 2.000 Bytes"}));
}

TEST_F(LibraryPage, SelectionsInAnyOrderAreTakenInListOrder) {
  openMvl(numbered(6));
  TVMVLSel.List1.setSelected(4, true);
  TVMVLSel.List1.setSelected(1, true);
  ASSERT_TRUE(TVMVLSel.ButtonNext.enabled());
  userClick(TVMVLSel.ButtonNext);
  EXPECT_FALSE(ui::programState().ended);
  ASSERT_EQ(MovieCount, 2);
  EXPECT_EQ(Movies[1].Name, "M2.MVE");
  EXPECT_EQ(Movies[2].Name, "M5.MVE");
  // The movies lie back to back after the 8-byte header and six 17-byte entries.
  EXPECT_EQ(Movies[1].Offset, 8 + 6 * 17 + 40);
  EXPECT_EQ(Movies[2].Offset, 8 + 6 * 17 + 4 * 40);
  EXPECT_EQ(Movies[2].Size, 40);
  EXPECT_EQ(shownPages(), std::vector<std::string>{"TVTarget"});
  EXPECT_FALSE(TVMVLSel.isLoaded());
}

TEST_F(LibraryPage, SelectAllAndDeselectAllSwitchNext) {
  openMvl(numbered(3));
  userClick(TVMVLSel.CommandSel);
  EXPECT_EQ(TVMVLSel.List1.selCount(), 3);
  EXPECT_TRUE(TVMVLSel.ButtonNext.enabled());
  userClick(TVMVLSel.CommandDeSel);
  EXPECT_EQ(TVMVLSel.List1.selCount(), 0);
  EXPECT_FALSE(TVMVLSel.ButtonNext.enabled());
  TVMVLSel.List1.setSelected(2, true);
  EXPECT_TRUE(TVMVLSel.ButtonNext.enabled());
}

TEST_F(LibraryPage, SelectAllOnAnEmptyListLeavesNextDisabled) {
  openMvl({});
  userClick(TVMVLSel.CommandSel);
  EXPECT_FALSE(TVMVLSel.ButtonNext.enabled());
}

TEST_F(LibraryPage, ALibraryOf130MoviesListsTheFirst127) {
  openMvl(numbered(130, samples::kShortestMovie));
  ASSERT_EQ(TVMVLSel.List1.listCount(), 127);
  EXPECT_EQ(TVMVLSel.List1.list(126).substr(0, 8), "M127.MVE");
  userClick(TVMVLSel.CommandSel);
  userClick(TVMVLSel.ButtonNext);
  EXPECT_EQ(MovieCount, 127);
  EXPECT_EQ(Movies[127].Name, "M127.MVE");
}

TEST_F(LibraryPage, ARippedLibraryIsToldAndNothingIsOffered) {
  struct Case {
    int16_t kind;
    const char* caption;
  };
  for (Case c : {Case{2, "Ripped MVL file"}, Case{4, "Ripped BIF file"}}) {
    errors.clear();
    mode1 = c.kind;
    std::string library =
        c.kind == 2 ? samples::mvlLibrary(numbered(3))
                    : samples::bifArchive({{samples::mveMovie(40, 1), {}, {}}, {samples::mveMovie(40, 2), {}, {}}});
    SourcePath = putSource("RIPPED.LIB", samples::truncated(library, 30));
    expectErrorBox();
    TVMVLSel.show();
    ASSERT_EQ(errors.size(), 1u) << c.caption;
    EXPECT_EQ(errors[0].caption, c.caption);
    EXPECT_EQ(errors[0].message, "The actual movie data from this file was ripped. Cannot extract files from it...");
    EXPECT_EQ(TVMVLSel.List1.listCount(), 0);
    EXPECT_FALSE(TVMVLSel.ButtonNext.enabled());
    EXPECT_TRUE(TVMVLSel.ButtonBack.enabled());
    TVMVLSel.PageSwitch = -1;
    TVMVLSel.unload();
  }
}

TEST_F(LibraryPage, ALibraryThatVanishedSinceTheSourcePageIsToldAndThePageStays) {
  mode1 = kMvlLibrary;
  SourcePath = "D:\\GONE.MVL";
  expectErrorBox();
  TVMVLSel.show();
  EXPECT_FALSE(ui::programState().ended);
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_NE(errors[0].message.find("D:\\GONE.MVL"), std::string::npos);
  EXPECT_EQ(TVMVLSel.List1.listCount(), 0);
  EXPECT_TRUE(TVMVLSel.isVisible());
}

TEST_F(LibraryPage, BackForgetsTheMoviesAndShowsTheSourcePage) {
  openMvl(numbered(2));
  MovieCount = 2;
  userClick(TVMVLSel.ButtonBack);
  EXPECT_FALSE(ui::programState().ended);
  EXPECT_EQ(MovieCount, 0);
  EXPECT_EQ(shownPages(), std::vector<std::string>{"TVSource"});
}

TEST_F(LibraryPage, ComingBackReadsTheDirectoryAfreshWithNothingSelected) {
  openMvl(numbered(2));
  userClick(TVMVLSel.CommandSel);
  userClick(TVMVLSel.ButtonNext);
  userClick(TVTarget.ButtonBack);
  EXPECT_EQ(shownPages(), std::vector<std::string>{"TVMVLSel"});
  EXPECT_EQ(TVMVLSel.List1.listCount(), 2);
  EXPECT_EQ(TVMVLSel.List1.selCount(), 0);
  EXPECT_FALSE(TVMVLSel.ButtonNext.enabled());
}

TEST_F(LibraryPage, Screenshot) {
  openMvl({{"intro.mve", samples::mveMovie(1234567, 1), {}},
           {"level01.mve", samples::mveMovie(456789, 2), {}},
           {"level02.mve", samples::mveMovie(98765, 3), {}},
           {"outro.mve", samples::mveMovie(2345678, 4), {}}});
  TVMVLSel.List1.setSelected(1, true);
  TVMVLSel.List1.setSelected(3, true);
  saveScreenshot(TVMVLSel, "tvmvlsel");
}
