#pragma once
// The help companion window of the wizard.
#include "platform/ui/form.h"

// Shows the companion modeless: owned by the page, or without owner when none is given.
void ShowHelpCompanion(ui::Form* owner);
