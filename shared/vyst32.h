#pragma once
// Program identity, directory globals and the start-up of the library.
#include <string>
#include <string_view>

// Set by each program's start procedure before the library runs.
extern std::string prog_key;
extern std::string prog_title;
extern std::string prog_version;
extern std::string prog_date;

// Set by vyst_init (pfad_vyst and pfad_main earlier by the splash, by the same rules).
extern std::string pfad_vyst;
extern std::string pfad_temp;
extern std::string pfad_windows;
extern std::string pfad_winsys;
extern std::string pfad_main;
extern std::string pfad_data;

// The probe file that MakeDirTree writes, set by each program's start procedure: "mscreate.dir" in the
// wizard, "test.ini" in the installer. When a file or directory of that name is there already, the probe
// takes the first free name of the form test1.ini, test2.ini, ...
extern std::string makedirtree_probe;

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
