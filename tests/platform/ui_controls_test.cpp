// Controls: the original platform's event rules for combo and list boxes and text boxes, the tree view,
// popup menus, progress bar, tab strip, pictures, labels and fonts.
#include <QComboBox>
#include <QImage>
#include <QListWidget>
#include <QProgressBar>
#include <QTreeWidget>

#include "platform/ui/ui.h"
#include "support/ui_driver.h"

namespace {

using testing_support::UiTest;
using testing_support::userClick;
using testing_support::userKey;

class Gallery : public ui::Form {
 public:
  Gallery() : Form("Gallery") {
    combo.onClick = [this] { events.push_back("combo " + combo.text()); };
    list.onClick = [this] { events.push_back("list " + std::to_string(list.listIndex())); };
    multi.onClick = [this] { events.push_back("multi " + std::to_string(multi.selCount())); };
    text.onChange = [this] { events.push_back("text " + text.text()); };
    tree.onNodeClick = [this](ui::Node& n) { events.push_back("node " + n.key()); };
    tabs.onClick = [this] { events.push_back("tab " + tabs.selectedCaption()); };
    menuAdd.onClick = [this] { events.push_back("add"); };
    bm.on(&ui::Menu::onClick, [this](int index) { events.push_back("bm " + std::to_string(index)); });
    buttonMenu.onClick = [this] {
      popupMenu(menuNB, buttonMenu.left(), buttonMenu.top() + buttonMenu.height());
      events.push_back("popup returned");
    };
  }
  std::vector<std::string> events;
  ui::ImageList images;

  ui::ComboBox combo{this, "ComboMode"};
  ui::ListBox list{this, "List1"};
  ui::ListBox multi{this, "List2"};
  ui::TextBox text{this, "TextDir"};
  ui::TextBox memo{this, "TextDesc"};
  ui::TreeView tree{this, "TreeView1"};
  ui::TabStrip tabs{this, "TabStrip1"};
  ui::ProgressBar progress{this, "ProgressBar1"};
  ui::Label autoLabel{this, "lblProductName"};
  ui::Image image{this, "Image1"};
  ui::Line line{this, "Line1"};
  ui::PictureBox box{this, "Picture1"};
  ui::ControlArray<ui::OptionButton> left{this, "OptionLeft", {0, 1}};
  ui::ControlArray<ui::OptionButton> right{this, "OptionRight", {0, 1}};
  ui::CommandButton buttonMenu{this, "CommandBookmark"};
  ui::Menu menuNB{this, "MenuNB"};
  ui::Menu menuAdd{&menuNB, "MenuAdd"};
  ui::Menu menuDelete{&menuNB, "MenuDelete"};
  ui::Menu menuS{&menuNB, "MenuS"};
  ui::ControlArray<ui::Menu> bm{&menuNB, "BM", {1, 2, 3}};

