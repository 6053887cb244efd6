#pragma once
// Bringing a form onto the screen before the program blocks the window thread.
namespace ui {

class Form;

// Repaints a shown form at once, on the screen itself. A window just shown reaches the screen only when
// the window system maps it, and what is painted before that is lost; so this first waits for that
// (handling no user input meanwhile, and giving up after a second). What the form shows then stays on the
// screen while the program sleeps. Nothing happens to a form that is not shown.
void paintOnScreen(Form& form);

}  // namespace ui
