#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "help/help_family.h"
#include "help/nimbrel.h"
#include "help/nimbrel_index.h"
#include "platform/ui/message_box.h"

using namespace testing_support;

namespace {

const std::vector<std::string> kLastSettings{"[LastSettings]", "SourcePath=D:\\MOVIES\\", "TargetDir=C:\\OUT\\"};

class Bookmarks : public HelpTest {
 protected:
  Bookmarks() {
    installIndex({"[Index]", "0, Welcome, welcome.htm", "0, Pages, n/a", "1, Same, a.htm", "1, Same, b.htm",
                  "0, Sound & Music, sound.htm"});
    for (const char* topic : {"welcome.htm", "a.htm", "b.htm", "sound.htm"}) writeTopic(topic);
    loadCompanion();
  }

  // The bookmark file: the wizard's own settings followed by these [Nimbrel] lines.
  void writeBookmarks(const std::vector<std::string>& nimbrelLines) {
    std::vector<std::string> lines = kLastSettings;
    lines.push_back("[Nimbrel]");
    lines.insert(lines.end(), nimbrelLines.begin(), nimbrelLines.end());
    writeFile(bookmarkFile(), crlf(lines));
  }
  std::string expectedFile(const std::vector<std::string>& nimbrelLines) {
    std::vector<std::string> lines = kLastSettings;
    lines.push_back("[Nimbrel]");
    lines.insert(lines.end(), nimbrelLines.begin(), nimbrelLines.end());
    return crlf(lines);
  }

  void makeCurrent(const std::string& title) {
    for (int k = 1; k <= NimbrelIndex.TreeView1.count(); ++k) {
      ui::Node& node = NimbrelIndex.TreeView1.item(k);
      if (node.text() == title) return NimbrelIndex_TreeView1_NodeClick(node);
    }
    FAIL() << "no topic " << title;
  }

  // Opens the bookmark menu and chooses the entry of that caption (none for an empty one); returns the
  // visible entries as "caption" with " (off)" for a disabled one.
  std::vector<std::string> openMenu(const std::string& choice = "") {
    user.choosePopupEntry(choice);
    NimbrelIndex.CommandBookmark.click();
    std::vector<std::string> shown;
    if (user.popups().empty()) return shown;
    for (const ui::PopupEntry& e : user.popups().back().entries)
      shown.push_back(e.caption + (e.enabled ? "" : " (off)"));
    return shown;
  }
};

TEST_F(Bookmarks, WithoutBookmarksTheMenuOffersAddAndSaysSoBelowTheButton) {
  EXPECT_EQ(openMenu(), (std::vector<std::string>{"&Add Bookmark", "-", "No bookmarks yet (off)"}));
  EXPECT_EQ(user.popups()[0].menuName, "MenuNB");
  EXPECT_EQ(user.popups()[0].x, 60);
  EXPECT_EQ(user.popups()[0].y, 255);
}

TEST_F(Bookmarks, AMissingBookmarkFileMeansNoBookmarks) {
  std::filesystem::remove(bookmarkFile());
  EXPECT_EQ(openMenu(), (std::vector<std::string>{"&Add Bookmark", "-", "No bookmarks yet (off)"}));
}

TEST_F(Bookmarks, AddStoresTheCurrentTopicInTheWizardsOwnSettingsFileAndLeavesItsSection) {
  openMenu("&Add Bookmark");
  EXPECT_EQ(readFile(bookmarkFile()), crlf(kLastSettings) + crlf({"[Nimbrel]", "Bookmark1=Welcome"}));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(mainDir()), {}), 1);
  EXPECT_EQ(openMenu(), (std::vector<std::string>{"&Delete Bookmark (1)", "-", "&1. Welcome"}));
}

TEST_F(Bookmarks, EntriesKeepTheirSlotNumbersAndAddFillsTheLowestFreeSlot) {
  writeBookmarks({"Bookmark1=Pages", "Bookmark2=n/a", "Bookmark3=Same", "Bookmark4=   "});
  EXPECT_EQ(openMenu("&Add Bookmark"), (std::vector<std::string>{"&Add Bookmark", "-", "&1. Pages", "&3. Same"}));
  EXPECT_EQ(readFile(bookmarkFile()),
            expectedFile({"Bookmark1=Pages", "Bookmark2=Welcome", "Bookmark3=Same", "Bookmark4=   "}));
}

TEST_F(Bookmarks, ABlankSlotIsFreeAndTheNextAddOverwritesIt) {
  writeBookmarks({"Bookmark1=   "});
  openMenu("&Add Bookmark");
  EXPECT_EQ(readFile(bookmarkFile()), expectedFile({"Bookmark1=Welcome"}));
}

TEST_F(Bookmarks, WithTenSlotsInUseAddIsDisabledAndSlotTenHasZeroAsAccessKey) {
  std::vector<std::string> lines;
  for (int i = 1; i <= 10; ++i) lines.push_back("Bookmark" + std::to_string(i) + "=T" + std::to_string(i));
  writeBookmarks(lines);
  std::vector<std::string> shown = openMenu();
  ASSERT_EQ(shown.size(), 12u);
  EXPECT_EQ(shown[0], "&Add Bookmark (off)");
  EXPECT_EQ(shown[1], "-");
  EXPECT_EQ(shown[2], "&1. T1");
  EXPECT_EQ(shown[10], "&9. T9");
  EXPECT_EQ(shown[11], "1&0. T10");

  expectErrorBox();
  NimbrelIndex_MenuAdd_Click();
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_EQ(errors[0].caption, "All slots full");
  EXPECT_EQ(errors[0].message, "Could not add bookmark.");
  EXPECT_EQ(readFile(bookmarkFile()), expectedFile(lines));
}

