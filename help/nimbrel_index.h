#pragma once
// The topic window: the manual's topics as a tree, opened with the desktop's viewer, and ten bookmarks.
// The companion loads it hidden, places it above itself and shows or hides it.
#include <string>
#include <string_view>

#include "platform/ui/basic_controls.h"
#include "platform/ui/form.h"
#include "platform/ui/menu.h"
#include "platform/ui/tree_view.h"

void NimbrelIndex_Form_Load();
void NimbrelIndex_Form_Resize();
void NimbrelIndex_TreeView1_NodeClick(ui::Node& Node);
void NimbrelIndex_TreeView1_DblClick();
void NimbrelIndex_CommandView_Click();
void NimbrelIndex_CommandBranch_Click();
void NimbrelIndex_CommandHide_Click();
void NimbrelIndex_CommandBookmark_Click();
void NimbrelIndex_BM_Click(int Index);
void NimbrelIndex_MenuAdd_Click();
void NimbrelIndex_MenuDelete_Click();

class NimbrelIndexForm : public ui::Form {
 public:
  NimbrelIndexForm();

  // Builds the topic tree from the [Index] section of the index file in helpDir (with its separator)
  // and makes the first topic current. Reports nothing: statusText tells how the build went.
  void InitNBXFile(std::string_view helpDir);

  std::string helpDir;
  std::string indexFileName;
  std::string topicFile;
  std::string topicTitle;
  std::string statusText;

  ui::CommandButton CommandBookmark{this, "CommandBookmark"};
  ui::CommandButton CommandView{this, "CommandView"};
  ui::CommandButton CommandBranch{this, "CommandBranch"};
  ui::CommandButton CommandHide{this, "CommandHide"};
  ui::TreeView TreeView1{this, "TreeView1"};  // the manual's topics
  ui::ImageList ImageList1;                   // the tree's icons: closed branch, open branch, page

  ui::Menu MenuNB{this, "MenuNB"};  // the bookmark menu under CommandBookmark
  ui::Menu MenuAdd{&MenuNB, "MenuAdd"};
  ui::Menu MenuDelete{&MenuNB, "MenuDelete"};
  ui::Menu MenuS{&MenuNB, "MenuS"};                                               // a separator
  ui::ControlArray<ui::Menu> BM{&MenuNB, "BM", {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}};  // the bookmarks

 protected:
  void design() override;
  void onLoad() override { NimbrelIndex_Form_Load(); }
  void onResize() override { NimbrelIndex_Form_Resize(); }
};
extern NimbrelIndexForm NimbrelIndex;