 protected:
  void design() override {
    setClientSize(9000, 6000);
    combo.move(120, 120, 1500, 315);
    list.move(120, 600, 2000, 1200);
    multi.move(2300, 600, 2000, 1200);
    multi.setMultiSelect(ui::MultiSelect::Simple);
    text.move(120, 2000, 2000, 315);
    memo.setMultiLine(true);
    memo.move(2300, 2000, 2000, 915);
    tree.move(4500, 120, 3000, 2800);
    tabs.move(120, 3200, 4000, 400);
    progress.move(120, 3800, 4000, 300);
    autoLabel.move(795, 4200, 100, 100);
    image.move(120, 4600, 480, 480);
    line.setCoords(840, 5200, 4920, 5200);
    box.move(4500, 3200, 3000, 1500);
    for (auto* arr : {&left, &right})
      arr->forEach([this, arr](ui::OptionButton& o) {
        o.setContainer(box);
        o.move(arr == &left ? 60 : 1500, 60 + 300 * o.index(), 1200, 255);
      });
    buttonMenu.move(60, 5400, 975, 255);
    menuNB.setCaption("NB");
    menuNB.setVisible(false);
    menuAdd.setCaption("&Add Bookmark");
    menuDelete.setCaption("&Delete Bookmark");
    menuS.setCaption("-");
    bm.forEach([](ui::Menu& m) { m.setVisible(false); });
  }
};
inline Gallery gallery;

using ControlsTest = UiTest;

TEST_F(ControlsTest, ComboAddItemSelectsNothingAndFiresNothing) {
  for (const char* mode : {"Skip", "Install", "Repair"}) gallery.combo.addItem(mode);
  EXPECT_EQ(gallery.combo.listIndex(), -1);
  EXPECT_EQ(gallery.combo.text(), "");
  EXPECT_TRUE(gallery.events.empty());

  gallery.combo.setListIndex(1);
  gallery.combo.setListIndex(1);
  gallery.combo.setText("Repair");
  EXPECT_EQ(gallery.events, (std::vector<std::string>{"combo Install", "combo Repair"}));
  EXPECT_EQ(gallery.combo.listIndex(), 2);
  try {
    gallery.combo.setText("Update");
    FAIL() << "no error for a text that is not in the list";
  } catch (const win::Error& e) {
    EXPECT_EQ(e.number(), 383);
  }
  gallery.combo.clear();
  EXPECT_EQ(gallery.combo.listIndex(), -1);
  EXPECT_EQ(gallery.events.size(), 2u);
}

TEST_F(ControlsTest, ComboUserChoiceFiresClick) {
  gallery.combo.addItem("Skip");
  gallery.combo.addItem("Install");
  gallery.show();
  gallery.combo.setListIndex(0);
  gallery.events.clear();
  userKey(gallery.combo.widget(), Qt::Key_Down);
  EXPECT_EQ(gallery.events, std::vector<std::string>{"combo Install"});
}

TEST_F(ControlsTest, ListBoxFiresClickOnUserAndProgramSelectionButNotOnAdding) {
  gallery.list.addItem("b");
  gallery.list.addItem("a");
  EXPECT_EQ(gallery.list.listIndex(), -1);
  EXPECT_TRUE(gallery.events.empty());
  gallery.show();
  auto* l = static_cast<QListWidget*>(gallery.list.widget());
  QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, l->visualItemRect(l->item(1)).center());
  gallery.list.setListIndex(0);
  gallery.list.setListIndex(0);
  EXPECT_EQ(gallery.events, (std::vector<std::string>{"list 1", "list 0"}));
  gallery.list.setList(0, "changed");
  EXPECT_EQ(gallery.list.list(0), "changed");
  EXPECT_EQ(gallery.list.list(5), "");
  gallery.list.clear();
  EXPECT_EQ(gallery.list.listIndex(), -1);
  EXPECT_EQ(gallery.list.listCount(), 0);
}

TEST_F(ControlsTest, MultiSelectListCountsSelectionsAndFiresPerChange) {
  for (const char* s : {"a", "b", "c"}) gallery.multi.addItem(s);
  for (int i = 0; i < 3; ++i) gallery.multi.setSelected(i, true);
  gallery.multi.setSelected(1, true);
  EXPECT_EQ(gallery.multi.selCount(), 3);
  gallery.multi.setSelected(0, false);
  EXPECT_FALSE(gallery.multi.selected(0));
  EXPECT_TRUE(gallery.multi.selected(2));
  EXPECT_EQ(gallery.events, (std::vector<std::string>{"multi 1", "multi 2", "multi 3", "multi 2"}));
  EXPECT_THROW(gallery.multi.setSelected(3, true), win::Error);
}

TEST_F(ControlsTest, SortedListKeepsItsItemsInOrderWithoutRegardToCase) {
  gallery.list.setSorted(true);
  for (const char* s : {"delta", "Alpha", "charlie", "Bravo"}) gallery.list.addItem(s);
  std::vector<std::string> items;
  for (int i = 0; i < gallery.list.listCount(); ++i) items.push_back(gallery.list.list(i));
  EXPECT_EQ(items, (std::vector<std::string>{"Alpha", "Bravo", "charlie", "delta"}));
}

