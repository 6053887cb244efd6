// The entries of the companion's popup menu.
#include <string>

#include "help/nimbrel.h"
#include "platform/ui/message_box.h"
#include "shared/identity.h"
#include "shared/nimbrel_init.h"
#include "shared/routines.h"
#include "shared/settings.h"
#include "shared/window_helpers.h"

namespace {

const char* const kLB = "\r\n";

std::string versionKey(const char* key) { return GetIniString(Nimbrel.helpDir, "index.nbx", "Version", key); }

}  // namespace

void Nimbrel_MenuIndex_Click() { Nimbrel_Image1_MouseDown(0, ui::kLeftButton, 0, 0, 0); }

void Nimbrel_MenuPlaySounds_Click() {
  Nimbrel.PlaySounds = !Nimbrel.PlaySounds;
  WriteIniString(pfad_vyst, "vortane.ini", "Nimbrel", "PlaySounds", std::to_string(BoolToInt(Nimbrel.PlaySounds)));
  Nimbrel.MenuPlaySounds.setChecked(Nimbrel.PlaySounds);
  Nimbrel.WAV(0);
}

void Nimbrel_MenuInternet_Click() {
  if (!Nimbrel.helpInstalled) Nimbrel.HelpNotInstalled();
  // Without a manual there is no index file to ask: a bare name would be looked up elsewhere.
  std::string address = Nimbrel.helpInstalled ? versionKey("INetVersion") : std::string();
  if (!IsValue(address)) address = nimbrel_url;
  ShellOpen(address);
}

void Nimbrel_MenuAboutHelp_Click() {
  if (!Nimbrel.helpInstalled) {
    Nimbrel.HelpNotInstalled();
    return;
  }
  std::string version = GetIniString(pfad_vyst, "vyst.ini", "Moduls_Versions", prog_key + ".MAN");
  std::string text = prog_title + " Help" + kLB;
  text += "Version " + version + kLB;
  text += "Uses Nimbrel Engine V" + versionKey("NBXVersion") + ".0" + kLB + kLB;
  text += "Author: " + versionKey("Author") + kLB;
  text += "eMail: " + versionKey("eMail") + kLB + kLB;
  ui::msgBox(text, ui::kOkOnly, "About Help File");
}

void Nimbrel_MenuAboutNB_Click() {
  std::string text = std::string("Nimbrel Engine V1.1") + kLB + kLB +
                     "The help engine of the Vortane Manager tools: the topics of the installed manual, "
                     "ten bookmarks and the manual on the Internet." +
                     kLB;
  ui::msgBox(text, ui::kOkOnly, "About Nimbrel");
}
