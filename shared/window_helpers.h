#pragma once
// Small window services of the library.
#include <string_view>

#include "platform/ui/form.h"

// Hands a file path or web address to the system shell's "open" and returns without waiting. When nothing
// opens it, the error box "Could not open" names the target and says that no program for it was found,
// whenever the shell's verdict comes.
void ShellOpen(std::string_view target);
// Gives the window and every control that has a font the font Tahoma; sizes and styles stay.
void SetFormFont(ui::Form& window);
