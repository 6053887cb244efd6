// InitNBXFile: the [Index] section of the manual's index file, line by line, as the topic tree.
#include <array>
#include <string>

#include "help/nimbrel_index.h"
#include "help/number_text.h"
#include "platform/error.h"
#include "shared/routines.h"
#include "shared/settings.h"

namespace {

constexpr int kDeepestLevel = 6;  // depth 7; level -1 is the top
constexpr int kClosedBook = 1, kOpenBook = 2, kPage = 3;

}  // namespace

void NimbrelIndexForm::InitNBXFile(std::string_view dir) {
  load();
  helpDir = std::string(dir);
  win::tryStep([this] { TreeView1.clear(); });
  statusText = "Help not found";
  if (!FileExists(AddPathSeparator(helpDir) + indexFileName)) return;
  statusText.clear();

  int32_t count = 0;
  win::tryStep([&] { count = CountIniSectionLines(helpDir, indexFileName, "Index"); });
  // parents[level + 1]: the key of the latest node of that level while no shallower line came since.
  std::array<std::string, 8> parents;
  for (int32_t n = 1; n <= count; ++n) {
    std::string line;
    if (!win::tryStep([&] { line = getlinefrominifile(helpDir, indexFileName, "Index", n); })) continue;
    FieldList fields;
    SplitCommaList(line, fields);

    // A line that breaks the tree's rules is left out; the tree goes on from the lines before it.
    double level = RoundHalfEven(LeadingNumber(fields[1]) - 1);
    if (level > kDeepestLevel) {
      statusText = "Branch > 8";
      continue;
    }
    if (level < -1) continue;
    int at = static_cast<int>(level);
    if (at >= 0 && !IsValue(parents[at])) {
      statusText = "Parent not found";
      continue;
    }

    std::string key = "Item" + std::to_string(n);
    parents[at + 1] = key;
    for (int slot = at + 2; slot < int(parents.size()); ++slot) parents[slot].clear();
    int image = IsValue(fields[3]) ? kPage : kClosedBook;
    ui::Node* node = nullptr;
    win::tryStep([&] {
      node = at < 0 ? &TreeView1.add(key, fields[2], image)
                    : &TreeView1.add(parents[at], ui::Relationship::Child, key, fields[2], image);
    });
    if (!node) continue;
    node->setTag(fields[3]);
    if (ui::Node* parent = node->parent(); parent && parent->image() == kPage) parent->setImage(kOpenBook);
  }

  win::tryStep([this] {
    if (TreeView1.count() == 0) return;
    ui::Node& first = TreeView1.item(1);
    first.setSelected(true);
    NimbrelIndex_TreeView1_NodeClick(first);
  });
}
