#include "installer_fixture.h"

#include "installer/installer_state.h"
#include "installer/module_shortcut.h"
#include "platform/system.h"
#include "shared/error_box.h"
#include "shared/vyst32.h"

namespace fs = std::filesystem;
using namespace testing_support;

InstallerTest::InstallerTest() {
  fs::create_directories(setupDir());
  win::setAppPath("C:\\SETUP");
  win::setAppExeName("qrw32");
  win::setCommandLine("");
  ui::setProgramTitle("QRW32");
  prog_key = prog_title = prog_version = prog_date = "";
  pfad_vyst = pfad_temp = pfad_main = pfad_data = "";
  makedirtree_probe = "mscreate.dir";
  modules = ModuleTable{};
  mode_names = {};
  module_dir = inf_dir = "";
}

fs::path InstallerTest::startMenuFolder() const {
  return prefix.driveC() / "WINDOWS" / "Start Menu" / "Programs" / kShortcutFolder;
}

void InstallerTest::installFamily(const std::vector<std::string>& vystIni) {
  writeFile(prefix.driveC() / "VYST.CFG", crlfLines({"[Directories]", "Vyst3=C:\\VYST"}));
  writeFile(baseDir() / "vyst.ini", crlfLines(vystIni));
}

void InstallerTest::startLibrary() {
  installFamily();
  prog_key = "QRW32";
  prog_title = "QUARROW32";
  prog_version = kVersionText;
  prog_date = "07/07/98";
  makedirtree_probe = "test.ini";
  mode_names = {"Skip", "Install", "Uninstall", "Repair", "Update"};
  vyst_init();
  inf_dir = pfad_temp;
}

void InstallerTest::expectErrorBox() {
  user.onModal("VystEMsg", [this](ui::Form&) {
    errors.push_back({emsg_caption, emsg_text});
    VystEMsg.ButtonOK.click();
  });
}
