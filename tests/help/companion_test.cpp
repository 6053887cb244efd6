#include <gtest/gtest.h>

#include <QCoreApplication>
#include <string>
#include <vector>

#include "help/help_family.h"
#include "help/nimbrel.h"
#include "help/nimbrel_index.h"
#include "platform/ui/message_box.h"
#include "platform/ui/units.h"
#include "shared/nimbrel_init.h"

using namespace testing_support;

namespace {

const std::vector<std::string> kActiveSound{"stop", "close", "open C:\\VYST\\nbactive.wav", "play"};
const std::vector<std::string> kSilence{"stop", "close"};

class Companion : public HelpTest {
 protected:
  Companion() {
    installIndex({"[Version]", "NBXVersion=1", "Author=The manual team", "eMail=manual@example.org",
                  "INetVersion=http://www.example.org/manual/", "", "[Index]", "0, Welcome, welcome.htm",
                  "1, Pages, pages/overview.htm"});
  }

  void leftClick() { QTest::mousePress(Nimbrel.Image1[0].widget(), Qt::LeftButton); }
  void rightClick(QPoint at) { QTest::mousePress(Nimbrel.Image1[0].widget(), Qt::RightButton, Qt::NoModifier, at); }
  void choose(const std::string& caption) {
    user.choosePopupEntry(caption);
    rightClick(QPoint(10, 10));
  }
  void writeVortaneIni(const std::string& playSoundsLine) {
    writeFile(base() / "vortane.ini", crlf({"[Nimbrel]", "AlwaysOnTop=1", playSoundsLine}));
  }
};

TEST_F(Companion, LoadPlacesTheCompanionNearTheLowerRightAndTheTopicWindowAboveIt) {
  loadCompanion();
  double screenW = ui::screenWidth(), screenH = ui::screenHeight();
  EXPECT_EQ(Nimbrel.width(), 1935);
  EXPECT_EQ(Nimbrel.left(), screenW - 1935 - 1500);
  EXPECT_EQ(Nimbrel.top(), screenH - Nimbrel.height() - 2000);
  EXPECT_EQ(Nimbrel.caption(), " ");
  EXPECT_EQ(NimbrelIndex.left() + NimbrelIndex.width(), Nimbrel.left() + Nimbrel.width());
  EXPECT_EQ(NimbrelIndex.top(), 400);
  EXPECT_EQ(NimbrelIndex.height(), Nimbrel.top() - 400);
  EXPECT_FALSE(NimbrelIndex.isVisible());
  EXPECT_FALSE(Nimbrel.isVisible());
  EXPECT_TRUE(Nimbrel.Image1[0].hasPicture());
  EXPECT_TRUE(Nimbrel.Image1[0].visible());
  EXPECT_FALSE(Nimbrel.Image1[1].visible());
  EXPECT_FALSE(Nimbrel.Image1[2].visible());
  EXPECT_TRUE(Nimbrel.helpInstalled);
  EXPECT_EQ(Nimbrel.helpDir, "C:\\VYST\\MANUAL");
  EXPECT_EQ(NimbrelIndex.helpDir, "C:\\VYST\\MANUAL\\");
  EXPECT_EQ(NimbrelIndex.topicTitle, "Welcome");
}

TEST_F(Companion, SoundsAreOffOnlyWhenTheSettingIsExactlyZero) {
  struct Case {
    const char* line;  // in vortane.ini [Nimbrel]; null: no file
    bool on;
  } cases[] = {{nullptr, true},          {"PlaySounds=", true},   {"PlaySounds=1", true}, {"PlaySounds=0", false},
               {"PlaySounds=yes", true}, {"PlaySounds=00", true}, {"Other=0", true}};
  for (const Case& c : cases) {
    if (c.line) writeVortaneIni(c.line);
    Nimbrel.unload();
    loadCompanion();
    EXPECT_EQ(Nimbrel.PlaySounds, c.on) << (c.line ? c.line : "no file");
    EXPECT_EQ(Nimbrel.MenuPlaySounds.checked(), c.on) << (c.line ? c.line : "no file");
    user.sound().commands.clear();
    Nimbrel.WAV(1);
    EXPECT_EQ(user.sound().commands, c.on ? kActiveSound : kSilence) << (c.line ? c.line : "no file");
  }
}

TEST_F(Companion, WAVStopsAndClosesBeforeEverySoundAndPlaysOnlyAFileThatExists) {
  Nimbrel.WAV(2);
  EXPECT_TRUE(Nimbrel.isLoaded());
  EXPECT_FALSE(Nimbrel.isVisible());
  EXPECT_EQ(user.sound().commands, (std::vector<std::string>{"stop", "close", "open C:\\VYST\\nbfound.wav", "play"}));
  user.sound().commands.clear();
  Nimbrel.WAV(0);
  EXPECT_EQ(user.sound().commands, kSilence);
  std::filesystem::remove(base() / "nbactive.wav");
  user.sound().commands.clear();
  Nimbrel.WAV(1);
  EXPECT_EQ(user.sound().commands, kSilence);
}

TEST_F(Companion, TheLeftClickPlaysItsSoundAndShowsThenHidesTheTopicWindow) {
  Nimbrel.show();
  user.sound().commands.clear();
  leftClick();
  EXPECT_EQ(user.sound().commands, kActiveSound);
  EXPECT_TRUE(NimbrelIndex.isVisible());
  EXPECT_EQ(NimbrelIndex.owner(), &Nimbrel);
  leftClick();
  EXPECT_FALSE(NimbrelIndex.isVisible());
  EXPECT_EQ(NimbrelIndex.TreeView1.count(), 2);
  EXPECT_EQ(NimbrelIndex.topicTitle, "Welcome");
}

TEST_F(Companion, WithSoundsOffTheLeftClickIsSilentButStillShowsTheTopicWindow) {
  writeVortaneIni("PlaySounds=0");
  Nimbrel.show();
  user.sound().commands.clear();
  leftClick();
  EXPECT_EQ(user.sound().commands, kSilence);
  EXPECT_TRUE(NimbrelIndex.isVisible());
}

TEST_F(Companion, TheOtherMouseButtonsDoNothing) {
  Nimbrel.show();
  user.sound().commands.clear();
  QTest::mousePress(Nimbrel.Image1[0].widget(), Qt::MiddleButton);
  EXPECT_TRUE(user.sound().commands.empty());
  EXPECT_FALSE(NimbrelIndex.isVisible());
  EXPECT_TRUE(user.popups().empty());
}

TEST_F(Companion, TheRightClickOpensTheSixEntriesAtTheMousePosition) {
  Nimbrel.show();
  user.choosePopupEntry("");
  rightClick(QPoint(20, 30));
  ASSERT_EQ(user.popups().size(), 1u);
  const ui::PopupRequest& menu = user.popups()[0];
  EXPECT_EQ(menu.menuName, "MenuNB");
  EXPECT_EQ(menu.x, ui::toTwipsX(20));
  EXPECT_EQ(menu.y, ui::toTwipsY(30));
  std::vector<std::string> captions;
  for (const ui::PopupEntry& e : menu.entries) captions.push_back(e.caption);
  EXPECT_EQ(captions, (std::vector<std::string>{"Show/hide Index", "Play Sounds", "Jump to Internet version of help",
                                                "-", "About Help File", "About Nimbrel"}));
  EXPECT_TRUE(menu.entries[1].checked);
  EXPECT_TRUE(menu.entries[3].separator);
}

TEST_F(Companion, ShowHideIndexIsALeftClickWithItsSound) {
  Nimbrel.show();
  user.sound().commands.clear();
  choose("Show/hide Index");
  EXPECT_EQ(user.sound().commands, kActiveSound);
  EXPECT_TRUE(NimbrelIndex.isVisible());
  choose("Show/hide Index");
  EXPECT_FALSE(NimbrelIndex.isVisible());
}

TEST_F(Companion, PlaySoundsSwitchesStoresTheStateStopsTheSoundAndLeavesTheOtherKeys) {
  writeVortaneIni("PlaySounds=1");
  Nimbrel.show();
  user.sound().commands.clear();
  choose("Play Sounds");
  EXPECT_FALSE(Nimbrel.PlaySounds);
  EXPECT_FALSE(Nimbrel.MenuPlaySounds.checked());
  EXPECT_EQ(readFile(base() / "vortane.ini"), crlf({"[Nimbrel]", "AlwaysOnTop=1", "PlaySounds=0"}));
  EXPECT_EQ(user.sound().commands, kSilence);
  user.sound().commands.clear();
  choose("Play Sounds");
  EXPECT_TRUE(Nimbrel.PlaySounds);
  EXPECT_TRUE(Nimbrel.MenuPlaySounds.checked());
  EXPECT_EQ(readFile(base() / "vortane.ini"), crlf({"[Nimbrel]", "AlwaysOnTop=1", "PlaySounds=1"}));
  EXPECT_EQ(user.sound().commands, kSilence);
}

TEST_F(Companion, TheInternetEntryOpensTheManualsAddressElseTheOneGivenAtStartUp) {
  struct Case {
    const char* line;
    std::string opened;
  } cases[] = {{"INetVersion=http://www.example.org/manual/", "http://www.example.org/manual/"},
               {"INetVersion=n/a", kUrl},
               {"INetVersion=", kUrl},
               {"Author=nobody", kUrl}};
  for (const Case& c : cases) {
    installIndex({"[Version]", c.line, "[Index]", "0, Welcome, welcome.htm"});
    user.desktop().opened.clear();
    Nimbrel.show();
    choose("Jump to Internet version of help");
    EXPECT_EQ(user.desktop().opened, std::vector<std::string>{c.opened}) << c.line;
  }
}

TEST_F(Companion, AboutHelpFileShowsTheManualsRecordsWithTheRawVersion) {
  Nimbrel.show();
  user.answerMessageBox(ui::kIdOk);
  choose("About Help File");
  ASSERT_EQ(user.messageBoxes().size(), 1u);
  const ui::MessageBoxRequest& box = user.messageBoxes()[0];
  EXPECT_EQ(box.title, "About Help File");
  EXPECT_EQ(box.buttons, std::vector<int>{ui::kIdOk});
  EXPECT_EQ(box.text,
            "TOVRIKALL32 Help\r\nVersion Beta 02,1,1,0,3\r\nUses Nimbrel Engine V1.0\r\n\r\n"
            "Author: The manual team\r\neMail: manual@example.org\r\n\r\n");
}

TEST_F(Companion, AboutHelpFileKeepsAllItsLinesWhenTheVersionKeysAreMissing) {
  installIndex({"[Index]", "0, Welcome, welcome.htm"});
  Nimbrel.show();
  user.answerMessageBox(ui::kIdOk);
  choose("About Help File");
  ASSERT_EQ(user.messageBoxes().size(), 1u);
  EXPECT_EQ(user.messageBoxes()[0].text,
            "TOVRIKALL32 Help\r\nVersion Beta 02,1,1,0,3\r\nUses Nimbrel Engine V.0\r\n\r\n"
            "Author: \r\neMail: \r\n\r\n");
}

TEST_F(Companion, AboutNimbrelNamesTheEngineVersionFirst) {
  Nimbrel.show();
  user.answerMessageBox(ui::kIdOk);
  choose("About Nimbrel");
  ASSERT_EQ(user.messageBoxes().size(), 1u);
  const ui::MessageBoxRequest& box = user.messageBoxes()[0];
  EXPECT_EQ(box.title, "About Nimbrel");
  EXPECT_EQ(box.buttons, std::vector<int>{ui::kIdOk});
  EXPECT_EQ(box.text.rfind("Nimbrel Engine V1.1\r\n", 0), 0u) << box.text;
}

class CompanionWithoutManual : public Companion {
 protected:
  CompanionWithoutManual() { uninstallManual(); }
};

TEST_F(CompanionWithoutManual, BuildsNoTreeAndTheLeftClickReportsHelpNotInstalled) {
  Nimbrel.show();
  EXPECT_FALSE(Nimbrel.helpInstalled);
  EXPECT_EQ(NimbrelIndex.TreeView1.count(), 0);
  user.sound().commands.clear();
  expectErrorBox();
  leftClick();
  EXPECT_EQ(user.sound().commands, kActiveSound);
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_EQ(errors[0].caption, "Help not installed");
  EXPECT_EQ(errors[0].message, "Help for this module was not installed.");
  EXPECT_FALSE(NimbrelIndex.isVisible());
}

TEST_F(CompanionWithoutManual, AboutHelpFileShowsOnlyTheErrorBox) {
  Nimbrel.show();
  expectErrorBox();
  choose("About Help File");
  EXPECT_EQ(errors.size(), 1u);
  EXPECT_TRUE(user.messageBoxes().empty());
}

TEST_F(CompanionWithoutManual, TheInternetEntryReportsThenOpensTheStartUpAddressNotAStrayIndexFile) {
  writeFile(prefix.driveC() / "WINDOWS" / "index.nbx", crlf({"[Version]", "INetVersion=http://stray.example.org/"}));
  Nimbrel.show();
  expectErrorBox();
  choose("Jump to Internet version of help");
  EXPECT_EQ(errors.size(), 1u);
  EXPECT_EQ(user.desktop().opened, std::vector<std::string>{kUrl});
}

TEST_F(Companion, WithoutItsPictureTheCompanionStillWorks) {
  nimbrel_image.clear();
  Nimbrel.show();
  EXPECT_FALSE(Nimbrel.Image1[0].hasPicture());
  leftClick();
  EXPECT_TRUE(NimbrelIndex.isVisible());
}

TEST_F(Companion, LoadingBeforeTheStartUpHookIsAFatalAssertion) {
  nimbrel_url.clear();
  expectErrorBox();
  EXPECT_PROGRAM_ENDS(Nimbrel.load(), 1);
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_EQ(errors[0].caption, "Assertion failed!");
  EXPECT_EQ(errors[0].message,
            "Nimbrel_Init was not called before.\r\n\r\nContact program author with this information!");
}

TEST_F(Companion, ClosingStopsTheSoundAndTakesTheShownTopicWindowAlongTheNextLoadStartsAfresh) {
  Nimbrel.show();
  leftClick();
  NimbrelIndex_TreeView1_NodeClick(NimbrelIndex.TreeView1.item(2));
  user.sound().commands.clear();
  Nimbrel.unload();
  EXPECT_EQ(user.sound().commands, kSilence);
  EXPECT_FALSE(NimbrelIndex.isLoaded());
  Nimbrel.show();
  EXPECT_TRUE(NimbrelIndex.isLoaded());
  EXPECT_FALSE(NimbrelIndex.isVisible());
  EXPECT_EQ(NimbrelIndex.TreeView1.count(), 2);
  EXPECT_EQ(NimbrelIndex.topicTitle, "Welcome");
}

class WizardPage : public ui::Form {
 public:
  WizardPage() : Form("WizardPage") {}
};
WizardPage page;

TEST_F(Companion, ShownFromAPageItClosesWithThePageAndTakesTheTopicWindowAlong) {
  Nimbrel.show(page);
  leftClick();
  ASSERT_TRUE(NimbrelIndex.isVisible());
  user.sound().commands.clear();
  page.unload();
  EXPECT_FALSE(Nimbrel.isLoaded());
  EXPECT_FALSE(NimbrelIndex.isLoaded());
  EXPECT_EQ(user.sound().commands, kSilence);
  Nimbrel.show(page);
  EXPECT_TRUE(Nimbrel.isVisible());
  EXPECT_EQ(NimbrelIndex.TreeView1.count(), 2);
}

TEST_F(Companion, BecomingTheActiveWindowPlaysTheActivationSound) {
  Nimbrel.show();
  user.sound().commands.clear();
  QCoreApplication::processEvents();
  ASSERT_TRUE(QTest::qWaitForWindowActive(Nimbrel.window()));
  EXPECT_EQ(user.sound().commands, kActiveSound);
}

}  // namespace
