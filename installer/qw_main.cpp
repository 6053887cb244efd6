#include "installer/qw_main.h"

#include <string>

#include "installer/installer_state.h"
#include "installer/qwscreen1.h"
#include "installer/qwscreen2.h"
#include "shared/routines.h"
#include "shared/settings.h"
#include "shared/vyst32.h"

void Main() {
  makedirtree_probe = "test.ini";
  prog_key = "QRW32";
  prog_title = "QUARROW32";
  prog_version = std::to_string(QRW32_VERSION_MAJOR) + "." + std::to_string(QRW32_VERSION_MINOR) + " Beta 02 (Build 0" +
                 std::to_string(QRW32_VERSION_REVISION) + ")";
  prog_date = "07/07/98";
  mode_names = {"Skip", "Install", "Uninstall", "Repair", "Update"};
  pfad_vyst = AddPathSeparator(GetIniString("", "C:\\VYST.CFG", "Directories", "Vyst3"));
  if (pfad_vyst.empty() || !FileExists(pfad_vyst + "vyst.ini")) QWScreen1.showModal();
  // Ends the program with its error box when the user closed the base-directory screen instead.
  vyst_init();
  inf_dir = pfad_temp;
  QWScreen2.show();
}
