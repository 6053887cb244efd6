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

// The probe file that MakeDirTree writes: "mscreate.dir" in the wizard, "test.ini" in the installer.
extern std::string makedirtree_probe;

void vyst_init();
std::string GetWindowsDir();
std::string GetSystemDir();
std::string GetSpecialFolder(int csidl);
bool MakeDirTree(std::string_view directory);
void CheckTahomaFont();
