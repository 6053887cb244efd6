#include "extract/help_companion.h"

#include "help/nimbrel.h"

void ShowHelpCompanion(ui::Form* owner) {
  if (owner)
    Nimbrel.show(*owner);
  else
    Nimbrel.showInactive();  // beside the first page, which keeps the keyboard
}
