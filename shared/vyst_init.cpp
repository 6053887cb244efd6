#include "platform/error.h"
#include "platform/files.h"
#include "shared/family_directories.h"
#include "shared/identity.h"
#include "shared/routines.h"
#include "shared/vyst32.h"

void vyst_init() {
  FindBaseDirectory();
  // From here on a failing step is skipped and the next one runs.
  std::string temp = pfad_vyst + "_Temp";
  win::tryStep([&] { win::mkDir(temp); });
  pfad_temp = AddPathSeparator(temp);
  win::tryStep([] { pfad_windows = AddPathSeparator(GetWindowsDir()); });
  win::tryStep([] { CheckTahomaFont(); });
  win::tryStep([] { FindMainDirectory(); });
  pfad_data = AddPathSeparator(pfad_main) + "data\\";
}
