#include <gtest/gtest.h>

#include <QImage>
#include <QTreeWidget>
#include <string>
#include <vector>

#include "help/help_family.h"
#include "help/nimbrel.h"
#include "help/nimbrel_index.h"

using namespace testing_support;

namespace {

class TopicWindow : public HelpTest {
 protected:
  TopicWindow() {
    installIndex({"[Version]", "NBXVersion=1", "[Index]", "0, Welcome, welcome.htm", "1, Deep, sources/deep/topic.htm",
                  "2, Mixed, sources\\deep/topic.htm", "1, Heading, n/a", "2, No page,", "0, Missing, missing.htm",
                  "0, Top heading, n/a"});
    writeTopic("welcome.htm");
    writeTopic("sources/deep/topic.htm");
    loadCompanion();
  }

  ui::Node& node(const std::string& text) {
    for (int k = 1; k <= NimbrelIndex.TreeView1.count(); ++k)
      if (NimbrelIndex.TreeView1.item(k).text() == text) return NimbrelIndex.TreeView1.item(k);
    throw std::runtime_error("no node " + text);
  }

  // The user's mouse on a root node's row of the shown window.
  QPoint rowOf(const std::string& text) {
    auto* tree = qobject_cast<QTreeWidget*>(NimbrelIndex.TreeView1.widget());
    QList<QTreeWidgetItem*> items = tree->findItems(QString::fromStdString(text), Qt::MatchExactly);
    return tree->visualItemRect(items.at(0)).center();
  }
  QWidget* treeArea() { return qobject_cast<QTreeWidget*>(NimbrelIndex.TreeView1.widget())->viewport(); }

