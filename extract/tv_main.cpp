#include "extract/tv_main.h"

#include <string>

#include "extract/help_companion.h"
#include "extract/tv1mode.h"
#include "extract/tv2mode.h"
#include "extract/tv_doit.h"
#include "extract/tvmvlsel.h"
#include "extract/tvsource.h"
#include "extract/tvtarget.h"
#include "shared/identity.h"
#include "shared/nimbrel_init.h"
#include "shared/splash.h"
#include "shared/vyst32.h"

namespace {
// The XOR sum of the splash picture Tovrik32.jpg that is shipped with the program.
constexpr uint8_t kSplashPictureSum = 128;
constexpr ui::Color kSplash32Red = 255;
constexpr const char* kManualUrl = "http://www.example.org/vortane/tovrik32/manual/";
}  // namespace

void Main() {
  prog_key = "TOVRIK32";
  prog_title = "TOVRIKALL32";
  prog_version = std::to_string(TOVRIK32_VERSION_MAJOR) + "." + std::to_string(TOVRIK32_VERSION_MINOR) +
                 " Beta 02 (Build 0" + std::to_string(TOVRIK32_VERSION_PATCH) + ")";
  prog_date = "01/14/99";
  SplashStart(kSplashPictureSum, kSplash32Red, true, false, "n/a");
  vyst_init();
  Nimbrel_Init("fs1", kManualUrl);
  SplashEnd(3000);
  ShowHelpCompanion(nullptr);
  ShowTV1Mode();
}

void ShowTV1Mode() { TV1Mode.show(); }
void ShowTV2Mode() { TV2Mode.show(); }
void ShowTVSource() { TVSource.show(); }
void ShowTVMVLSel() { TVMVLSel.show(); }
void ShowTVTarget() { TVTarget.show(); }

void RunTVDoIt() {
  TVDoIt.show();
  TVDoIt.refresh();
  TVDoIt.DoIt();
}
