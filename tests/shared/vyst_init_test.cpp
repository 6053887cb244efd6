#include <gtest/gtest.h>

#include <QApplication>
#include <filesystem>
#include <string>

#include "platform/system.h"
#include "platform/ui/font.h"
#include "shared/error_box.h"
#include "shared/identity.h"
#include "shared/vyst32.h"
#include "support/temp_prefix.h"
#include "support/ui_driver.h"

using namespace testing_support;
namespace fs = std::filesystem;

namespace {

const std::string kNotInstalled = "Vyst3 is not properly installed!";
const std::string kFontMissing =
    "Font 'Tahoma' not found in the SYSTEM/SYSTEM32 or FONTS directory! To fix this (re)install the Vortane "
    "Manager Tamsel32, which is available at http://www.example.org/vortane/tamsel32/ !";

// Not a UiTest: that registers Tahoma before the test, and here the library's start-up must do it.
class VystInit : public ::testing::Test {
 protected:
  explicit VystInit(win::PrefixOptions options = {}) : prefix(options) {
    static int argc = 1;
    static char name[] = "vyst_init_test";
    static char* argv[] = {name, nullptr};
    if (!QApplication::instance()) new QApplication(argc, argv);
    prog_key = "TOVRIK32";
    win::setAppPath("C:\\PROGRAMS\\TOVRIK");
  }
  ~VystInit() override {
    win::setSpecialFolderSource({});
    ui::tearDownAllForms();
    ui::resetProgramState();
  }

  // The user reads the next error box and closes it.
  void expectErrorBox() {
    user.onModal("VystEMsg", [this](ui::Form& form) {
      boxHeader = VystEMsg.ErrorHeader.caption();
      boxMessage = VystEMsg.ErrorMessage.text();
      form.unload();
    });
  }

  void install(const std::string& vystIni = "[General]\r\n") {
    writeFile(prefix.driveC() / "VYST.CFG", "[Directories]\r\nVyst3=C:\\VYST\r\n");
    writeFile(prefix.driveC() / "VYST" / "vyst.ini", vystIni);
  }
  fs::path fonts() const { return prefix.driveC() / "WINDOWS" / "FONTS"; }
  fs::path system() const { return prefix.driveC() / "WINDOWS" / "SYSTEM"; }

