#include "shared/family_directories.h"

#include "platform/system.h"
#include "shared/error_report.h"
#include "shared/identity.h"
#include "shared/routines.h"
#include "shared/settings.h"

void FindBaseDirectory() {
  pfad_vyst = AddPathSeparator(GetIniString("", "C:\\VYST.CFG", "Directories", "Vyst3"));
  // FileExists gives false also when the drive cannot be read at all: the family counts as missing.
  if (pfad_vyst.empty() || !FileExists(pfad_vyst + "vyst.ini"))
    FatalError("SYS0000", "Vyst32 error", "Vyst3 is not properly installed!");
}

void FindMainDirectory() {
  // Recorded values are taken as they stand, even "n/a" or a directory that does not exist.
  pfad_main = AddPathSeparator(GetIniString(pfad_vyst, "vyst.ini", "Detour", prog_key));
  if (pfad_main.empty()) pfad_main = AddPathSeparator(GetIniString(pfad_vyst, "vyst.ini", "Moduls_Dirs", prog_key));
  if (pfad_main.empty()) pfad_main = AddPathSeparator(win::appPath());
}