TEST_F(ControlsTest, TextBoxChangeFiresOnRealChangesAndUserEdits) {
  gallery.text.setText("C:\\VM");
  gallery.text.setText("C:\\VM");
  gallery.show();
  userKey(gallery.text.widget()->focusProxy(), Qt::Key_End);
  QTest::keyClicks(gallery.text.widget()->focusProxy(), "X");
  EXPECT_EQ(gallery.events, (std::vector<std::string>{"text C:\\VM", "text C:\\VMX"}));
  gallery.memo.setText("line one\r\nline two\r\n");
  EXPECT_EQ(gallery.memo.text(), "line one\r\nline two\r\n");
  gallery.memo.setLocked(true);
  EXPECT_TRUE(gallery.memo.locked());
}

TEST_F(ControlsTest, TreeNodesKeepTheirOrderKeysParentsAndImages) {
  gallery.images.add(QImage(16, 16, QImage::Format_RGB32));
  gallery.images.add(QImage(16, 16, QImage::Format_RGB32));
  gallery.images.add(QImage(16, 16, QImage::Format_RGB32));
  gallery.tree.setImageList(&gallery.images);
  ui::TreeView& t = gallery.tree;
  t.add("Item1", "Intro", 3).setTag("intro.htm");
  t.add("Item1", ui::Relationship::Child, "Item2", "Chapter", 1);
  t.add("Item1", ui::Relationship::Child, "Item3", "Usage", 3);
  ui::Node& n4 = t.add("Item3", ui::Relationship::Child, "Item4", "Details", 3);
  t.item(1).setImage(2);
  t.item(3).setImage(2);

  ASSERT_EQ(t.count(), 4);
  std::vector<std::string> keys, parents;
  std::vector<int> imagesShown;
  for (int i = 1; i <= t.count(); ++i) {
    keys.push_back(t.item(i).key());
    parents.push_back(t.item(i).parent() ? t.item(i).parent()->key() : "-");
    imagesShown.push_back(t.item(i).image());
    EXPECT_EQ(t.item(i).index(), i);
  }
  EXPECT_EQ(keys, (std::vector<std::string>{"Item1", "Item2", "Item3", "Item4"}));
  EXPECT_EQ(parents, (std::vector<std::string>{"-", "Item1", "Item1", "Item3"}));
  EXPECT_EQ(imagesShown, (std::vector<int>{2, 1, 2, 3}));
  EXPECT_EQ(t.item(1).children(), 2);
  EXPECT_EQ(t.find("Item4"), &n4);
  EXPECT_EQ(t.find("item4"), nullptr);
  EXPECT_EQ(t.item(1).tag(), "intro.htm");
  auto* qt = static_cast<QTreeWidget*>(t.widget());
  EXPECT_EQ(qt->topLevelItem(0)->icon(0).pixmap(16).toImage(), gallery.images.picture(2).toImage());

  struct Bad {
    std::function<void()> call;
    int number;
  };
  const Bad bad[] = {{[&] { t.add("Item9", ui::Relationship::Child, "Item5", "x"); }, 35601},
                     {[&] { t.add("Item2", "again"); }, 35602},
                     {[&] { t.item(5); }, 35600},
                     {[&] { t.item(0); }, 35600}};
  for (const Bad& b : bad) {
    try {
      b.call();
      ADD_FAILURE() << "no error " << b.number;
    } catch (const win::Error& e) {
      EXPECT_EQ(e.number(), b.number);
    }
  }
  t.clear();
  EXPECT_EQ(t.count(), 0);
  EXPECT_EQ(t.selectedItem(), nullptr);
}

TEST_F(ControlsTest, NodeClickFiresOnUserClicksOnlyAndNodesExpand) {
  ui::TreeView& t = gallery.tree;
  t.add("Item1", "Intro");
  t.add("Item1", ui::Relationship::Child, "Item2", "Chapter");
  t.item(1).setSelected(true);
  EXPECT_TRUE(t.item(1).selected());
  EXPECT_EQ(t.selectedItem(), &t.item(1));
  EXPECT_TRUE(gallery.events.empty());
  t.item(1).setExpanded(true);
  EXPECT_TRUE(t.item(1).expanded());
  gallery.show();
  auto* qt = static_cast<QTreeWidget*>(t.widget());
  QTest::mouseClick(qt->viewport(), Qt::LeftButton, {}, qt->visualItemRect(qt->topLevelItem(0)->child(0)).center());
  EXPECT_EQ(gallery.events, std::vector<std::string>{"node Item2"});
  EXPECT_EQ(t.selectedItem(), &t.item(2));
  userKey(qt, Qt::Key_Up);
  userKey(qt, Qt::Key_Up);  // at the top already: no move, no click
  EXPECT_EQ(gallery.events, (std::vector<std::string>{"node Item2", "node Item1"}));
}

