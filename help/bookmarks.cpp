// The ten bookmarks of the topic window, kept in the program's own settings file.
#include <string>

#include "help/nimbrel_index.h"
#include "help/number_text.h"
#include "platform/ui/message_box.h"
#include "shared/error_report.h"
#include "shared/identity.h"
#include "shared/routines.h"
#include "shared/settings.h"

namespace {

constexpr int kSlots = 10;

std::string bookmarkFile() { return prog_key + ".ini"; }
std::string slotKey(int slot) { return "Bookmark" + std::to_string(slot); }
std::string readSlot(int slot) { return GetIniString(pfad_main, bookmarkFile(), "Nimbrel", slotKey(slot)); }
void writeSlot(int slot, std::string_view value) {
  WriteIniString(pfad_main, bookmarkFile(), "Nimbrel", slotKey(slot), value);
}

// A title is shown as it is: its own "&" marks no access key.
std::string menuText(std::string_view title) {
  std::string out;
  for (char c : title) {
    if (c == '&') out += '&';
    out += c;
  }
  return out;
}

}  // namespace

void NimbrelIndex_CommandBookmark_Click() {
  NimbrelIndexForm& w = NimbrelIndex;
  w.MenuAdd.setVisible(true);
  w.MenuDelete.setVisible(false);
  int count = 0;
  for (int i = 1; i <= kSlots; ++i) {
    ui::Menu& entry = w.BM[i];
    entry.setVisible(false);
    std::string value = readSlot(i);
    if (!IsValue(value)) continue;
    entry.setVisible(true);
    entry.setEnabled(true);
    entry.setTag(value);
    if (value == w.topicTitle) {
      w.MenuAdd.setVisible(false);
      w.MenuDelete.setVisible(true);
      w.MenuDelete.setCaption("&Delete Bookmark (" + std::to_string(i) + ")");
      w.MenuDelete.setTag(std::to_string(i));
    }
    std::string number = i < kSlots ? "&" + std::to_string(i) : "1&0";
    entry.setCaption(number + ". " + menuText(value));
    ++count;
  }
  w.MenuAdd.setEnabled(count < kSlots);
  if (count == 0) {
    w.BM[1].setVisible(true);
    w.BM[1].setEnabled(false);
    w.BM[1].setCaption("No bookmarks yet");
  }
  w.popupMenu(w.MenuNB, w.CommandBookmark.left(), w.CommandBookmark.top() + w.CommandBookmark.height());
}

void NimbrelIndex_BM_Click(int Index) {
  NimbrelIndexForm& w = NimbrelIndex;
  std::string title = w.BM[Index].tag();
  int n = w.TreeView1.count();
  for (int k = 1; k <= n; ++k) {
    ui::Node& node = w.TreeView1.item(k);
    if (node.text() != title) continue;
    node.setSelected(true);
    NimbrelIndex_TreeView1_NodeClick(node);
    if (w.CommandView.enabled()) NimbrelIndex_CommandView_Click();
    return;
  }
  int answer = ui::msgBox(
      "Topic could not be found. Maybe the bookmark was made with using earlier version of this help. Do you "
      "want to delete the bookmark?",
      ui::kYesNo | ui::kDefaultButton1, "Topic not found");
  if (answer != ui::kIdYes) return;
  w.MenuDelete.setTag(std::to_string(Index));
  NimbrelIndex_MenuDelete_Click();
}

void NimbrelIndex_MenuAdd_Click() {
  for (int i = 1; i <= kSlots; ++i) {
    if (IsValue(readSlot(i))) continue;
    writeSlot(i, NimbrelIndex.topicTitle);
    return;
  }
  ShowError("", "All slots full", "Could not add bookmark.");
}

void NimbrelIndex_MenuDelete_Click() {
  double slot = RoundHalfEven(LeadingNumber(NimbrelIndex.MenuDelete.tag()));
  // The tag names a slot the menu showed; anything else would write a key that is no slot.
  if (slot < 1 || slot > kSlots) return;
  writeSlot(static_cast<int>(slot), "n/a");
}
