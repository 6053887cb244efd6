#pragma once
// The start-up of the library and the system folders it asks for: vyst_init (vyst_init.cpp),
// GetWindowsDir, GetSystemDir and GetSpecialFolder (system_folders.cpp), MakeDirTree (make_dir_tree.cpp)
// and CheckTahomaFont (tahoma_font.cpp). The globals they fill and read are those of identity.h.
#include <string>
#include <string_view>

#include "shared/identity.h"

// Starts the library: sets the directory globals; ends the program through the error box when the
// family is not installed or the font Tahoma is missing.
void vyst_init();
std::string GetWindowsDir();  // no trailing separator
std::string GetSystemDir();
// Empty text when the shell does not know the folder, "n/a" when it knows it but gives no path.
std::string GetSpecialFolder(int csidl);
// Creates the directory with its missing parents; true when a probe file could be written there and read
// back. Leaves no probe behind and never touches a file that was there before.
bool MakeDirTree(std::string_view directory);
// Finds and registers tahoma.ttf and tahomabd.ttf (System folder, else Fonts folder); sets pfad_winsys.
void CheckTahomaFont();