TEST_F(ControlsTest, PopupMenuShowsTheVisibleEntriesAndReturnsAfterTheChosenClick) {
  gallery.bm[1].setVisible(true);
  gallery.bm[1].setCaption("&1. Intro");
  gallery.bm[3].setVisible(true);
  gallery.bm[3].setCaption("&3. Usage");
  gallery.bm[3].setChecked(true);
  gallery.menuDelete.setVisible(false);
  gallery.menuAdd.setEnabled(false);
  user.choosePopupEntry("&3. Usage");
  gallery.buttonMenu.click();
  EXPECT_EQ(gallery.events, (std::vector<std::string>{"bm 3", "popup returned"}));
  ASSERT_EQ(user.popups().size(), 1u);
  const ui::PopupRequest& p = user.popups()[0];
  EXPECT_EQ(p.menuName, "MenuNB");
  EXPECT_EQ(p.x, 60);
  EXPECT_EQ(p.y, 5655);
  std::vector<std::string> captions;
  for (auto& e : p.entries) captions.push_back(e.caption);
  EXPECT_EQ(captions, (std::vector<std::string>{"&Add Bookmark", "-", "&1. Intro", "&3. Usage"}));
  EXPECT_FALSE(p.entries[0].enabled);
  EXPECT_TRUE(p.entries[1].separator);
  EXPECT_TRUE(p.entries[3].checked);
  EXPECT_EQ(p.entries[3].index, 3);

  user.choosePopupEntry("&Add Bookmark");  // disabled: nothing runs
  user.choosePopupEntry("");
  gallery.buttonMenu.click();
  gallery.buttonMenu.click();
  EXPECT_EQ(gallery.events.size(), 4u);

  gallery.unload();
  EXPECT_FALSE(gallery.bm[3].checked());
  EXPECT_FALSE(gallery.bm[3].visible());
  EXPECT_TRUE(gallery.menuAdd.enabled());
}

TEST_F(ControlsTest, ProgressBarKeepsItsValuesAndClampsTheDisplay) {
  struct Case {
    float min, max, value;
    int shown;  // of 10000
  };
  const Case cases[] = {{0, 200, 50, 2500}, {0, 200, 300, 10000}, {0, 200, -5, 0}, {0, 0, 5, 0}, {10, 20, 15, 5000}};
  auto* bar = static_cast<QProgressBar*>(gallery.progress.widget());
  for (const Case& c : cases) {
    gallery.progress.setMin(c.min);
    gallery.progress.setMax(c.max);
    gallery.progress.setValue(c.value);
    EXPECT_FLOAT_EQ(gallery.progress.value(), c.value);
    EXPECT_EQ(bar->value(), c.shown) << c.max << " " << c.value;
  }
}

TEST_F(ControlsTest, ProgressBarFollowsSmallStepsToWithinAPixelAndShowsBothEndsExactly) {
  auto* bar = static_cast<QProgressBar*>(gallery.progress.widget());
  constexpr int kBlocks = 16384;  // a copy's steps: many to a pixel
  gallery.progress.setMin(0);
  gallery.progress.setMax(kBlocks * 32768.0f);
  for (int block = 1; block <= kBlocks; ++block) {
    gallery.progress.setValue(block * 32768.0f);
    const double exact = 10000.0 * block / kBlocks;
    ASSERT_LT(std::abs(bar->value() - exact), 10000.0 / bar->width() + 1) << "block " << block;
  }
  EXPECT_EQ(bar->value(), 10000);
  gallery.progress.setValue(kBlocks / 2 * 32768.0f);
  EXPECT_EQ(bar->value(), 5000);
  gallery.progress.setValue(0);
  EXPECT_EQ(bar->value(), 0);
}

