// The whole wizard on the ready default prefix, as a new user meets it: from the first page through every
// page to the written files, for each kind of source and each kind of output.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <filesystem>
#include <string>
#include <vector>

#include "extract/tv1mode.h"
#include "extract/tv2mode.h"
#include "extract/tv_doit.h"
#include "extract/tv_main.h"
#include "extract/tvmvlsel.h"
#include "extract/tvsource.h"
#include "extract/tvtarget.h"
#include "extract/wizard_state.h"
#include "platform/drives.h"
#include "platform/system.h"
#include "platform/ui/application.h"
#include "run_page_fixture.h"
#include "shared/identity.h"
#include "support/host_process.h"
#include "tools/samples/sample_containers.h"

using namespace testing_support;
namespace fs = std::filesystem;

namespace {

const std::string kW32Stub = bytesOf(1500, 40), kDosStub = bytesOf(900, 41);
const std::string kHmiDet = bytesOf(300, 42), kHmiDrv = bytesOf(500, 43);

struct Movie {
  std::string name;  // without extension
  std::string bytes;
};

// What the ready prefix's sample folder holds, as the generator makes it.
struct Source {
  const char* label;
  int16_t kind;
  const char* file;
  std::vector<Movie> movies;
};

const std::vector<Source>& sources() {
  static const std::vector<Source> all = {
      {"Mve", 1, "LOGO.MVE", {{"LOGO", samples::mveMovie(307200, 8)}}},
      {"Mvl",
       2,
       "MOVIES.MVL",
       {{"INTRO", samples::mveMovie(45000, 1)},
        {"BATTLE", samples::mveMovie(131072, 2)},
        {"ENDING", samples::mveMovie(200001, 3)}}},
      {"Exe", 3, "TRAILER.EXE", {{"TRAILER", samples::mveMovie(98305, 7)}}},
      {"Bif",
       4,
       "AREA.BIF",
       {{"AREA-MOVIE01", samples::mveMovie(40960, 4)},
        {"AREA-MOVIE02", samples::mveMovie(65537, 5)},
        {"AREA-MOVIE03", samples::mveMovie(150000, 6)}}},
  };
  return all;
}

struct Output {
  const char* label;
  int16_t kind;
  const char* extension;
  const std::string* stub;
};
const Output kOutputs[] = {{"Mve", 1, ".MVE", nullptr}, {"Win32", 2, ".EXE", &kW32Stub}, {"Dos", 3, ".EXE", &kDosStub}};

struct Case {
  size_t source;
  size_t output;
};

class WizardEndToEnd : public UiTest, public ::testing::WithParamInterface<Case> {
 protected:
  WizardEndToEnd() {
    win::setSleeper([this](uint32_t ms) { slept += ms; });
    // The set-up runs as the program tools/run.sh starts, since it runs the installer, which this one is not.
    const ProcessResult setUp = runToEnd(VM_SETUP_DEFAULT, {VM_MODULES_DIR},
                                         {{"VORTANE_PREFIX", prefix.root().string()},
                                          {"XDG_DATA_HOME", (prefix.root() / "xdg-data").string()},
                                          {"XDG_CONFIG_HOME", (prefix.root() / "xdg-config").string()}});
    if (setUp.exitCode != 0 || setUp.output.find("a ready family is in") == std::string::npos)
      ADD_FAILURE() << setUp.output;
    const fs::path main = win::drives().toHost("C:\\VORTANE\\TOVRIK32");
    writeFile(main / "stub" / "w32stub.lib", kW32Stub);
    writeFile(main / "stub" / "dosstub.lib", kDosStub);
    writeFile(main / "DOSPLAY.TXT", "How to play the movies under DOS.\r\n");
    writeFile(main / "HMI" / "hmidet.386", kHmiDet);
    writeFile(main / "HMI" / "hmidrv.386", kHmiDrv);
    // As the program file sets them before the start procedure.
    win::setAppExeName("tovrik32");
    makedirtree_probe = "mscreate.dir";
    ui::setProgramTitle("TOVRIK32");
  }
  ~WizardEndToEnd() override { win::setSleeper({}); }

  // The user clicks a file of the source page's file list.
  static void clickFile(const std::string& name) {
    auto* list = qobject_cast<QListWidget*>(TVSource.File1.widget());
    ASSERT_NE(list, nullptr);
    for (int i = 0; i < TVSource.File1.listCount(); ++i) {
      if (TVSource.File1.list(i) == name) {
        QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier,
                          list->visualItemRect(list->item(i)).center());
        return;
      }
    }
    ADD_FAILURE() << name << " is not listed";
  }