  void showIndex() {
    Nimbrel.show();
    NimbrelIndex.show(Nimbrel);
  }
};

TEST_F(TopicWindow, TheImageListHoldsThreeIconsWhoseSilverShowsThrough) {
  ASSERT_EQ(NimbrelIndex.ImageList1.count(), 3);
  for (int i = 1; i <= 3; ++i) {
    QImage icon = NimbrelIndex.ImageList1.picture(i).toImage();
    EXPECT_EQ(icon.size(), QSize(16, 16)) << i;
    EXPECT_EQ(qAlpha(icon.pixel(0, 0)), 0) << "corner of icon " << i;
    EXPECT_EQ(qAlpha(icon.pixel(8, 8)), 255) << "middle of icon " << i;
  }
}

TEST_F(TopicWindow, ANodeClickMakesTheNodeCurrentAndSetsTheButtons) {
  struct Case {
    const char* title;
    const char* file;
    bool view, branch;
  } cases[] = {
      {"Welcome", "welcome.htm", true, true},
      {"Deep", "sources/deep/topic.htm", true, true},
      {"Mixed", "sources\\deep/topic.htm", true, false},
      {"Heading", "n/a", false, true},
      {"No page", "", false, false},
  };
  for (const Case& c : cases) {
    NimbrelIndex_TreeView1_NodeClick(node(c.title));
    EXPECT_EQ(NimbrelIndex.topicTitle, c.title);
    EXPECT_EQ(NimbrelIndex.topicFile, c.file) << c.title;
    EXPECT_EQ(NimbrelIndex.CommandView.enabled(), c.view) << c.title;
    EXPECT_EQ(NimbrelIndex.CommandBranch.enabled(), c.branch) << c.title;
    EXPECT_TRUE(NimbrelIndex.CommandBookmark.enabled());
  }
}

TEST_F(TopicWindow, ViewPlaysTheTopicSoundAndOpensTheFileBelowTheManualWithBackslashes) {
  for (const char* title : {"Deep", "Mixed"}) {
    user.sound().commands.clear();
    user.desktop().opened.clear();
    NimbrelIndex_TreeView1_NodeClick(node(title));
    NimbrelIndex.CommandView.click();
    EXPECT_EQ(user.desktop().opened, std::vector<std::string>{"C:\\VYST\\MANUAL\\sources\\deep\\topic.htm"}) << title;
    EXPECT_EQ(user.sound().commands, (std::vector<std::string>{"stop", "close", "open C:\\VYST\\nbfound.wav", "play"}));
  }
}

TEST_F(TopicWindow, ViewOfAMissingFilePlaysItsSoundThenReportsTheFullPath) {
  NimbrelIndex_TreeView1_NodeClick(node("Missing"));
  user.sound().commands.clear();
  expectErrorBox();
  NimbrelIndex.CommandView.click();
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_EQ(errors[0].caption, "Help error");
  EXPECT_EQ(errors[0].message, "File C:\\VYST\\MANUAL\\missing.htm not found.");
  EXPECT_TRUE(user.desktop().opened.empty());
  EXPECT_EQ(user.sound().commands.back(), "play");
  EXPECT_EQ(NimbrelIndex.topicTitle, "Missing");
}

TEST_F(TopicWindow, TheUsersClickMakesANodeCurrentAndADoubleClickViewsIt) {
  showIndex();
  QTest::mouseClick(treeArea(), Qt::LeftButton, Qt::NoModifier, rowOf("Top heading"));
  EXPECT_EQ(NimbrelIndex.topicTitle, "Top heading");
  QTest::mouseDClick(treeArea(), Qt::LeftButton, Qt::NoModifier, rowOf("Top heading"));
  EXPECT_TRUE(user.desktop().opened.empty());

  QTest::mouseClick(treeArea(), Qt::LeftButton, Qt::NoModifier, rowOf("Welcome"));
  QTest::mouseDClick(treeArea(), Qt::LeftButton, Qt::NoModifier, rowOf("Welcome"));
  EXPECT_EQ(user.desktop().opened, std::vector<std::string>{"C:\\VYST\\MANUAL\\welcome.htm"});
}

TEST_F(TopicWindow, BranchExpandsAndCollapsesTheSelectedNode) {
  ui::Node& deep = node("Deep");
  deep.setSelected(true);
  NimbrelIndex_TreeView1_NodeClick(deep);
  bool before = deep.expanded();
  NimbrelIndex.CommandBranch.click();
  EXPECT_NE(deep.expanded(), before);
  NimbrelIndex.CommandBranch.click();
  EXPECT_EQ(deep.expanded(), before);
  EXPECT_FALSE(node("Welcome").expanded());
}

TEST_F(TopicWindow, BranchWithoutASelectedNodeDoesNothing) {
  installIndex({"[Index]"});
  NimbrelIndex.InitNBXFile("C:\\VYST\\MANUAL\\");
  NimbrelIndex_CommandBranch_Click();
  EXPECT_EQ(NimbrelIndex.TreeView1.count(), 0);
}

TEST_F(TopicWindow, HideKeepsTreeSelectionAndTopicForTheNextShow) {
  Nimbrel.show();
  NimbrelIndex.show(Nimbrel);
  ui::Node& mixed = node("Mixed");
  mixed.setSelected(true);
  NimbrelIndex_TreeView1_NodeClick(mixed);
  NimbrelIndex.CommandHide.click();
  EXPECT_FALSE(NimbrelIndex.isVisible());
  QTest::mousePress(Nimbrel.Image1[0].widget(), Qt::LeftButton);
  EXPECT_TRUE(NimbrelIndex.isVisible());
  EXPECT_EQ(NimbrelIndex.TreeView1.count(), 7);
  EXPECT_EQ(NimbrelIndex.TreeView1.selectedItem(), &mixed);
  EXPECT_EQ(NimbrelIndex.topicTitle, "Mixed");
}

TEST_F(TopicWindow, TheTreeFollowsTheWindowsHeightButNeverBelowZero) {
  EXPECT_EQ(NimbrelIndex.TreeView1.height(), NimbrelIndex.height() - 480);
  NimbrelIndex.setHeight(600);
  EXPECT_EQ(NimbrelIndex.TreeView1.height(), 120);
  NimbrelIndex.setHeight(400);
  EXPECT_EQ(NimbrelIndex.TreeView1.height(), 120);
  EXPECT_EQ(NimbrelIndex.TreeView1.top(), 300);
  EXPECT_EQ(NimbrelIndex.TreeView1.width(), 4575);
}

}  // namespace
