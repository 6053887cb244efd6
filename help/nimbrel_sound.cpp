// The help's sounds, one at a time, from the family's base directory.
#include <string>

#include "help/nimbrel.h"
#include "platform/error.h"
#include "platform/system.h"
#include "shared/identity.h"
#include "shared/routines.h"

void NimbrelForm::WAV(int16_t soundCode) {
  load();
  win::SoundDevice& MMControl1 = win::soundDevice();
  win::tryStep([&] { MMControl1.stop(); });
  win::tryStep([&] { MMControl1.close(); });
  std::string baseName;
  if (soundCode == 1) baseName = "nbactive";
  if (soundCode == 2) baseName = "nbfound";
  if (baseName.empty() || !PlaySounds) return;
  std::string path = AddPathSeparator(pfad_vyst) + baseName + ".wav";
  bool exists = false;
  win::tryStep([&] { exists = FileExists(path); });
  if (!exists) return;
  win::tryStep([&] { MMControl1.open(path); });
  win::tryStep([&] { MMControl1.play(); });
}
