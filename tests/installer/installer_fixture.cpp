#include "installer_fixture.h"

#include <QComboBox>
#include <QListWidget>
#include <QTest>

#include "installer/installer_state.h"
#include "installer/qwscreen2.h"
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

std::string InstallerTest::putModule(const std::string& fileName, const ModuleContents& contents) const {
  std::vector<samples::IniSection> sections = {
      {"Module",
       {"Name=" + contents.name, "Long=" + contents.longName, "Desc=" + contents.desc, "VersionMajor=" + contents.major,
        "VersionStatus=" + contents.status, "VersionMinor=" + contents.minor, "VersionBuild=" + contents.build,
        std::string("UpdateOnly=") + (contents.updateOnly ? "1" : "0")}},
      {"Installation", {"DefaultDirectory=" + contents.defaultDirectory, "EXEfile=" + contents.exeFile}},
      {"SplashScreen", contents.splashScreen}};
  sections.insert(sections.end(), contents.lists.begin(), contents.lists.end());
  std::vector<samples::HogFile> entries = {{"quarrow.inf", samples::iniText(sections)}};
  entries.insert(entries.end(), contents.files.begin(), contents.files.end());
  return putSetupFile(fileName, samples::hogArchive(entries));
}

std::string InstallerTest::putSetupFile(const std::string& fileName, const std::string& bytes) const {
  writeFile(setupDir() / fileName, bytes);
  return "C:\\SETUP\\" + fileName;
}

void InstallerTest::expectErrorBox() {
  user.onModal("VystEMsg", [this](ui::Form&) {
    errors.push_back({emsg_caption, emsg_text});
    VystEMsg.ButtonOK.click();
  });
}

void InstallerTest::clickLine(int row, Qt::KeyboardModifiers modifiers) {
  auto* list = qobject_cast<QListWidget*>(QWScreen2.List1.widget());
  QTest::mouseClick(list->viewport(), Qt::LeftButton, modifiers, list->visualItemRect(list->item(row)).center());
}

void InstallerTest::chooseMode(const std::string& mode) {
  auto* combo = qobject_cast<QComboBox*>(QWScreen2.ComboMode.widget());
  int target = combo->findText(QString::fromStdString(mode));
  ASSERT_GE(target, 0) << mode << " is not offered";
  while (combo->currentIndex() != target)
    QTest::keyClick(combo, combo->currentIndex() < target ? Qt::Key_Down : Qt::Key_Up);
}
