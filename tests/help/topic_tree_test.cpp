#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "help/help_family.h"
#include "help/nimbrel.h"
#include "help/nimbrel_index.h"

using namespace testing_support;

namespace {

// One node as "key <parent key> text [image] tag", in the order of adding.
std::vector<std::string> treeOf(NimbrelIndexForm& window) {
  std::vector<std::string> out;
  for (int k = 1; k <= window.TreeView1.count(); ++k) {
    ui::Node& node = window.TreeView1.item(k);
    std::string parent = node.parent() ? node.parent()->key() : "-";
    out.push_back(node.key() + " <" + parent + "> " + node.text() + " [" + std::to_string(node.image()) + "] " +
                  node.tag());
  }
  return out;
}

class TopicTree : public HelpTest {
 protected:
  void build(const std::vector<std::string>& indexLines) {
    installIndex(indexLines);
    NimbrelIndex.InitNBXFile("C:\\VYST\\MANUAL\\");
  }
};

TEST_F(TopicTree, WithoutAnIndexFileTheTreeStaysEmptyAndNothingIsCurrent) {
  NimbrelIndex.InitNBXFile("C:\\VYST\\MANUAL\\");
  EXPECT_EQ(NimbrelIndex.statusText, "Help not found");
  EXPECT_EQ(NimbrelIndex.helpDir, "C:\\VYST\\MANUAL\\");
  EXPECT_EQ(NimbrelIndex.TreeView1.count(), 0);
  EXPECT_EQ(NimbrelIndex.TreeView1.selectedItem(), nullptr);
  EXPECT_FALSE(NimbrelIndex.CommandBookmark.enabled());
  EXPECT_FALSE(NimbrelIndex.CommandView.enabled());
}

TEST_F(TopicTree, AnIndexOfCommentsBlankAndNoValueLinesGivesNoNodeAndAnEmptyStatus) {
  build({"[Version]", "NBXVersion=1", "[Index]", "; only a comment", "", "   ", "n/a"});
  EXPECT_EQ(NimbrelIndex.statusText, "");
  EXPECT_EQ(NimbrelIndex.TreeView1.count(), 0);
  EXPECT_EQ(NimbrelIndex.TreeView1.selectedItem(), nullptr);
  EXPECT_FALSE(NimbrelIndex.CommandBookmark.enabled());
}

TEST_F(TopicTree, NestsByDepthChangesAPageParentsImageAndMakesTheFirstNodeCurrent) {
  build({"[Index]", "0, Welcome, welcome.htm", "1, Heading, n/a", "1, Pages, pages/overview.htm",
         "2, Source page, pages/source.htm"});
  EXPECT_EQ(treeOf(NimbrelIndex), (std::vector<std::string>{
                                      "Item1 <-> Welcome [2] welcome.htm",
                                      "Item2 <Item1> Heading [1] n/a",
                                      "Item3 <Item1> Pages [2] pages/overview.htm",
                                      "Item4 <Item3> Source page [3] pages/source.htm",
                                  }));
  EXPECT_EQ(NimbrelIndex.statusText, "");
  ASSERT_NE(NimbrelIndex.TreeView1.selectedItem(), nullptr);
  EXPECT_EQ(NimbrelIndex.TreeView1.selectedItem()->key(), "Item1");
  EXPECT_EQ(NimbrelIndex.topicTitle, "Welcome");
  EXPECT_EQ(NimbrelIndex.topicFile, "welcome.htm");
  EXPECT_TRUE(NimbrelIndex.CommandView.enabled());
  EXPECT_TRUE(NimbrelIndex.CommandBranch.enabled());
  EXPECT_TRUE(NimbrelIndex.CommandBookmark.enabled());
}

struct TreeCase {
  const char* name;
  std::vector<std::string> index;  // the lines after [Index]
  std::vector<std::string> tree;
  std::string status;
};

TEST_F(TopicTree, FollowsTheLineRules) {
  const TreeCase cases[] = {
      {"comments and skipped lines take no number",
       {"0, A, a.htm", "; comment", "", "n/a", "1, B, b.htm"},
       {"Item1 <-> A [2] a.htm", "Item2 <Item1> B [3] b.htm"},
       ""},
      {"a comma in the title makes the rest the topic file, a fourth field is ignored",
       {"0, Sources, MVE, mve.htm", "0, C, c.htm, extra, more"},
       {"Item1 <-> Sources [3] MVE", "Item2 <-> C [3] c.htm"},
       ""},
      {"a heading without a page keeps its image with children",
       {"0, Trouble, n/a", "1, Space, space.htm", "0, Empty,", "1, Child, child.htm"},
       {"Item1 <-> Trouble [1] n/a", "Item2 <Item1> Space [3] space.htm", "Item3 <-> Empty [1] ",
        "Item4 <Item3> Child [3] child.htm"},
       ""},
      {"the same title twice gives two nodes",
       {"0, Same, a.htm", "0, Same, b.htm"},
       {"Item1 <-> Same [3] a.htm", "Item2 <-> Same [3] b.htm"},
       ""},
      {"an empty depth or one that is no number is the top level",
       {", Empty depth, a.htm", "x, Word depth, b.htm"},
       {"Item1 <-> Empty depth [3] a.htm", "Item2 <-> Word depth [3] b.htm"},
       ""},
      {"a line may go back to any shallower depth",
       {"0, A, a.htm", "1, B, b.htm", "2, C, c.htm", "3, D, d.htm", "1, E, e.htm", "0, F, f.htm"},
       {"Item1 <-> A [2] a.htm", "Item2 <Item1> B [2] b.htm", "Item3 <Item2> C [2] c.htm", "Item4 <Item3> D [3] d.htm",
        "Item5 <Item1> E [3] e.htm", "Item6 <-> F [3] f.htm"},
       ""},
      {"eight levels are allowed",
       {"0,L0,", "1,L1,", "2,L2,", "3,L3,", "4,L4,", "5,L5,", "6,L6,", "7,L7,x.htm"},
       {"Item1 <-> L0 [1] ", "Item2 <Item1> L1 [1] ", "Item3 <Item2> L2 [1] ", "Item4 <Item3> L3 [1] ",
        "Item5 <Item4> L4 [1] ", "Item6 <Item5> L5 [1] ", "Item7 <Item6> L6 [1] ", "Item8 <Item7> L7 [3] x.htm"},
       ""},
      {"a depth of 8 is dropped and the build goes on",
       {"0,L0,", "1,L1,", "2,L2,", "3,L3,", "4,L4,", "5,L5,", "6,L6,", "7,L7,", "8, Too deep, d.htm",
        "0, After, a.htm"},
       {"Item1 <-> L0 [1] ", "Item2 <Item1> L1 [1] ", "Item3 <Item2> L2 [1] ", "Item4 <Item3> L3 [1] ",
        "Item5 <Item4> L4 [1] ", "Item6 <Item5> L5 [1] ", "Item7 <Item6> L6 [1] ", "Item8 <Item7> L7 [1] ",
        "Item10 <-> After [3] a.htm"},
       "Branch > 8"},
      {"a first line of depth 1 has no parent",
       {"1, Orphan, o.htm", "0, Top, t.htm"},
       {"Item2 <-> Top [3] t.htm"},
       "Parent not found"},
      {"a skipped depth has no parent, and neither have the dropped line's children",
       {"0, A, a.htm", "2, Skip, s.htm", "3, Under skip, u.htm", "1, B, b.htm"},
       {"Item1 <-> A [2] a.htm", "Item4 <Item1> B [3] b.htm"},
       "Parent not found"},
      {"the last violation's text stays",
       {"1, Orphan, o.htm", "0, A, a.htm", "9, Deep, d.htm", "1, B, b.htm"},
       {"Item2 <-> A [2] a.htm", "Item4 <Item2> B [3] b.htm"},
       "Branch > 8"},
      {"a negative depth is dropped and leaves the parents as they were",
       {"0, A, a.htm", "-1, Negative, n.htm", "1, B, b.htm"},
       {"Item1 <-> A [2] a.htm", "Item3 <Item1> B [3] b.htm"},
       ""},
      {"depth 1.5 rounds to the level of depth 1, 2.5 to that of depth 3",
       {"0, A, a.htm", "1.5, B, b.htm", "2, C, c.htm", "2.5, D, d.htm"},
       {"Item1 <-> A [2] a.htm", "Item2 <Item1> B [2] b.htm", "Item3 <Item2> C [2] c.htm", "Item4 <Item3> D [3] d.htm"},
       ""},
      {"depth 0.5 is a child of the top level, -0.4 the top level, -0.5 a negative depth",
       {"0, A, a.htm", "0.5, B, b.htm", "-0.4, C, c.htm", "-0.5, D, d.htm"},
       {"Item1 <-> A [2] a.htm", "Item2 <Item1> B [3] b.htm", "Item3 <-> C [3] c.htm"},
       ""},
      {"depth 2.5 after depth 1 lacks its parent",
       {"0, A, a.htm", "1, B, b.htm", "2.5, C, c.htm"},
       {"Item1 <-> A [2] a.htm", "Item2 <Item1> B [3] b.htm"},
       "Parent not found"},
  };
  for (const TreeCase& c : cases) {
    std::vector<std::string> lines{"[Version]", "NBXVersion=1", "", "[Index]"};
    lines.insert(lines.end(), c.index.begin(), c.index.end());
    build(lines);
    EXPECT_EQ(treeOf(NimbrelIndex), c.tree) << c.name;
    EXPECT_EQ(NimbrelIndex.statusText, c.status) << c.name;
  }
}

TEST_F(TopicTree, ASecondIndexSectionContinuesTheNumberingAndOtherCaseIsAnotherSection) {
  build({"[Index]", "0, A, a.htm", "[Other]", "0, Not a topic, x.htm", "[index]", "0, Lower case, l.htm", "[Index]",
         "1, B, b.htm"});
  EXPECT_EQ(treeOf(NimbrelIndex), (std::vector<std::string>{"Item1 <-> A [2] a.htm", "Item2 <Item1> B [3] b.htm"}));
}

TEST_F(TopicTree, EachBuildStartsFromAnEmptyTreeAndAnEmptyParentsTable) {
  build({"[Index]", "1, Orphan, o.htm", "0, A, a.htm", "1, B, b.htm"});
  EXPECT_EQ(NimbrelIndex.statusText, "Parent not found");
  build({"[Index]", "1, Still an orphan, o.htm", "0, C, c.htm"});
  EXPECT_EQ(treeOf(NimbrelIndex), (std::vector<std::string>{"Item2 <-> C [3] c.htm"}));
  build({"[Index]", "0, D, d.htm"});
  EXPECT_EQ(NimbrelIndex.statusText, "");
  EXPECT_EQ(NimbrelIndex.topicTitle, "D");
}

TEST_F(TopicTree, AfterAViolationTheTopicWindowStaysLoadedWhereTheCompanionPlacedIt) {
  installIndex({"[Index]", "0, A, a.htm", "2, Skip, s.htm", "8, Deep, d.htm", "1, B, b.htm"});
  loadCompanion();
  ASSERT_TRUE(NimbrelIndex.isLoaded());
  EXPECT_FALSE(NimbrelIndex.isVisible());
  EXPECT_EQ(NimbrelIndex.top(), 400);
  EXPECT_EQ(NimbrelIndex.height(), Nimbrel.top() - 400);
  EXPECT_EQ(NimbrelIndex.statusText, "Branch > 8");
  EXPECT_EQ(treeOf(NimbrelIndex), (std::vector<std::string>{"Item1 <-> A [2] a.htm", "Item4 <Item1> B [3] b.htm"}));
}

TEST_F(TopicTree, TheRealManualBuildsWithoutAViolation) {
  installRealManual();
  NimbrelIndex.InitNBXFile("C:\\VYST\\MANUAL\\");
  EXPECT_EQ(NimbrelIndex.statusText, "");
  ASSERT_GT(NimbrelIndex.TreeView1.count(), 20);
  EXPECT_EQ(NimbrelIndex.TreeView1.item(1).text(), "Tovrikall32 Help");
  ui::Node* heading = nullptr;
  for (int k = 1; k <= NimbrelIndex.TreeView1.count(); ++k)
    if (NimbrelIndex.TreeView1.item(k).text() == "Troubleshooting") heading = &NimbrelIndex.TreeView1.item(k);
  ASSERT_NE(heading, nullptr);
  EXPECT_EQ(heading->image(), 1);
  EXPECT_EQ(heading->children(), 3);
}

}  // namespace
