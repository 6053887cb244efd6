#include "platform/system.h"
#include "platform/ui/font.h"
#include "shared/error_report.h"
#include "shared/identity.h"
#include "shared/routines.h"
#include "shared/vyst32.h"

namespace {

// The download page of the family's runtime package.
constexpr const char* kRuntimePackageAddress = "http://www.example.org/vortane/tamsel32/";

bool holdsTahoma(const std::string& folder) { return FileExists(AddPathSeparator(folder) + "tahoma.ttf"); }

}  // namespace

void CheckTahomaFont() {
  pfad_winsys = GetSystemDir();
  std::string fontFolder = pfad_winsys;
  if (!holdsTahoma(fontFolder)) fontFolder = GetSpecialFolder(win::CSIDL_FONTS);
  // A Fonts folder that is no value is no folder at all, not the current directory.
  if (!IsValue(fontFolder) || !holdsTahoma(fontFolder))
    FatalError("SYS0000", "Font error",
               std::string("Font 'Tahoma' not found in the SYSTEM/SYSTEM32 or FONTS directory! To fix this "
                           "(re)install the Vortane Manager Tamsel32, which is available at ") +
                   kRuntimePackageAddress + " !");
  ui::registerFont(AddPathSeparator(fontFolder) + "tahoma.ttf");
  ui::registerFont(AddPathSeparator(fontFolder) + "tahomabd.ttf");
}
