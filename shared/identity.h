#pragma once
// The program's identity and the family's directories: globals both programs share with the library,
// defined in identity.cpp. Empty until set as each comment says.
#include <string>

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