  uint32_t slept = 0;
};

TEST_P(WizardEndToEnd, FromTheFirstPageToTheWrittenFiles) {
  const Source& source = sources()[GetParam().source];
  const Output& output = kOutputs[GetParam().output];

  Main();
  EXPECT_EQ(slept, 3000u);
  ASSERT_TRUE(TV1Mode.isVisible());
  userClick(TV1Mode.Option1[source.kind]);
  userClick(TV1Mode.ButtonNext);
  ASSERT_TRUE(TV2Mode.isVisible());
  userClick(TV2Mode.Option1[output.kind]);
  userClick(TV2Mode.ButtonNext);
  ASSERT_TRUE(TVSource.isVisible());
  EXPECT_EQ(TVSource.File1.path(), "C:\\SAMPLES");
  clickFile(source.file);
  userClick(TVSource.ButtonNext);
  if (source.kind == 2 || source.kind == 4) {
    ASSERT_TRUE(TVMVLSel.isVisible());
    userClick(TVMVLSel.CommandSel);
    userClick(TVMVLSel.ButtonNext);
  }
  ASSERT_TRUE(TVTarget.isVisible());
  EXPECT_EQ(TVTarget.Text1.text(), "C:\\MOVIES");
  auto* typing = TVTarget.Text1.widget()->findChild<QLineEdit*>();
  ASSERT_NE(typing, nullptr);
  userKey(typing, Qt::Key_End);
  userKey(typing, Qt::Key_Home, Qt::ShiftModifier);
  QTest::keyClicks(typing, "c:\\movies\\run");
  EXPECT_EQ(TVTarget.Text1.text(), "c:\\movies\\run");
  userClick(TVTarget.ButtonNext);

  ASSERT_TRUE(TVDoIt.isVisible());
  EXPECT_FALSE(TVTarget.isLoaded());
  EXPECT_EQ(TVDoIt.Label1.caption(), "The process completed successfully. Thanks for using Vortane Manager Tools!");
  const fs::path written = win::drives().toHost("C:\\MOVIES\\RUN");
  std::vector<std::string> expectedNames;
  for (const Movie& movie : source.movies) {
    const std::string name = movie.name + output.extension;
    expectedNames.push_back(name);
    EXPECT_TRUE(readFile(written / name) == (output.stub ? *output.stub : "") + movie.bytes) << name;
  }
  if (output.kind == 3) {
    expectedNames.insert(expectedNames.end(), {"hmidet.386", "hmidrv.386"});
    EXPECT_TRUE(readFile(written / "hmidet.386") == kHmiDet);
    EXPECT_TRUE(readFile(written / "hmidrv.386") == kHmiDrv);
    EXPECT_EQ(user.desktop().viewed, std::vector<std::string>{"C:\\VORTANE\\TOVRIK32\\DOSPLAY.TXT"});
  } else {
    EXPECT_TRUE(user.desktop().viewed.empty());
  }
  std::sort(expectedNames.begin(), expectedNames.end());
  EXPECT_EQ(namesIn(written), expectedNames);
  EXPECT_EQ(readFile(win::drives().toHost("C:\\VORTANE\\TOVRIK32\\tovrik32.ini")),
            "[LastSettings]\r\nSourcePath=C:\\SAMPLES\r\nTargetDir=c:\\movies\\run\r\n");

  EXPECT_PROGRAM_ENDS(userClick(TVDoIt.ButtonNext), 0);
}

// A plain MVE file is not offered as MVE output: it is one already.
std::vector<Case> allCases() {
  std::vector<Case> cases;
  for (size_t s = 0; s < sources().size(); ++s)
    for (size_t o = 0; o < std::size(kOutputs); ++o)
      if (sources()[s].kind != 1 || kOutputs[o].kind != 1) cases.push_back({s, o});
  return cases;
}

INSTANTIATE_TEST_SUITE_P(SourcesAndOutputs, WizardEndToEnd, ::testing::ValuesIn(allCases()),
                         [](const ::testing::TestParamInfo<Case>& testInfo) {
                           return std::string(sources()[testInfo.param.source].label) + "To" +
                                  kOutputs[testInfo.param.output].label;
                         });

}  // namespace
