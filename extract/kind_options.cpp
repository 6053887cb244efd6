#include "extract/kind_options.h"

void PlaceKindOptions(const ui::ControlArray<ui::OptionButton>& options, std::initializer_list<KindOption> choices) {
  int tabIndex = 0;
  for (const KindOption& c : choices) {
    ui::OptionButton& option = options[c.index];
    option.move(2520, c.top, 4000, 255);
    option.setCaption(c.caption);
    option.setFontBold(true);
    option.setTabIndex(tabIndex++);
  }
}
