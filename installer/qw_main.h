#pragma once
// The installer's start procedure.

// Sets the program's identity and the mode names, lets the user create the family's base directory when
// C:\VYST.CFG names none or it holds no vyst.ini, starts the library and shows the module screen
// modeless. Returns; the program lives on in the event loop until the module screen is unloaded.
void Main();
