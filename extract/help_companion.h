#pragma once
// The help companion window of the wizard.
#include "platform/ui/form.h"

// Shows the companion modeless: owned by the page, taking the keyboard as a page's help does, or without
// owner when none is given, leaving the keyboard where it is.
void ShowHelpCompanion(ui::Form* owner);
