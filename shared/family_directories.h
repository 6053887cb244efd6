#pragma once
// The two directories that both the splash and the library's start-up work out, by the same rules.

// pfad_vyst from C:\VYST.CFG; ends the program through the error box when the family is not
// installed there (no base directory, or no vyst.ini in it).
void FindBaseDirectory();
// pfad_main: vyst.ini [Detour], else [Moduls_Dirs] under prog_key, else the program file's directory.
void FindMainDirectory();
