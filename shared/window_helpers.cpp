#include "shared/window_helpers.h"

#include <string>

#include "platform/system.h"
#include "platform/ui/control.h"
#include "shared/error_report.h"

void ShellOpen(std::string_view target) {
  std::string text(target);
  win::desktop().open(text, [text](bool opened) {
    if (!opened) ShowError("", "Could not open", text + "\r\n\r\nNo program for it was found.");
  });
}

void SetFormFont(ui::Form& window) {
  // The window layer cannot fail to change a window's font, so the set needs no second try.
  window.setFontName("Tahoma");
  for (ui::Control* control : window.controls()) control->setFontName("Tahoma");
}
