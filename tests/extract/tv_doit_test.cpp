#include "extract/tv_doit.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <string>
#include <vector>

#include "extract/tv_main.h"
#include "platform/files.h"
#include "platform/ui/message_box.h"
#include "run_page_fixture.h"
#include "shared/identity.h"
#include "support/planted_link.h"

using namespace testing_support;
namespace fs = std::filesystem;

namespace {

const std::string kSucceeded = "The process completed successfully. Thanks for using Vortane Manager Tools!";
constexpr int32_t kHeader = 1000;  // bytes of the source before the movie

int blocks(int64_t bytes) { return static_cast<int>((bytes + 32767) / 32768); }

// A movie cut out of the middle of its source, with bytes before and after it.
std::string sourceAround(const std::string& movie) { return bytesOf(kHeader, 90) + movie + bytesOf(777, 91); }

struct BlockCase {
  int32_t movieSize;
  size_t stubSize;  // 0: MVE output, no stub
};

class RunPageBlocks : public RunPageTest, public ::testing::WithParamInterface<BlockCase> {};

TEST_P(RunPageBlocks, WritesTheStubThenTheMovieByteForByteInWholeBlocks) {
  const BlockCase c = GetParam();
  const std::string stub = bytesOf(c.stubSize, 2), movie = bytesOf(static_cast<size_t>(c.movieSize), 3);
  outputKind(c.stubSize ? 2 : 1);
  if (c.stubSize) mainFile("stub\\w32stub.lib", stub);
  source(sourceAround(movie));
  choose({{"INTRO.MVE", kHeader, c.movieSize}});

  RunTVDoIt();

  const std::string name = c.stubSize ? "INTRO.EXE" : "INTRO.MVE";
  EXPECT_EQ(targetFiles(), std::vector<std::string>{name});
  EXPECT_TRUE(target(name) == stub + movie) << "output of " << target(name).size() << " bytes";
  EXPECT_EQ(user.yields(), blocks(static_cast<int64_t>(c.stubSize)) + blocks(c.movieSize));
  EXPECT_EQ(TVDoIt.ProgressBar1.value(), static_cast<float>(SpaceNeeded));
  EXPECT_EQ(TVDoIt.Label1.caption(), kSucceeded);
  EXPECT_FALSE(TVDoIt.ProgressBar1.visible());
  EXPECT_FALSE(TVDoIt.LabelProgress.visible());
  EXPECT_EQ(TVDoIt.ButtonNext.caption(), "E&xit");
  EXPECT_TRUE(TVDoIt.ButtonNext.enabled());
  EXPECT_FALSE(TVDoIt.ButtonCancel.enabled());
}

INSTANTIATE_TEST_SUITE_P(Sizes, RunPageBlocks,
                         ::testing::Values(BlockCase{0, 0}, BlockCase{1, 0}, BlockCase{32767, 0}, BlockCase{32768, 0},
                                           BlockCase{32769, 0}, BlockCase{65536, 0}, BlockCase{0, 4096},
                                           BlockCase{32769, 32768}, BlockCase{65536, 32769}));

TEST_F(RunPageTest, TwoMoviesEachGetTheirOwnStubAndTheBarCountsBoth) {
  const std::string stub = bytesOf(5000, 4), first = bytesOf(40000, 5), second = bytesOf(70000, 6);
  outputKind(2);
  mainFile("stub\\w32stub.lib", stub);
  source(first + second);
  choose({{"INTRO.MVE", 0, 40000}, {"battle.mve", 40000, 70000}});
  std::vector<std::string> shown;
  user.atYield(1, [&] { shown.push_back(TVDoIt.LabelProgress.caption()); });
  user.atYield(5, [&] { shown.push_back(TVDoIt.LabelProgress.caption()); });

  RunTVDoIt();

  EXPECT_EQ(TVDoIt.ProgressBar1.max(), 40000.0f + 70000.0f + 2 * 5000.0f);
  EXPECT_EQ(TVDoIt.ProgressBar1.value(), TVDoIt.ProgressBar1.max());
  EXPECT_EQ(shown, (std::vector<std::string>{"Processing INTRO.EXE...", "Processing BATTLE.EXE..."}));
  EXPECT_TRUE(target("INTRO.EXE") == stub + first);
  EXPECT_TRUE(target("BATTLE.EXE") == stub + second);
}

TEST_F(RunPageTest, ContainerNamesStayInsideTheTargetAndDoNotMeet) {
  const std::string a = bytesOf(100, 7), b = bytesOf(200, 8), c = bytesOf(300, 9);
  source(a + b + c);
  choose({{"..\\..\\VORTANE\\TOVRIK32\\EVIL.MVE", 0, 100}, {"intro.mve", 100, 200}, {"INTRO.MVE", 300, 300}});

  RunTVDoIt();

  EXPECT_EQ(targetFiles(), (std::vector<std::string>{"EVIL.MVE", "INTRO.MVE", "INTRO~2.MVE"}));
  EXPECT_TRUE(target("EVIL.MVE") == a);
  EXPECT_TRUE(target("INTRO.MVE") == b);
  EXPECT_TRUE(target("INTRO~2.MVE") == c);
  EXPECT_FALSE(fs::exists(host(pfad_main + "EVIL.MVE")));
}

TEST_F(RunPageTest, AnOlderFileOfTheOutputNameIsReplacedWithoutAsking) {
  writeFile(targetFolder / "INTRO.MVE", bytesOf(90000, 10));
  const std::string movie = bytesOf(500, 11);
  source(movie);
  choose({{"INTRO.MVE", 0, 500}});

  RunTVDoIt();

  EXPECT_TRUE(target("INTRO.MVE") == movie);
  EXPECT_TRUE(user.messageBoxes().empty());
}

TEST_F(RunPageTest, AFileThatHappensToBearTheTemporaryNameIsLeftAlone) {
  writeFile(targetFolder / "INTRO.MVE.~tv", "the user's own");
  const std::string movie = bytesOf(500, 33);
  source(movie);
  choose({{"INTRO.MVE", 0, 500}});

  RunTVDoIt();

  EXPECT_EQ(targetFiles(), (std::vector<std::string>{"INTRO.MVE", "INTRO.MVE.~tv"}));
  EXPECT_TRUE(target("INTRO.MVE") == movie);
  EXPECT_EQ(target("INTRO.MVE.~tv"), "the user's own");
}

struct LinkCase {
  const char* at;  // the name in the target folder that bears the link
  LinkTarget target;
};

std::string linkCaseName(const ::testing::TestParamInfo<LinkCase>& param) {
  std::string name = param.param.at;
  std::replace_if(
      name.begin(), name.end(), [](char c) { return !std::isalnum(static_cast<unsigned char>(c)); }, '_');
  return name + "_" + nameOf(param.param.target);
}

class RunPageBesideAPlantedLink : public RunPageTest, public ::testing::WithParamInterface<LinkCase> {};

TEST_P(RunPageBesideAPlantedLink, NoMovieNorExtraIsWrittenThroughALink) {
  outputKind(3);
  mainFile("stub\\dosstub.lib", "DOS");
  mainFile("HMI\\hmidet.386", bytesOf(3000, 34));
  mainFile("HMI\\hmidrv.386", bytesOf(5000, 35));
  const std::string movie = bytesOf(500, 36);
  source(movie);
  choose({{"INTRO.MVE", 0, 500}});
  PlantedLink link(targetFolder / GetParam().at, prefix.root() / "outside", GetParam().target);

  RunTVDoIt();

  EXPECT_TRUE(link.outsideUnchanged());
  for (const char* name : {"INTRO.EXE", "hmidet.386", "hmidrv.386"})
    EXPECT_TRUE(isPlainFile(targetFolder / name)) << name;
  EXPECT_TRUE(target("INTRO.EXE") == "DOS" + movie);
  EXPECT_TRUE(target("hmidet.386") == bytesOf(3000, 34));
  EXPECT_EQ(TVDoIt.Label1.caption(), kSucceeded);
  // The temporary name the run once used is nobody's business now.
  if (std::string(GetParam().at).ends_with(".~tv")) {
    EXPECT_TRUE(link.linkLeftAlone());
  }
}

INSTANTIATE_TEST_SUITE_P(Links, RunPageBesideAPlantedLink,
                         ::testing::Values(LinkCase{"INTRO.EXE", LinkTarget::Nowhere},
                                           LinkCase{"INTRO.EXE", LinkTarget::OutsideFile},
                                           LinkCase{"INTRO.EXE.~tv", LinkTarget::Nowhere},
                                           LinkCase{"INTRO.EXE.~tv", LinkTarget::OutsideFile},
                                           LinkCase{"hmidet.386", LinkTarget::Nowhere},
                                           LinkCase{"hmidet.386", LinkTarget::OutsideFile}),
                         linkCaseName);

TEST_F(RunPageTest, AValuePastTheBarsMaximumDoesNotCutTheCopyShort) {
  const std::string movie = bytesOf(100000, 12);
  source(movie);
  choose({{"INTRO.MVE", 0, 100000}});
  SpaceNeeded = 10;

  RunTVDoIt();

  EXPECT_TRUE(target("INTRO.MVE") == movie);
  EXPECT_EQ(TVDoIt.Label1.caption(), kSucceeded);
}

TEST_F(RunPageTest, ASourceThatShrinksIsReportedAndLeavesTheOlderFileAlone) {
  const std::string older = bytesOf(1234, 13), first = bytesOf(100000, 14), second = bytesOf(3000, 15);
  writeFile(targetFolder / "INTRO.MVE", older);
  source(second + first);
  choose({{"INTRO.MVE", 3000, 100000}, {"SECOND.MVE", 0, 3000}});
  // The movie's data is gone from the medium after its first block was read.
  user.atYield(1, [&] { fs::resize_file(sourceFolder / "SOURCE.MVL", 3000 + 50000); });
  expectErrorBox();

  RunTVDoIt();

  EXPECT_EQ(targetFiles(), (std::vector<std::string>{"INTRO.MVE", "SECOND.MVE"}));
  EXPECT_TRUE(target("INTRO.MVE") == older);
  EXPECT_TRUE(target("SECOND.MVE") == second);
  EXPECT_EQ(errorCaption, "Extraction failed");
  EXPECT_EQ(errorMessage, "These files could not be written:\r\n\r\nINTRO.MVE (Input past end of file)");
  EXPECT_NE(TVDoIt.Label1.caption(), kSucceeded);
  EXPECT_EQ(TVDoIt.ButtonNext.caption(), "E&xit");
}

TEST_F(RunPageTest, AMissingStubFailsEveryOutputAndCreatesNothing) {
  outputKind(2);
  source(bytesOf(600, 16));
  choose({{"ONE.MVE", 0, 300}, {"TWO.MVE", 300, 300}});
  expectErrorBox();

  RunTVDoIt();

  EXPECT_TRUE(targetFiles().empty());
  EXPECT_FALSE(fs::exists(host(pfad_main + "stub\\w32stub.lib")));
  EXPECT_EQ(errorMessage,
            "These files could not be written:\r\n\r\nONE.EXE (File not found)\r\nTWO.EXE (File not found)");
  EXPECT_NE(TVDoIt.Label1.caption(), kSucceeded);
}

TEST_F(RunPageTest, AVanishedSourceIsReportedAndNotCreated) {
  source(bytesOf(600, 17));
  fs::remove(sourceFolder / "SOURCE.MVL");
  choose({{"ONE.MVE", 0, 300}});
  expectErrorBox();

  RunTVDoIt();

  EXPECT_TRUE(targetFiles().empty());
  EXPECT_FALSE(fs::exists(sourceFolder / "SOURCE.MVL"));
  EXPECT_EQ(errorMessage, "These files could not be written:\r\n\r\nONE.MVE (File not found)");
}

TEST_F(RunPageTest, ATargetThatCannotBeWrittenIsReported) {
  win::drives().map('P', "/proc/self");
  TargetDir = "P:\\";
  source(bytesOf(300, 18));
  choose({{"ONE.MVE", 0, 300}});
  expectErrorBox();

  RunTVDoIt();

  EXPECT_NE(errorMessage.find("ONE.MVE ("), std::string::npos) << errorMessage;
  EXPECT_NE(TVDoIt.Label1.caption(), kSucceeded);
}

TEST_F(RunPageTest, AnOutputThatIsTheSourceItselfIsRefused) {
  // A self-playing EXE written as EXE into its own folder, reached through another drive.
  const std::string exe = bytesOf(76800, 19) + bytesOf(20000, 20);
  writeFile(targetFolder / "TRAILER.EXE", exe);
  win::drives().map('E', targetFolder);
  SourcePath = "E:\\TRAILER.EXE";
  outputKind(2);
  mainFile("stub\\w32stub.lib", bytesOf(76800, 21));
  choose({{"TRAILER.EXE", 76800, 20000}});
  expectErrorBox();

  RunTVDoIt();

  EXPECT_TRUE(target("TRAILER.EXE") == exe);
  EXPECT_EQ(targetFiles(), std::vector<std::string>{"TRAILER.EXE"});
  EXPECT_EQ(errorMessage, "These files could not be written:\r\n\r\nTRAILER.EXE (it is the source file itself)");
}

TEST_F(RunPageTest, CancelAnsweredNoLetsTheRunFinish) {
  const std::string movie = bytesOf(100000, 22);
  source(movie);
  choose({{"INTRO.MVE", 0, 100000}});
  user.atYield(2, [&] { userClick(TVDoIt.ButtonCancel); });
  user.answerMessageBox(ui::kIdNo);

  RunTVDoIt();

  ASSERT_EQ(user.messageBoxes().size(), 1u);
  const ui::MessageBoxRequest& box = user.messageBoxes()[0];
  EXPECT_EQ(box.text, "Are you sure you want to abort?");
  EXPECT_EQ(box.title, "TOVRIK32");
  EXPECT_EQ(box.buttons, (std::vector<int>{ui::kIdYes, ui::kIdNo}));
  EXPECT_EQ(box.defaultButton, ui::kIdNo);
  EXPECT_TRUE(target("INTRO.MVE") == movie);
  EXPECT_EQ(TVDoIt.Label1.caption(), kSucceeded);
}

TEST_F(RunPageTest, CancelAnsweredNoThenYesEndsTheProgramAndRemovesThePartlyWrittenFile) {
  const std::string older = bytesOf(777, 23);
  writeFile(targetFolder / "INTRO.MVE", older);
  source(bytesOf(100000, 24));
  choose({{"INTRO.MVE", 0, 100000}});
  user.atYield(1, [&] { userClick(TVDoIt.ButtonCancel); });
  user.atYield(2, [&] { userClick(TVDoIt.ButtonCancel); });
  user.answerMessageBox(ui::kIdNo);
  user.answerMessageBox(ui::kIdYes);

  EXPECT_PROGRAM_ENDS(RunTVDoIt(), 0);

  EXPECT_EQ(user.messageBoxes().size(), 2u);
  EXPECT_EQ(user.yields(), 2);

  EXPECT_EQ(targetFiles(), std::vector<std::string>{"INTRO.MVE"});
  EXPECT_TRUE(target("INTRO.MVE") == older);
  EXPECT_FALSE(win::isOpen(TVDoIt.FileIn));
  EXPECT_FALSE(win::isOpen(TVDoIt.FileOut));
}

TEST_F(RunPageTest, ClosingThePageDuringTheRunEndsTheProgramAndRemovesThePartlyWrittenFile) {
  source(bytesOf(100000, 25));
  choose({{"INTRO.MVE", 0, 100000}});
  user.atYield(1, [&] { TVDoIt.window()->close(); });

  EXPECT_PROGRAM_ENDS(RunTVDoIt(), 0);

  EXPECT_TRUE(targetFiles().empty());
}

TEST_F(RunPageTest, ExitAfterTheRunEndsTheProgram) {
  source(bytesOf(10, 26));
  choose({{"INTRO.MVE", 0, 10}});
  RunTVDoIt();

  EXPECT_PROGRAM_ENDS(userClick(TVDoIt.ButtonNext), 0);
}

TEST_F(RunPageTest, NothingAtAYieldStartsASecondRunOrChangesTheRunningOne) {
  const std::string first = bytesOf(40000, 27), second = bytesOf(40000, 32);
  source(first + second);
  choose({{"ONE.MVE", 0, 40000}, {"TWO.MVE", 40000, 40000}});
  user.atYield(1, [&] {
    EXPECT_FALSE(TVDoIt.ButtonNext.enabled());
    RunTVDoIt();  // Finish of the page beneath, pressed again
    Movies[2].Size = 5;
    MovieCount = 1;
    TargetDir = "C:\\ELSEWHERE\\";
  });

  RunTVDoIt();

  EXPECT_FALSE(ui::programState().ended);
  EXPECT_EQ(user.yields(), 2 * blocks(40000));
  EXPECT_EQ(targetFiles(), (std::vector<std::string>{"ONE.MVE", "TWO.MVE"}));
  EXPECT_TRUE(target("ONE.MVE") == first);
  EXPECT_TRUE(target("TWO.MVE") == second);
}

struct ExtrasCase {
  int16_t kind;
  bool extras;
};

class RunPageExtras : public RunPageTest, public ::testing::WithParamInterface<ExtrasCase> {};

TEST_P(RunPageExtras, OnlyDosOutputShowsThePlayersNotesAndCopiesItsDrivers) {
  pfad_main = "C:\\VORTANE MANAGER\\TOVRIK32\\";
  outputKind(GetParam().kind);
  mainFile("stub\\w32stub.lib", "W32");
  mainFile("stub\\dosstub.lib", "DOS");
  mainFile("DOSPLAY.TXT", "notes");
  mainFile("HMI\\hmidet.386", bytesOf(3000, 28));
  mainFile("HMI\\hmidrv.386", bytesOf(5000, 29));
  writeFile(targetFolder / "hmidrv.386", "older driver");
  source(bytesOf(100, 30));
  choose({{"INTRO.MVE", 0, 100}});

  RunTVDoIt();

  if (GetParam().extras) {
    EXPECT_EQ(user.desktop().viewed, std::vector<std::string>{"C:\\VORTANE MANAGER\\TOVRIK32\\DOSPLAY.TXT"});
    EXPECT_EQ(targetFiles(), (std::vector<std::string>{"INTRO.EXE", "hmidet.386", "hmidrv.386"}));
    EXPECT_TRUE(target("hmidet.386") == bytesOf(3000, 28));
    EXPECT_TRUE(target("hmidrv.386") == bytesOf(5000, 29));
    EXPECT_EQ(target("INTRO.EXE").substr(0, 3), "DOS");
  } else {
    EXPECT_TRUE(user.desktop().viewed.empty());
    EXPECT_EQ(targetFiles().size(), 2u);
    EXPECT_EQ(target("hmidrv.386"), "older driver");
  }
  EXPECT_EQ(TVDoIt.Label1.caption(), kSucceeded);
}

INSTANTIATE_TEST_SUITE_P(Kinds, RunPageExtras,
                         ::testing::Values(ExtrasCase{1, false}, ExtrasCase{2, false}, ExtrasCase{3, true}));

TEST_F(RunPageTest, AMissingDosDriverIsReported) {
  outputKind(3);
  mainFile("stub\\dosstub.lib", "DOS");
  mainFile("HMI\\hmidet.386", "det");
  source(bytesOf(100, 31));
  choose({{"INTRO.MVE", 0, 100}});
  expectErrorBox();

  RunTVDoIt();

  EXPECT_EQ(targetFiles(), (std::vector<std::string>{"INTRO.EXE", "hmidet.386"}));
  EXPECT_EQ(errorMessage, "These files could not be written:\r\n\r\nhmidrv.386 (File not found)");
}

}  // namespace
