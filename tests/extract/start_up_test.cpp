// The wizard's start procedure, on an installed family.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "extract/tv1mode.h"
#include "extract/tv_main.h"
#include "extract/wizard_state.h"
#include "help/nimbrel.h"
#include "platform/system.h"
#include "shared/identity.h"
#include "shared/nimbrel_init.h"
#include "shared/splash.h"
#include "wizard_fixture.h"

using namespace testing_support;
namespace fs = std::filesystem;

namespace {

class StartUp : public WizardTest {
 protected:
  StartUp() {
    // The program as installed: its file and the shipped splash pictures in its main directory.
    win::setAppPath("C:\\VYST\\TOVRIK32");
    win::setAppExeName("Tovrik32");
    for (const char* picture : {"Tovrik32.jpg", "Tovrik32.gif"})
      fs::copy_file(fs::path(VM_SOURCE_DIR) / "extract" / "data" / picture, mainDir() / picture);
    prog_key = prog_title = prog_version = prog_date = "";
    pfad_main = pfad_vyst = "";
    win::setSleeper([this](uint32_t ms) { waits.push_back(ms); });
  }
  ~StartUp() override { win::setSleeper({}); }
  std::vector<uint32_t> waits;
};

}  // namespace

TEST_F(StartUp, MainSetsTheIdentityAndShowsTheCompanionAndTheFirstPage) {
  Main();
  EXPECT_FALSE(ui::programState().ended);
  EXPECT_EQ(prog_key, "TOVRIK32");
  EXPECT_EQ(prog_title, "TOVRIKALL32");
  EXPECT_EQ(prog_version, "1.0 Beta 02 (Build 03)");
  EXPECT_EQ(prog_date, "01/14/99");
  EXPECT_EQ(pfad_main, "C:\\VYST\\TOVRIK32\\");
  EXPECT_EQ(nimbrel_url, "http://www.example.org/vortane/tovrik32/manual/");
  EXPECT_EQ(nimbrel_image, "C:\\VYST\\Nimbrel\\fs1.gif");
  // The shipped splash picture passes its test without a word; the splash stays 3000 ms, then closes.
  EXPECT_TRUE(user.messageBoxes().empty());
  EXPECT_EQ(waits, std::vector<uint32_t>{3000});
  EXPECT_FALSE(VystSplash.isLoaded());
  EXPECT_TRUE(Nimbrel.isVisible());
  EXPECT_EQ(Nimbrel.owner(), nullptr);
  EXPECT_EQ(shownPages(), std::vector<std::string>{"TV1Mode"});
  EXPECT_EQ(TV1Mode.PageSwitch, 0);
}

TEST_F(StartUp, TheFirstPageHasTheKeyboardBesideTheCompanion) {
  Main();
  userType(Qt::Key_Space);
  EXPECT_EQ(mode1, kMveFile);
  EXPECT_TRUE(TV1Mode.ButtonNext.enabled());
  EXPECT_TRUE(Nimbrel.isVisible());
}

TEST_F(StartUp, ClosingTheFirstPageEndsTheProgram) {
  Main();
  EXPECT_PROGRAM_ENDS(TV1Mode.window()->close(), 0);
}