  TempPrefix prefix;
  ScriptedUser user;
  std::string boxHeader, boxMessage;
};

TEST_F(VystInit, SetsTheDirectoryGlobals) {
  install();
  vyst_init();
  EXPECT_EQ(pfad_vyst, "C:\\VYST\\");
  EXPECT_EQ(pfad_temp, "C:\\VYST\\_Temp\\");
  EXPECT_TRUE(fs::is_directory(prefix.driveC() / "VYST" / "_Temp"));
  EXPECT_EQ(pfad_windows, "C:\\WINDOWS\\");
  EXPECT_EQ(pfad_winsys, "C:\\WINDOWS\\SYSTEM");
  EXPECT_EQ(pfad_main, "C:\\PROGRAMS\\TOVRIK\\");
  EXPECT_EQ(pfad_data, "C:\\PROGRAMS\\TOVRIK\\data\\");
  EXPECT_TRUE(user.modalForms().empty());
}

TEST_F(VystInit, AQuotedBaseDirectoryIsTheDirectoryItself) {
  for (const char* vyst3 : {"\"C:\\VYST\"", "'C:\\VYST\\'", " \"C:\\VYST\" "}) {
    SCOPED_TRACE(vyst3);
    install();
    writeFile(prefix.driveC() / "VYST.CFG", std::string("[Directories]\r\nVyst3=") + vyst3 + "\r\n");
    vyst_init();
    EXPECT_EQ(pfad_vyst, "C:\\VYST\\");
    EXPECT_EQ(pfad_temp, "C:\\VYST\\_Temp\\");
    EXPECT_TRUE(user.modalForms().empty());
  }
}

TEST_F(VystInit, AnExistingTemporaryDirectoryIsNoError) {
  install();
  fs::create_directories(prefix.driveC() / "VYST" / "_Temp");
  vyst_init();
  EXPECT_EQ(pfad_temp, "C:\\VYST\\_Temp\\");
  EXPECT_EQ(pfad_main, "C:\\PROGRAMS\\TOVRIK\\");
}

TEST_F(VystInit, EndsWhenTheFamilyIsNotInstalled) {
  struct Case {
    const char* what;
    std::string cfg;  // empty: no C:\VYST.CFG
    bool vystIni;
  };
  prefix.mapDrive('D', "unreadable");
  fs::remove_all(prefix.root() / "unreadable");
  const Case cases[] = {
      {"no VYST.CFG", "", true},
      {"no section", "[Other]\r\nVyst3=C:\\VYST\r\n", true},
      {"empty value", "[Directories]\r\nVyst3=\r\n", true},
      {"no vyst.ini in an existing directory", "[Directories]\r\nVyst3=C:\\VYST\r\n", false},
      {"a drive that cannot be read", "[Directories]\r\nVyst3=D:\\VYST\r\n", true},
      {"a drive that is not there", "[Directories]\r\nVyst3=Q:\\VYST\r\n", true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    fs::remove_all(prefix.driveC() / "VYST");
    fs::remove(prefix.driveC() / "VYST.CFG");
    fs::create_directories(prefix.driveC() / "VYST");
    if (!c.cfg.empty()) writeFile(prefix.driveC() / "VYST.CFG", c.cfg);
    if (c.vystIni) writeFile(prefix.driveC() / "VYST" / "vyst.ini", "[General]\r\n");
    pfad_temp.clear();
    boxHeader.clear();
    expectErrorBox();
    EXPECT_PROGRAM_ENDS(vyst_init(), 1);
    EXPECT_EQ(boxHeader, "Vyst32 error ");
    EXPECT_EQ(boxMessage, kNotInstalled);
    EXPECT_EQ(emsg_code, "SYS0000");
    EXPECT_EQ(pfad_temp, "");
    EXPECT_FALSE(fs::exists(prefix.driveC() / "VYST" / "_Temp"));
    ui::resetProgramState();
  }
}

TEST_F(VystInit, TheMainDirectoryComesFromDetourThenModulsDirsThenTheProgramFile) {
  struct Case {
    std::string vystIni;
    std::string main, data;
  };
  const Case cases[] = {
      {"[Detour]\r\nTOVRIK32=D:\\GAMES\\TOV\r\n[Moduls_Dirs]\r\nTOVRIK32=C:\\TOV\\\r\n", "D:\\GAMES\\TOV\\",
       "D:\\GAMES\\TOV\\data\\"},
      {"[Moduls_Dirs]\r\nTOVRIK32=C:\\TOV\\\r\n", "C:\\TOV\\", "C:\\TOV\\data\\"},
      {"[Detour]\r\ntovrik32=C:\\LOWER\r\n", "C:\\LOWER\\", "C:\\LOWER\\data\\"},
      {"[Detour]\r\nTOVRIK32=D:\r\n", "D:", "D:data\\"},
      {"[Detour]\r\nTOVRIK32=n/a\r\n[Moduls_Dirs]\r\nTOVRIK32=C:\\TOV\\\r\n", "n/a\\", "n/a\\data\\"},
      {"[Detour]\r\nTOVRIK32=$\r\n[Moduls_Dirs]\r\nTOVRIK32=C:\\TOV\\\r\n", "C:\\TOV\\", "C:\\TOV\\data\\"},
      {"[Detour]\r\nTOVRIK32=\r\n[Moduls_Dirs]\r\nQRW32=C:\\QRW\\\r\n", "C:\\PROGRAMS\\TOVRIK\\",
       "C:\\PROGRAMS\\TOVRIK\\data\\"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.vystIni);
    install(c.vystIni);
    vyst_init();
    EXPECT_EQ(pfad_main, c.main);
    EXPECT_EQ(pfad_data, c.data);
  }
}

TEST_F(VystInit, FontsOnlyInTheFontsFolderAreRegisteredFromThere) {
  install();
  ASSERT_TRUE(fs::exists(fonts() / "tahoma.ttf"));
  ASSERT_FALSE(fs::exists(system() / "tahoma.ttf"));
  ASSERT_FALSE(ui::fontFamilyAvailable("Tahoma"));
  vyst_init();
  EXPECT_TRUE(ui::fontFamilyAvailable("Tahoma"));
  EXPECT_EQ(pfad_winsys, "C:\\WINDOWS\\SYSTEM");
}

TEST_F(VystInit, FontsInTheSystemFolderAreTakenFirst) {
  install();
  fs::rename(fonts() / "tahoma.ttf", system() / "tahoma.ttf");
  fs::remove(fonts() / "tahomabd.ttf");  // a missing bold file goes unnoticed
  vyst_init();
  EXPECT_TRUE(ui::fontFamilyAvailable("Tahoma"));
  EXPECT_EQ(pfad_winsys, "C:\\WINDOWS\\SYSTEM");
}

TEST_F(VystInit, AFontsFolderThatIsNoValueIsNotTheCurrentDirectory) {
  install();
  // Tahoma in the current directory of drive C: must not be found through an empty folder name.
  fs::copy_file(fonts() / "tahoma.ttf", prefix.driveC() / "tahoma.ttf");
  fs::remove(fonts() / "tahoma.ttf");
  for (win::SpecialFolder folder : {win::SpecialFolder{}, win::SpecialFolder{true, std::nullopt}}) {
    win::setSpecialFolderSource([folder](int) { return folder; });
    boxMessage.clear();
    expectErrorBox();
    EXPECT_PROGRAM_ENDS(vyst_init(), 1);
    EXPECT_EQ(boxHeader, "Font error ");
    EXPECT_EQ(boxMessage, kFontMissing);
    ui::resetProgramState();
  }
}

class VystInitWithoutFonts : public VystInit {
 protected:
  VystInitWithoutFonts() : VystInit(win::PrefixOptions{.installFonts = false}) {}
};

TEST_F(VystInitWithoutFonts, EndsWithTheFontErrorBox) {
  install();
  expectErrorBox();
  EXPECT_PROGRAM_ENDS(vyst_init(), 1);
  EXPECT_EQ(boxHeader, "Font error ");
  EXPECT_EQ(boxMessage, kFontMissing);
  EXPECT_EQ(emsg_code, "SYS0000");
  EXPECT_EQ(pfad_winsys, "C:\\WINDOWS\\SYSTEM");
  EXPECT_EQ(pfad_main, "");
}

}  // namespace
