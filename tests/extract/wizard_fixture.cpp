#include "wizard_fixture.h"

#include "extract/tv1mode.h"
#include "extract/tv2mode.h"
#include "extract/tvmvlsel.h"
#include "extract/tvsource.h"
#include "extract/tvtarget.h"
#include "extract/wizard_state.h"
#include "shared/error_box.h"
#include "shared/identity.h"
#include "shared/nimbrel_init.h"

namespace fs = std::filesystem;
using namespace testing_support;

WizardTest::WizardTest() : cd(prefix.mapDrive('D', "cd")) {
  writeFile(prefix.driveC() / "VYST.CFG", crlfLines({"[Directories]", "Vyst3=C:\\VYST"}));
  writeFile(prefix.driveC() / "VYST" / "vyst.ini",
            crlfLines({"[General]", "", "[Moduls_Dirs]", "TOVRIK32=C:\\VYST\\TOVRIK32"}));
  fs::create_directories(prefix.driveC() / "VYST" / "Nimbrel");
  fs::copy_file(fs::path(VM_SOURCE_DIR) / "help" / "data" / "Nimbrel" / "fs1.gif",
                prefix.driveC() / "VYST" / "Nimbrel" / "fs1.gif");
  writeFile(mainDir() / "stub" / "w32stub.lib", std::string(kW32StubLength, 'W'));
  writeFile(mainDir() / "stub" / "dosstub.lib", std::string(kDosStubLength, 'D'));
  prog_key = "TOVRIK32";
  prog_title = "TOVRIKALL32";
  prog_version = "1.0 Beta 02 (Build 03)";
  prog_date = "01/14/99";
  pfad_vyst = "C:\\VYST\\";
  pfad_main = "C:\\VYST\\TOVRIK32\\";
  makedirtree_probe = "mscreate.dir";
  ui::setProgramTitle("TOVRIK32");
  Nimbrel_Init("fs1", "http://www.example.org/vortane/tovrik32/manual/");
  // The state starts empty as in a fresh program, also when several tests share one process.
  mode1 = mode2 = 0;
  StubFile.clear();
  SourcePath.clear();
  Movies = MovieTable{};
  MovieCount = 0;
  SpaceNeeded = 0;
  TargetDir.clear();
}

std::string WizardTest::settings() const {
  return fs::exists(settingsFile()) ? readFile(settingsFile()) : std::string();
}

void WizardTest::writeSettings(const std::vector<std::string>& lines) const {
  writeFile(settingsFile(), crlfLines(lines));
}

std::string WizardTest::putSource(const std::string& relativePath, const std::string& bytes) const {
  writeFile(cd / relativePath, bytes);
  std::string winPath = "D:\\" + relativePath;
  for (char& c : winPath)
    if (c == '/') c = '\\';
  return winPath;
}

void WizardTest::expectErrorBox() {
  user.onModal("VystEMsg", [this](ui::Form&) {
    errors.push_back({emsg_caption, emsg_text});
    VystEMsg.ButtonOK.click();
  });
}

std::vector<std::string> WizardTest::shownPages() {
  std::vector<std::string> shown;
  ui::Form* pages[] = {&TV1Mode, &TV2Mode, &TVSource, &TVMVLSel, &TVTarget};
  for (ui::Form* page : pages)
    if (page->isLoaded() && page->isVisible()) shown.push_back(page->name());
  return shown;
}