TEST_F(ControlsTest, TabStripFiresClickWhenTheSelectionChanges) {
  for (const char* c : {"Credits", "Images", "Thanks", "Useful related tools"}) gallery.tabs.addTab(c);
  EXPECT_EQ(gallery.tabs.selectedIndex(), 1);
  EXPECT_TRUE(gallery.events.empty());
  gallery.tabs.select(4);
  gallery.tabs.select(4);
  EXPECT_EQ(gallery.events, std::vector<std::string>{"tab Useful related tools"});
  EXPECT_EQ(gallery.tabs.tabCaption(2), "Images");
}

TEST_F(ControlsTest, OptionButtonsExcludeEachOtherWithinTheirGroupOnly) {
  int clicks = 0;
  gallery.left.on(&ui::OptionButton::onClick, [&](int) { ++clicks; });
  gallery.left[0].setValue(true);
  gallery.left[1].setValue(true);
  EXPECT_FALSE(gallery.left[0].value());
  EXPECT_EQ(clicks, 2);
  gallery.show();
  userClick(gallery.left[0]);
  EXPECT_EQ(clicks, 3);
  EXPECT_FALSE(gallery.left[1].value());
  EXPECT_THROW(gallery.left[7], win::Error);
}

TEST_F(ControlsTest, PicturesLoadFromWindowsPathsAndStayEmptyOnBadFiles) {
  QImage gif(22, 16, QImage::Format_RGB32);
  gif.fill(Qt::red);
  std::filesystem::create_directories(prefix.driveC() / "Art");
  // Qt writes no GIF; the reader goes by the content, not the name.
  ASSERT_TRUE(gif.save(QString::fromStdString((prefix.driveC() / "Art" / "fs1.gif").string()), "PNG"));
  ASSERT_TRUE(gif.save(QString::fromStdString((prefix.driveC() / "Art" / "Splash.jpg").string()), "JPG"));
  testing_support::writeFile(prefix.driveC() / "Art" / "broken.jpg", "not a picture");
  EXPECT_TRUE(gallery.image.loadPicture("c:\\art\\FS1.GIF"));
  EXPECT_TRUE(gallery.image.hasPicture());
  EXPECT_TRUE(gallery.image.loadPicture("C:\\Art\\splash.JPG"));
  EXPECT_FALSE(gallery.image.loadPicture("C:\\ART\\broken.jpg"));
  EXPECT_FALSE(gallery.image.hasPicture());
  EXPECT_FALSE(gallery.image.loadPicture("C:\\ART\\missing.jpg"));
  EXPECT_FALSE(gallery.image.loadPicture("Q:\\nothing.gif"));
}

TEST_F(ControlsTest, AutoSizedLabelTakesTheWidthOfItsCaption) {
  gallery.autoLabel.setFontName("Tahoma");
  gallery.autoLabel.setFontSize(26.25);
  gallery.autoLabel.setFontBold(true);
  gallery.autoLabel.setAutoSize(true);
  gallery.autoLabel.setCaption("TOVRIK");
  double shortWidth = gallery.autoLabel.width();
  gallery.autoLabel.setCaption("TOVRIKALL");
  EXPECT_GT(gallery.autoLabel.width(), shortWidth);
  EXPECT_EQ(gallery.autoLabel.left(), 795);
  EXPECT_GT(gallery.autoLabel.height(), 500);
}

TEST_F(ControlsTest, PicturesAndLinesHaveNoFont) {
  std::vector<std::string> without;
  for (ui::Control* c : gallery.controls())
    if (!c->setFontName("Tahoma")) without.push_back(c->name());
  EXPECT_EQ(without, (std::vector<std::string>{"ProgressBar1", "Image1", "Line1", "Picture1"}));
  EXPECT_EQ(gallery.text.fontName(), "Tahoma");
  EXPECT_DOUBLE_EQ(gallery.list.fontSize(), 8.25);
  gallery.unload();
  EXPECT_EQ(gallery.text.fontName(), ui::kDesignFontName);
}

}  // namespace
