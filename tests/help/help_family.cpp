#include "help/help_family.h"

#include "help/nimbrel.h"
#include "shared/error_box.h"
#include "shared/identity.h"
#include "shared/nimbrel_init.h"

namespace fs = std::filesystem;

namespace testing_support {

std::string crlf(const std::vector<std::string>& lines) {
  std::string out;
  for (const std::string& line : lines) out += line + "\r\n";
  return out;
}

HelpTest::HelpTest() {
  const fs::path source = fs::path(VM_SOURCE_DIR) / "help";
  fs::create_directories(base() / "Nimbrel");
  fs::copy_file(source / "data" / "Nimbrel" / "fs1.gif", base() / "Nimbrel" / "fs1.gif");
  fs::copy_file(source / "data" / "nbactive.wav", base() / "nbactive.wav");
  fs::copy_file(source / "data" / "nbfound.wav", base() / "nbfound.wav");
  writeFile(base() / "vyst.ini",
            crlf({"[General]", "Vyst3-Installer=C:\\VYST\\QRW32\\qrw32.exe", "", "[Moduls_Dirs]",
                  "TOVRIK32=C:\\VYST\\TOVRIK32", std::string("TOVRIK32.MAN=") + kManualDir, "", "[Moduls_Versions]",
                  "TOVRIK32=Beta 02,1,1,0,3", "TOVRIK32.MAN=Beta 02,1,1,0,3"}));
  writeFile(bookmarkFile(), crlf({"[LastSettings]", "SourcePath=D:\\MOVIES\\", "TargetDir=C:\\OUT\\"}));
  fs::create_directories(manualDir());

  prog_key = "TOVRIK32";
  prog_title = "TOVRIKALL32";
  pfad_vyst = "C:\\VYST\\";
  pfad_main = "C:\\VYST\\TOVRIK32\\";
  Nimbrel_Init("fs1", kUrl);
}

void HelpTest::uninstallManual() {
  writeFile(base() / "vyst.ini", crlf({"[Moduls_Dirs]", "TOVRIK32=C:\\VYST\\TOVRIK32",
                                       "TOVRIK32.MAN=", "[Moduls_Versions]", "TOVRIK32.MAN="}));
}

void HelpTest::installRealManual() {
  fs::copy(fs::path(VM_SOURCE_DIR) / "help" / "manual", manualDir(), fs::copy_options::recursive);
}

void HelpTest::installIndex(const std::vector<std::string>& lines) {
  writeFile(manualDir() / "index.nbx", crlf(lines));
}

void HelpTest::writeTopic(const std::string& relativePath) {
  writeFile(manualDir() / relativePath, "<html><body>topic</body></html>\r\n");
}

void HelpTest::loadCompanion() { Nimbrel.load(); }

void HelpTest::expectErrorBox() {
  user.onModal("VystEMsg", [this](ui::Form&) {
    errors.push_back({emsg_caption, emsg_text});
    VystEMsg.ButtonOK.click();
  });
}

}  // namespace testing_support
