#include "shared/window_helpers.h"

#include <string>

#include "platform/system.h"
#include "platform/ui/control.h"

void ShellOpen(std::string_view target) { win::desktop().open(std::string(target)); }

void SetFormFont(ui::Form& window) {
  // The window layer cannot fail to change a window's font, so the set needs no second try.
  window.setFontName("Tahoma");
  for (ui::Control* control : window.controls()) control->setFontName("Tahoma");
}
