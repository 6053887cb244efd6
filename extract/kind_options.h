#pragma once
// The option buttons of the two kind pages: one column, bold captions, tab order from top to bottom.
#include <initializer_list>

#include "platform/ui/basic_controls.h"
#include "platform/ui/control.h"

struct KindOption {
  int index;  // the value the page stores
  double top;
  const char* caption;
};

// Places the options in the given order, which is their order on the page and in the tab order.
void PlaceKindOptions(const ui::ControlArray<ui::OptionButton>& options, std::initializer_list<KindOption> choices);