TEST_F(Bookmarks, DeleteNamesTheHighestSlotOfTheTitleAndFreesOnlyThatOne) {
  makeCurrent("Same");
  writeBookmarks({"Bookmark2=Same", "Bookmark7=Same"});
  EXPECT_EQ(openMenu("&Delete Bookmark (7)"),
            (std::vector<std::string>{"&Delete Bookmark (7)", "-", "&2. Same", "&7. Same"}));
  EXPECT_EQ(readFile(bookmarkFile()), expectedFile({"Bookmark2=Same", "Bookmark7=n/a"}));
  EXPECT_EQ(openMenu("&Delete Bookmark (2)"), (std::vector<std::string>{"&Delete Bookmark (2)", "-", "&2. Same"}));
  EXPECT_EQ(readFile(bookmarkFile()), expectedFile({"Bookmark2=n/a", "Bookmark7=n/a"}));
}

TEST_F(Bookmarks, ChoosingABookmarkSelectsTheFirstTopicOfThatTitleAndViewsIt) {
  writeBookmarks({"Bookmark5=Same"});
  user.sound().commands.clear();
  openMenu("&5. Same");
  ASSERT_NE(NimbrelIndex.TreeView1.selectedItem(), nullptr);
  EXPECT_EQ(NimbrelIndex.TreeView1.selectedItem()->key(), "Item3");
  EXPECT_EQ(NimbrelIndex.topicFile, "a.htm");
  EXPECT_EQ(user.desktop().opened, std::vector<std::string>{"C:\\VYST\\MANUAL\\a.htm"});
  EXPECT_EQ(user.sound().commands, (std::vector<std::string>{"stop", "close", "open C:\\VYST\\nbfound.wav", "play"}));
}

TEST_F(Bookmarks, ChoosingAHeadingSelectsItWithoutViewing) {
  writeBookmarks({"Bookmark1=Pages"});
  openMenu("&1. Pages");
  EXPECT_EQ(NimbrelIndex.topicTitle, "Pages");
  EXPECT_EQ(NimbrelIndex.TreeView1.selectedItem()->key(), "Item2");
  EXPECT_TRUE(user.desktop().opened.empty());
}

TEST_F(Bookmarks, AnAmpersandInATitleShowsAsItselfAndIsStoredOnce) {
  makeCurrent("Sound & Music");
  openMenu("&Add Bookmark");
  EXPECT_EQ(readFile(bookmarkFile()), expectedFile({"Bookmark1=Sound & Music"}));
  makeCurrent("Welcome");
  EXPECT_EQ(openMenu("&1. Sound && Music"), (std::vector<std::string>{"&Add Bookmark", "-", "&1. Sound && Music"}));
  EXPECT_EQ(NimbrelIndex.topicTitle, "Sound & Music");
  EXPECT_EQ(user.desktop().opened, std::vector<std::string>{"C:\\VYST\\MANUAL\\sound.htm"});
}

const char* const kNotFound =
    "Topic could not be found. Maybe the bookmark was made with using earlier version of this help. Do you want "
    "to delete the bookmark?";

TEST_F(Bookmarks, ATitleOfOtherCaseIsNotFoundAndNoKeepsTheBookmark) {
  writeBookmarks({"Bookmark4=welcome"});
  user.answerMessageBox(ui::kIdNo);
  openMenu("&4. welcome");
  ASSERT_EQ(user.messageBoxes().size(), 1u);
  const ui::MessageBoxRequest& box = user.messageBoxes()[0];
  EXPECT_EQ(box.title, "Topic not found");
  EXPECT_EQ(box.text, kNotFound);
  EXPECT_EQ(box.buttons, (std::vector<int>{ui::kIdYes, ui::kIdNo}));
  EXPECT_EQ(box.defaultButton, ui::kIdYes);
  EXPECT_EQ(readFile(bookmarkFile()), expectedFile({"Bookmark4=welcome"}));
  EXPECT_EQ(openMenu(), (std::vector<std::string>{"&Add Bookmark", "-", "&4. welcome"}));
  EXPECT_EQ(NimbrelIndex.topicTitle, "Welcome");
}

TEST_F(Bookmarks, YesToTopicNotFoundFreesTheSlot) {
  writeBookmarks({"Bookmark1=Welcome", "Bookmark4=Gone"});
  user.answerMessageBox(ui::kIdYes);
  openMenu("&4. Gone");
  EXPECT_EQ(readFile(bookmarkFile()), expectedFile({"Bookmark1=Welcome", "Bookmark4=n/a"}));
}

TEST_F(Bookmarks, WithAnEmptyTreeEveryBookmarkIsNotFound) {
  installIndex({"[Index]"});
  NimbrelIndex.InitNBXFile("C:\\VYST\\MANUAL\\");
  writeBookmarks({"Bookmark1=Welcome"});
  user.answerMessageBox(ui::kIdYes);
  openMenu("&1. Welcome");
  EXPECT_EQ(user.messageBoxes().size(), 1u);
  EXPECT_EQ(readFile(bookmarkFile()), expectedFile({"Bookmark1=n/a"}));
}

}  // namespace
