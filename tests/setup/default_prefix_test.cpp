#include "tools/setup/default_prefix.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "platform/drives.h"
#include "platform/files.h"
#include "shared/identity.h"
#include "shared/settings.h"
#include "shared/vyst32.h"
#include "support/planted_link.h"
#include "support/temp_prefix.h"
#include "support/ui_driver.h"

using namespace testing_support;
namespace fs = std::filesystem;

namespace {

// The version the build gives the family's modules, as vyst.ini records it.
const std::string kVersionRecord = std::string(VM_MODULE_VERSION_MAJOR) + " Beta 02 Build " + VM_MODULE_VERSION_BUILD +
                                   "," + VM_MODULE_VERSION_MAJOR + ",Beta,02," + VM_MODULE_VERSION_BUILD;

class DefaultPrefix : public UiTest {
 protected:
  fs::path host(const std::string& winPath) { return win::drives().toHost(winPath); }

  DesktopFoldersIn desktopFolders{prefix};
};

TEST_F(DefaultPrefix, StartsTheLibraryOnTheWizardsMainDirectory) {
  ASSERT_TRUE(FillDefaultPrefix(VM_MODULES_DIR));
  prog_key = "TOVRIK32";
  vyst_init();
  EXPECT_EQ(pfad_vyst, "C:\\VORTANE\\");
  EXPECT_EQ(pfad_main, "C:\\VORTANE\\TOVRIK32\\");
  EXPECT_EQ(GetIniString(pfad_vyst, "vyst.ini", "Moduls_Dirs", "TOVRIK32.MAN"), "C:\\VORTANE\\TOVRIK32\\MANUAL\\");
  EXPECT_EQ(GetIniString(pfad_vyst, "vyst.ini", "Moduls_Versions", "TOVRIK32.MAN"), kVersionRecord);
}

TEST_F(DefaultPrefix, HoldsTheProgramFilesTheManualAndTheSamples) {
  ASSERT_TRUE(FillDefaultPrefix(VM_MODULES_DIR));
  const fs::path source = VM_SOURCE_DIR;
  EXPECT_EQ(readFile(host("C:\\VORTANE\\TOVRIK32\\Tovrik32.jpg")), readFile(source / "extract/data/Tovrik32.jpg"));
  // The help companion's picture and sounds, where it looks for them: below the base directory.
  EXPECT_EQ(readFile(host("C:\\VORTANE\\Nimbrel\\fs1.gif")), readFile(source / "help/data/Nimbrel/fs1.gif"));
  EXPECT_EQ(readFile(host("C:\\VORTANE\\nbactive.wav")), readFile(source / "help/data/nbactive.wav"));
  EXPECT_EQ(readFile(host("C:\\VORTANE\\nbfound.wav")), readFile(source / "help/data/nbfound.wav"));
  EXPECT_EQ(readFile(host("C:\\VORTANE\\TOVRIK32\\MANUAL\\pages\\run.htm")),
            readFile(source / "help/manual/pages/run.htm"));
  EXPECT_TRUE(win::directoryExists("C:\\VORTANE\\TOVRIK32\\stub"));
  EXPECT_TRUE(win::dirSearch("C:\\VORTANE\\TOVRIK32\\stub\\").empty());
  EXPECT_EQ(win::dirSearch("C:\\SAMPLES\\*.*"),
            (std::vector<std::string>{"AREA.BIF", "LOGO.MVE", "MOVIES.MVL", "TRAILER.EXE"}));
}

TEST_F(DefaultPrefix, IsLaidOutByTheInstallerWithAShortcutPerModule) {
  ASSERT_TRUE(FillDefaultPrefix(VM_MODULES_DIR));
  EXPECT_EQ(GetIniString("C:\\VORTANE", "vyst.ini", "Moduls_LastInstallMode", "TOVRIK32.MAN"), "Install");
  EXPECT_EQ(GetIniString("C:\\VORTANE", "vyst.ini", "Moduls_EXEs", "TOVRIK32"), "tovrik32");
  EXPECT_EQ(win::dirSearch("C:\\WINDOWS\\Start Menu\\Programs\\Vortane Manager\\*.desktop"),
            (std::vector<std::string>{"Tovrikall32 manual.desktop", "Tovrikall32 MVE wizard.desktop"}));
  EXPECT_TRUE(readFile(host("C:\\VORTANE\\TOVRIK32\\tovrik32")) == readFile(VM_WIZARD_PROGRAM));
}

TEST_F(DefaultPrefix, OpensThePagesOnTheSamplesWithCrlfSettings) {
  ASSERT_TRUE(FillDefaultPrefix(VM_MODULES_DIR));
  EXPECT_EQ(readFile(host("C:\\VORTANE\\TOVRIK32\\tovrik32.ini")),
            "[LastSettings]\r\nSourcePath=C:\\SAMPLES\r\nTargetDir=C:\\MOVIES\r\n");
  EXPECT_EQ(readFile(host("C:\\VYST.CFG")), "[Directories]\r\nVyst3=C:\\VORTANE\\\r\n");
}

TEST_F(DefaultPrefix, LeavesAnExistingFamilyAlone) {
  writeFile(prefix.driveC() / "VYST.CFG", "[Directories]\r\nVyst3=C:\\OTHER\r\n");
  EXPECT_FALSE(FillDefaultPrefix(VM_MODULES_DIR));
  EXPECT_EQ(readFile(prefix.driveC() / "VYST.CFG"), "[Directories]\r\nVyst3=C:\\OTHER\r\n");
  EXPECT_FALSE(fs::exists(prefix.driveC() / "VORTANE"));
}

class DefaultPrefixBesideLinks : public DefaultPrefix, public ::testing::WithParamInterface<LinkTarget> {};

TEST_P(DefaultPrefixBesideLinks, EveryFileItMakesReplacesALinkAndWritesNothingThroughIt) {
  std::vector<PlantedLink> links;
  for (const char* relative :
       {"VYST.CFG", "VORTANE/vyst.ini", "VORTANE/TOVRIK32/tovrik32.ini", "VORTANE/TOVRIK32/Tovrik32.jpg",
        "VORTANE/TOVRIK32/MANUAL/pages/run.htm", "SAMPLES/LOGO.MVE"})
    links.emplace_back(prefix.driveC() / relative, prefix.root() / "outside", GetParam());

  ASSERT_TRUE(FillDefaultPrefix(VM_MODULES_DIR));

  for (const PlantedLink& link : links) {
    EXPECT_TRUE(link.outsideUnchanged()) << link.at();
    EXPECT_TRUE(isPlainFile(link.at())) << link.at();
  }
  EXPECT_EQ(readFile(host("C:\\VYST.CFG")), "[Directories]\r\nVyst3=C:\\VORTANE\\\r\n");
  EXPECT_EQ(readFile(host("C:\\VORTANE\\TOVRIK32\\tovrik32.ini")),
            "[LastSettings]\r\nSourcePath=C:\\SAMPLES\r\nTargetDir=C:\\MOVIES\r\n");
  EXPECT_EQ(readFile(host("C:\\VORTANE\\TOVRIK32\\Tovrik32.jpg")),
            readFile(fs::path(VM_SOURCE_DIR) / "extract/data/Tovrik32.jpg"));
}

INSTANTIATE_TEST_SUITE_P(Links, DefaultPrefixBesideLinks,
                         ::testing::Values(LinkTarget::Nowhere, LinkTarget::OutsideFile), linkTargetName);

}  // namespace
