#include "help/nimbrel_index.h"

#include "help/nimbrel.h"
#include "platform/error.h"
#include "shared/error_report.h"
#include "shared/routines.h"
#include "shared/window_helpers.h"

NimbrelIndexForm NimbrelIndex;

namespace {

// The tree's top (300), a margin of 60 below it and the sizing border.
constexpr double kTreeHeightAllowance = 480;

void designButton(ui::CommandButton& button, double left, const char* caption, bool enabled) {
  button.move(left, 0, 975, 255);
  button.setCaption(caption);
  button.setFontName("Tahoma");
  button.setFontSize(8.25);
  button.setEnabled(enabled);
}

}  // namespace

NimbrelIndexForm::NimbrelIndexForm() : Form("NimbrelIndex") {
  CommandBookmark.onClick = NimbrelIndex_CommandBookmark_Click;
  CommandView.onClick = NimbrelIndex_CommandView_Click;
  CommandBranch.onClick = NimbrelIndex_CommandBranch_Click;
  CommandHide.onClick = NimbrelIndex_CommandHide_Click;
  TreeView1.onNodeClick = NimbrelIndex_TreeView1_NodeClick;
  TreeView1.onDblClick = NimbrelIndex_TreeView1_DblClick;
  MenuAdd.onClick = NimbrelIndex_MenuAdd_Click;
  MenuDelete.onClick = NimbrelIndex_MenuDelete_Click;
  BM.on(&ui::Menu::onClick, [](int index) { NimbrelIndex_BM_Click(index); });
}

void NimbrelIndexForm::design() {
  setCaption("");
  setBorderStyle(ui::BorderStyle::Sizable);
  setTitleBar(false);
  setClientSize(4695, 3195);

  designButton(CommandBookmark, 60, "Bookmarks", false);
  designButton(CommandView, 1260, "View", false);
  designButton(CommandBranch, 2460, "Branch", false);
  designButton(CommandHide, 3660, "Hide", true);
  TreeView1.move(60, 300, 4575, 2835);
  TreeView1.setFontName("Tahoma");
  TreeView1.setFontSize(8.25);

  ImageList1 = ui::ImageList(16, 16);
  ImageList1.setMaskColor(ui::rgb(192, 192, 192));
  ImageList1.addResource(":/help/tree_closed.png");
  ImageList1.addResource(":/help/tree_open.png");
  ImageList1.addResource(":/help/tree_page.png");

  MenuNB.setCaption("NB");
  MenuNB.setVisible(false);
  MenuAdd.setCaption("&Add Bookmark");
  MenuDelete.setCaption("&Delete Bookmark");
  MenuS.setCaption("-");
}

void NimbrelIndex_Form_Load() {
  NimbrelIndex.indexFileName = "index.nbx";
  NimbrelIndex.TreeView1.setImageList(&NimbrelIndex.ImageList1);
}

void NimbrelIndex_Form_Resize() {
  double treeHeight = NimbrelIndex.height() - kTreeHeightAllowance;
  // The tree refuses a negative height and keeps the one it has.
  if (treeHeight >= 0) win::tryStep([&] { NimbrelIndex.TreeView1.setHeight(treeHeight); });
}

void NimbrelIndex_TreeView1_NodeClick(ui::Node& Node) {
  NimbrelIndex.topicFile = Node.tag();
  NimbrelIndex.topicTitle = Node.text();
  NimbrelIndex.CommandView.setEnabled(IsValue(NimbrelIndex.topicFile));
  NimbrelIndex.CommandBranch.setEnabled(Node.children() > 0);
  NimbrelIndex.CommandBookmark.setEnabled(true);
}

void NimbrelIndex_TreeView1_DblClick() {
  if (NimbrelIndex.CommandView.enabled()) NimbrelIndex_CommandView_Click();
}

void NimbrelIndex_CommandView_Click() {
  Nimbrel.WAV(2);
  std::string path = NimbrelIndex.topicFile;
  while (ReplaceVariable(path, "/", "\\")) {
  }
  path = AddPathSeparator(NimbrelIndex.helpDir) + path;
  if (FileExists(path))
    ShellOpen(path);
  else
    ShowError("", "Help error", "File " + path + " not found.");
}

void NimbrelIndex_CommandBranch_Click() {
  win::tryStep([] {
    if (ui::Node* node = NimbrelIndex.TreeView1.selectedItem()) node->setExpanded(!node->expanded());
  });
}

void NimbrelIndex_CommandHide_Click() { NimbrelIndex.hide(); }
