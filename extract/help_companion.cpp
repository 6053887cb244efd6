#include "extract/help_companion.h"

#if __has_include("help/nimbrel.h")
#include "help/nimbrel.h"

void ShowHelpCompanion(ui::Form* owner) {
  if (owner)
    Nimbrel.show(*owner);
  else
    Nimbrel.show();
}
#else
// Until the help engine is part of the build there is no companion to show.
void ShowHelpCompanion(ui::Form*) {}
#endif
