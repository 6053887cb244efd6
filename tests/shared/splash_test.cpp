#include "shared/splash.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/system.h"
#include "platform/ui/message_box.h"
#include "platform/ui/units.h"
#include "shared/identity.h"
#include "support/ui_driver.h"

using namespace testing_support;
using namespace std::string_literals;
namespace fs = std::filesystem;

namespace {

const std::string kMissingText =
    "Splash screen image not found! Reinstall Vortane Manager please! You can still work with it by pressing OK now.";
const std::string kModifiedText =
    "Splash screen image was modified! Not good! Vortane Manager will work, but you will always have to select OK "
    "in this dialog until you have installed the right one again!";

class Splash : public UiTest {
 protected:
  Splash() {
    prog_key = "TOVRIK32";
    prog_title = "TOVRIKALL32";
    prog_version = "1.0 Beta 02 (Build 03)";
    win::setAppPath("C:\\PROGRAMS\\TOVRIK");
    win::setAppExeName("Tovrik32");
    writeFile(prefix.driveC() / "VYST.CFG", "[Directories]\r\nVyst3=C:\\VYST\r\n");
    writeFile(prefix.driveC() / "VYST" / "vyst.ini", "[General]\r\n");
  }
  fs::path picture() const { return prefix.driveC() / "PROGRAMS" / "TOVRIK" / "Tovrik32.jpg"; }
  void start(uint8_t expectedSum, std::string_view credit = "n/a") {
    SplashStart(expectedSum, ui::rgb(255, 0, 0), true, false, credit);
  }
  const std::vector<ui::MessageBoxRequest>& boxes() { return user.messageBoxes(); }
  void copyShippedPictures() {
    fs::create_directories(picture().parent_path());
    fs::copy_file(fs::path(VM_SOURCE_DIR) / "extract" / "data" / "Tovrik32.jpg", picture());
    fs::copy_file(fs::path(VM_SOURCE_DIR) / "extract" / "data" / "Tovrik32.gif",
                  picture().parent_path() / "Tovrik32.gif");
  }
};

TEST_F(Splash, AMatchingSumShowsTheSplashWithoutAWord) {
  writeFile(picture(), "\x12\x34");
  start(0x26);
  EXPECT_TRUE(boxes().empty());
  EXPECT_TRUE(VystSplash.isVisible());
  EXPECT_EQ(pfad_vyst, "C:\\VYST\\");
  EXPECT_EQ(pfad_main, "C:\\PROGRAMS\\TOVRIK\\");
}

TEST_F(Splash, ASumOfNoneTestsNothing) {
  writeFile(picture(), "anything at all");
  start(0);
  EXPECT_TRUE(boxes().empty());
}

TEST_F(Splash, AnXorOfZeroCountsAsOne) {
  writeFile(picture(), "\x5A\x5A");
  start(1);
  EXPECT_TRUE(boxes().empty());
}

TEST_F(Splash, ADifferentSumWarnsWithCancelAsDefault) {
  writeFile(picture(), "\x12\x34");
  user.answerMessageBox(ui::kIdOk);
  start(0x27);
  ASSERT_EQ(boxes().size(), 1u);
  EXPECT_EQ(boxes()[0].title, "Vortane Manager warning");
  EXPECT_EQ(boxes()[0].text, kModifiedText);
  EXPECT_EQ(boxes()[0].buttons, (std::vector<int>{ui::kIdOk, ui::kIdCancel}));
  EXPECT_EQ(boxes()[0].defaultButton, ui::kIdCancel);
  EXPECT_TRUE(VystSplash.isVisible());
}

TEST_F(Splash, CancelOnTheModifiedPictureEndsTheProgram) {
  writeFile(picture(), "\x12\x34");
  user.answerMessageBox(ui::kIdCancel);
  EXPECT_PROGRAM_ENDS(start(0x27), 0);
}

TEST_F(Splash, AMissingPictureWarnsBeforeTheSplashAndIsNeverCreated) {
  user.answerMessageBox(ui::kIdOk);
  start(0x55);
  ASSERT_EQ(boxes().size(), 1u);
  EXPECT_EQ(boxes()[0].text, kMissingText);
  EXPECT_EQ(boxes()[0].title, "Vortane Manager warning");
  EXPECT_EQ(boxes()[0].buttons, (std::vector<int>{ui::kIdOk, ui::kIdCancel}));
  EXPECT_EQ(boxes()[0].defaultButton, ui::kIdOk);
  EXPECT_TRUE(VystSplash.isVisible());
  EXPECT_FALSE(VystSplash.Image1.hasPicture());
  EXPECT_FALSE(fs::exists(picture()));
}

TEST_F(Splash, CancelOnTheMissingPictureEndsBeforeTheSplashShows) {
  user.answerMessageBox(ui::kIdCancel);
  EXPECT_PROGRAM_ENDS(start(0x55), 0);
  EXPECT_FALSE(VystSplash.isVisible());
}

TEST_F(Splash, ADirectoryInThePicturesPlaceIsAMissingPicture) {
  fs::create_directories(picture());
  user.answerMessageBox(ui::kIdOk);
  start(0x55);
  ASSERT_EQ(boxes().size(), 1u);
  EXPECT_EQ(boxes()[0].text, kMissingText);
}

TEST_F(Splash, PicturesAreLookedUpInTheMainDirectory) {
  writeFile(prefix.driveC() / "VYST" / "vyst.ini", "[Detour]\r\nTOVRIK32=C:\\DETOUR\r\n");
  writeFile(prefix.driveC() / "DETOUR" / "Tovrik32.jpg", "\x01");
  start(1);
  EXPECT_EQ(pfad_main, "C:\\DETOUR\\");
  EXPECT_TRUE(boxes().empty());
}

TEST_F(Splash, AFamilyThatIsNotInstalledEndsBeforeTheSplashShows) {
  fs::remove(prefix.driveC() / "VYST.CFG");
  writeFile(picture(), "\x01");
  user.onModal("VystEMsg", [](ui::Form& form) { form.unload(); });
  EXPECT_PROGRAM_ENDS(start(1), 1);
  EXPECT_EQ(user.modalForms(), std::vector<std::string>{"VystEMsg"});
  EXPECT_FALSE(VystSplash.isVisible());
}

TEST_F(Splash, TheTitleLosesATrailing32AndTheBadgeFollowsIt) {
  for (const auto& [title, shown] : {std::pair{"TOVRIKALL32"s, "TOVRIKALL"s}, {"QUARROW"s, "QUARROW"s}, {"32"s, ""s}}) {
    prog_title = title;
    writeFile(picture(), "\x01");
    start(1);
    ui::Label& front = VystSplash.lblProductName[0];
    ui::Label& shadow = VystSplash.lblProductName[1];
    EXPECT_EQ(front.caption(), shown);
    EXPECT_EQ(shadow.caption(), shown);
    EXPECT_DOUBLE_EQ(shadow.left(), front.left() + 4 * ui::twipsPerPixelX());
    EXPECT_DOUBLE_EQ(shadow.top(), front.top() + 4 * ui::twipsPerPixelY());
    EXPECT_EQ(VystSplash.lbl32.caption(), "32");
    EXPECT_DOUBLE_EQ(VystSplash.lbl32.left(), front.left() + front.width() - 720);
    EXPECT_EQ(VystSplash.lbl32.foreColor(), ui::rgb(255, 0, 0));
    SplashEnd();
  }
}

TEST_F(Splash, TheCreditLineStandsInForACreditThatIsNoValue) {
  for (const auto& [credit, shown] : {std::pair{""s, std::string(kLibraryCreditLine)},
                                      {"   "s, std::string(kLibraryCreditLine)},
                                      {"n/a"s, std::string(kLibraryCreditLine)},
                                      {"Licensed to the reader"s, "Licensed to the reader"s}}) {
    writeFile(picture(), "\x01");
    start(1, credit);
    EXPECT_EQ(VystSplash.lblLicenseTo.caption(), shown);
    EXPECT_EQ(VystSplash.lblVersion.caption(), "Version 1.0 Beta 02 (Build 03)");
    SplashEnd();
  }
}

TEST_F(Splash, SplashEndWaitsThenCloses) {
  std::vector<uint32_t> waits;
  win::setSleeper([&](uint32_t ms) { waits.push_back(ms); });
  writeFile(picture(), "\x01");
  start(1);
  SplashEnd(3000);
  EXPECT_FALSE(VystSplash.isLoaded());
  start(1);
  SplashEnd();
  win::setSleeper({});
  EXPECT_EQ(waits, (std::vector<uint32_t>{3000, 0}));
}

TEST(PictureSum, CombinesEveryByteOnce) {
  TempPrefix prefix;
  std::string big(70001, '\0');
  big[0] = '\x10';
  big[65536] = '\x01';  // the second block
  big[70000] = '\x02';
  const std::pair<std::string, uint8_t> cases[] = {
      {"", 1}, {"\x7F", 0x7F}, {"\x12\x34", 0x26}, {"\xFF\xFF", 1}, {big, 0x13},
  };
  for (const auto& [bytes, sum] : cases) {
    writeFile(prefix.driveC() / "p.jpg", bytes);
    EXPECT_EQ(PictureSum("C:\\p.jpg"), sum) << bytes.size();
  }
  EXPECT_EQ(PictureSum("C:\\missing.jpg"), std::nullopt);
  EXPECT_FALSE(fs::exists(prefix.driveC() / "missing.jpg"));
}

TEST_F(Splash, TheWaitFindsTheSplashDrawnOnTheScreen) {
  copyShippedPictures();
  start(0);
  // The wait blocks the program: what the screen shows then is what was drawn before it.
  QImage onScreen, drawn;
  win::setSleeper([&](uint32_t) {
    QWidget* window = VystSplash.window();
    onScreen = window->screen()->grabWindow(window->winId()).toImage().convertToFormat(QImage::Format_RGB32);
    drawn = window->grab().toImage().convertToFormat(QImage::Format_RGB32);
  });
  SplashEnd(3000);
  win::setSleeper({});
  ASSERT_FALSE(drawn.isNull());
  EXPECT_TRUE(onScreen == drawn) << (onScreen.isNull() ? "nothing of the splash is on the screen"
                                                       : "the screen shows another splash than the window's");
  QPixmap::fromImage(onScreen).save(QString::fromStdString(screenshotFile("splash_during_wait").string()));
}

TEST_F(Splash, Screenshot) {
  copyShippedPictures();
  start(0);
  EXPECT_TRUE(VystSplash.Image1.hasPicture());
  EXPECT_TRUE(VystSplash.ImageVM.hasPicture());
  saveScreenshot(VystSplash, "splash");
}

}  // namespace
