#include "installer/module_description.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "platform/files.h"
#include "shared/identity.h"
#include "support/temp_prefix.h"
#include "tools/samples/sample_modules.h"

using namespace testing_support;
using samples::hogArchive;
using samples::iniText;
namespace fs = std::filesystem;

namespace {

VersionInfo version(std::string major, std::string status = "", std::string minor = "", std::string build = "") {
  return {std::move(major), std::move(status), std::move(minor), std::move(build), ""};
}

std::string describe(const VersionInfo& v) {
  return v.Major + "|" + v.Status + "|" + v.Minor + "|" + v.Build + "|" + v.Text;
}

// Every field of a record in one line, so that a test sees any field that changed.
std::string describe(const ModuleInfo& m) {
  std::ostringstream out;
  out << m.File << "|" << m.Name << "|" << m.Long << "|" << m.Directory << "|" << m.EXEfile << "|" << m.Desc << "|new "
      << describe(m.NewVersion) << "|installed " << describe(m.InstalledVersion) << "|allowed ";
  for (bool allowed : m.Allowed) out << allowed;
  out << "|mode " << m.Mode << "|fixed " << m.DirFixed << "|update only " << m.UpdateOnly;
  return out.str();
}

ModuleInfo keptRecord() {
  ModuleInfo m;
  m.File = "file";
  m.Name = "NAME";
  m.Long = "long";
  m.Directory = "dir";
  m.EXEfile = "exe";
  m.Desc = "desc";
  m.NewVersion = {"9", "Final", "9", "9", "9"};
  m.InstalledVersion = {"8", "Beta", "8", "8", "8 Beta 8 Build 8"};
  m.Allowed = {true, true, true, true, true};
  m.Mode = kRepair;
  m.DirFixed = true;
  m.UpdateOnly = true;
  return m;
}

struct Description {
  std::string name = "tool";
  std::string major = "2", status = "Beta", minor = "1", build = "";
  std::string defaultDirectory = "C:\\GAMES\\TOOL";
  std::vector<std::string> moreModuleLines = {};
};

std::string descriptionText(const Description& d) {
  std::vector<std::string> module = {"Name=" + d.name,
                                     "Long=The Tool",
                                     "Desc=A tool",
                                     "VersionMajor=" + d.major,
                                     "VersionStatus=" + d.status,
                                     "VersionMinor=" + d.minor,
                                     "VersionBuild=" + d.build};
  module.insert(module.end(), d.moreModuleLines.begin(), d.moreModuleLines.end());
  return iniText({{"Module", module},
                  {"Installation", {"DefaultDirectory=" + d.defaultDirectory, "EXEfile=tool.exe"}},
                  {"SplashScreen", {"The tool."}}});
}

class ModuleDescription : public ::testing::Test {
 protected:
  ModuleDescription() {
    pfad_vyst = "C:\\VORTANE\\";
    inf_dir = "C:\\VORTANE\\TEMP\\";
    fs::create_directories(prefix.driveC() / "VORTANE" / "TEMP");
    recordInVystIni("");
  }
  void recordInVystIni(const std::string& moduleLines) {
    writeFile(prefix.driveC() / "VORTANE" / "vyst.ini",
              "[General]\r\nVyst3-Installer=Quarrow32 V1.0\r\n" + moduleLines);
  }
  // An archive C:\MODS\TOOL.QRM with the description and a file of the module.
  std::string writeModule(const std::string& description, const std::string& entryName = "quarrow.inf") {
    writeFile(prefix.driveC() / "MODS" / "TOOL.QRM",
              hogArchive({{"tool.exe", "program"}, {entryName, description}, {"readme.txt", "r"}}));
    return "C:\\MODS\\TOOL.QRM";
  }
  TempPrefix prefix;
};

TEST(ExpandModulePath, ExpandsTheTwoPrefixesInExactCase) {
  pfad_vyst = "D:\\VORTANE";
  module_dir = "C:\\GAMES\\TOOL\\";
  const std::pair<const char*, const char*> cases[] = {
      {"Vyst\\DATA", "D:\\VORTANE\\DATA"},
      {"Main\\BIN\\X", "C:\\GAMES\\TOOL\\BIN\\X"},
      {"Vyst", "D:\\VORTANE\\"},
      {"Main\\", "C:\\GAMES\\TOOL\\"},
      {"Vyst/DATA", "D:\\VORTANE\\DATA"},
      {"VystXDATA", "D:\\VORTANE\\DATA"},  // any one character stands for the separator
      {"main\\BIN", "main\\BIN"},
      {"VYST\\DATA", "VYST\\DATA"},
      {"C:\\OTHER", "C:\\OTHER"},
      {"xVyst\\DATA", "xVyst\\DATA"},
      {"", ""},
  };
  for (const auto& [path, expanded] : cases) EXPECT_EQ(ExpandModulePath(path), expanded) << path;
}

TEST(MakeVersionText, ShowsAFinalVersionByItsMajorPartOnly) {
  const std::pair<VersionInfo, const char*> cases[] = {
      {version("2", "Final", "1", "5"), "2"},
      {version("2", "Beta", "1", "5"), "2 Beta 1 Build 5"},
      {version("2", "Beta", "", ""), "2 Beta"},
      {version("2", "", "1", ""), "2 1"},
      {version("2", "final", "1", ""), "2 final 1"},
      {version("2", "n/a", "3", " "), "2 3"},
      {version("", "Alpha", "", "7"), " Alpha Build 7"},
  };
  for (auto [v, text] : cases) {
    v.Text = "old";
    MakeVersionText(v);
    EXPECT_EQ(v.Text, text) << describe(v);
  }
}

TEST(CompareVersions, DecidesByTheFirstRuleThatApplies) {
  struct Case {
    VersionInfo installed, offered;
    int16_t result;
  };
  const Case cases[] = {
      {version("2", "Beta", "3"), version("2", "Final", "1"), 1},
      {version("2", "Final", "1"), version("2", "Beta", "9"), -1},
      {version("2", "Alpha", "3", "1"), version("2", "Beta", "3", "1"), 1},
      {version("2", "Beta", "3", "1"), version("2", "Alpha", "3", "1"), -1},
      {version("2", "Beta", "3"), version("2", "Alpha", "4"), 1},  // Minor before Alpha and Beta
      {version("9"), version("10"), -1},                           // texts, not numbers
      {version("3", "Alpha"), version("2", "Final"), -1},
      {version("2", "Final", "1"), version("2", "Final", "2"), 1},
      {version("2", "Final", "3", "2"), version("2", "Final", "3", "10"), -1},
      {version("2", "Beta", "3", "1"), version("2", "Beta", "3", "2"), 1},
      {version("2", "Gamma", "3", "1"), version("2", "Beta", "3", "1"), 0},  // other status words are not compared
      {version("2", "Beta", "3", "1"), version("2", "Beta", "3", "1"), 0},
      {VersionInfo{"2", "Beta", "3", "1", "one"}, VersionInfo{"2", "Beta", "3", "1", "other"},
       0},  // Text is not compared
      {version("2", "Final"), version("2", "FINAL"), -1},
  };
  for (const Case& c : cases)
    EXPECT_EQ(CompareVersions(c.installed, c.offered), c.result)
        << describe(c.installed) << " against " << describe(c.offered);
}

TEST_F(ModuleDescription, ReadModuleInfoFillsTheDescribedFieldsOnly) {
  writeFile(prefix.driveC() / "VORTANE" / "TEMP" / "quarrow.inf",
            descriptionText({.build = "44", .moreModuleLines = {"UpdateOnly=1"}}));
  ModuleInfo m = keptRecord();
  ReadModuleInfo(inf_dir, "quarrow.inf", m);
  EXPECT_EQ(describe(m),
            "file|TOOL|The Tool|C:\\GAMES\\TOOL|tool.exe|A tool|new 2|Beta|1|44|2 Beta 1 Build 44|installed "
            "8|Beta|8|8|8 Beta 8 Build 8|allowed 11111|mode 3|fixed 1|update only 1");
}

TEST_F(ModuleDescription, ReadModuleInfoFallsBackToTheNameAndReadsUpdateOnlyExactly) {
  const std::pair<const char*, bool> updateOnly[] = {
      {"", false}, {"UpdateOnly=1", true}, {"UpdateOnly=yes", false}, {"UpdateOnly=01", false}, {"UpdateOnly=0", false},
  };
  for (const auto& [updateLine, expected] : updateOnly) {
    for (const char* longLine : {"", "Long=", "Long=n/a", "Long= n/a "}) {
      writeFile(prefix.driveC() / "VORTANE" / "TEMP" / "quarrow.inf",
                iniText({{"Module", {"Name=tool.Man", longLine, updateLine}}}));
      ModuleInfo m = keptRecord();
      ReadModuleInfo(inf_dir, "quarrow.inf", m);
      EXPECT_EQ(m.UpdateOnly, expected) << updateLine;
      EXPECT_EQ(m.Name, "TOOL.MAN");
      EXPECT_EQ(m.Long, "TOOL.MAN") << longLine;
      EXPECT_EQ(m.Directory, "");
      EXPECT_EQ(describe(m.NewVersion), "||||");
    }
  }
}

TEST_F(ModuleDescription, ExtractModuleInfIsTrueOnlyForTheArchivesOwnDescription) {
  writeFile(prefix.driveC() / "VORTANE" / "TEMP" / "quarrow.inf", "[Module]\r\nName=OTHER\r\n");
  writeFile(prefix.driveC() / "VORTANE" / "TEMP" / "Quarrow.Inf", "[Module]\r\nName=OTHER2\r\n");
  std::string path = writeModule(descriptionText({}));
  EXPECT_TRUE(ExtractModuleInf(path));
  EXPECT_EQ(win::dirSearch("C:\\VORTANE\\TEMP\\*"), std::vector<std::string>{"QUARROW.INF"});
  EXPECT_EQ(readFile(prefix.driveC() / "VORTANE" / "TEMP" / "QUARROW.INF"), descriptionText({}));
}

// A description left behind by another module must not pass for the one that failed.
TEST_F(ModuleDescription, ExtractModuleInfRemovesALeftDescriptionAndFailsWithoutOne) {
  const std::string brokenDescription = hogArchive({{"quarrow.inf", "[Module]\r\n", 500}});
  const std::pair<const char*, std::string> archives[] = {
      {"no description", hogArchive({{"tool.exe", "program"}})},
      {"a damaged description", brokenDescription},
      {"no archive", ""},
  };
  for (const auto& [what, archive] : archives) {
    for (const char* leftName : {"quarrow.inf", "QUARROW.INF", "Quarrow.inf"})
      writeFile(prefix.driveC() / "VORTANE" / "TEMP" / leftName, "[Module]\r\nName=OTHER\r\n");
    fs::remove(prefix.driveC() / "MODS" / "TOOL.QRM");
    if (!archive.empty()) writeFile(prefix.driveC() / "MODS" / "TOOL.QRM", archive);
    EXPECT_FALSE(ExtractModuleInf("C:\\MODS\\TOOL.QRM")) << what;
    EXPECT_TRUE(win::dirSearch("C:\\VORTANE\\TEMP\\*").empty()) << what;
    ModuleInfo m = keptRecord();
    EXPECT_FALSE(LoadModule("C:\\MODS\\TOOL.QRM", m)) << what;
    EXPECT_EQ(describe(m), describe(keptRecord())) << what;
  }
}

struct LoadCase {
  const char* what;
  std::string vystIniLines;  // the module sections of vyst.ini
  Description description;
  int16_t mode;
  const char* allowed;  // Skip, Install, Uninstall, Repair, Update
  const char* directory;
  bool dirFixed;
  const char* installedVersion;  // as described
};

const LoadCase kLoadCases[] = {
    {"installed in a newer version",
     "[Moduls_Dirs]\r\nTOOL=D:\\TOOLS\\TOOL\r\n[Moduls_Versions]\r\nTOOL=3,3,Final,,\r\n",
     {},
     kSkip,
     "10000",
     "D:\\TOOLS\\TOOL",
     true,
     "3|Final|||3"},
    {"installed in the same version",
     "[Moduls_Dirs]\r\ntool=D:\\TOOLS\\TOOL\r\n[Moduls_Versions]\r\nTool=2 Beta 1,2,Beta,1,\r\n",
     {},
     kSkip,
     "10110",
     "D:\\TOOLS\\TOOL",
     true,
     "||||"},
    {"installed in an older version",
     "[Moduls_Dirs]\r\nTOOL=D:\\TOOLS\\TOOL\r\n[Moduls_Versions]\r\nTOOL=2 Beta 1,2,Beta,1,\r\n",
     {.status = "Final"},
     kUpdate,
     "10001",
     "D:\\TOOLS\\TOOL",
     true,
     "2|Beta|1||2 Beta 1"},
    {"installed with a short version record",
     "[Moduls_Dirs]\r\nTOOL=D:\\TOOLS\\TOOL\r\n[Moduls_Versions]\r\nTOOL=1.0\r\n",
     {},
     kUpdate,
     "10001",
     "D:\\TOOLS\\TOOL",
     true,
     "||||1.0"},
    {"installed and update-only",
     "[Moduls_Dirs]\r\nTOOL=D:\\TOOLS\\TOOL\r\n[Moduls_Versions]\r\nTOOL=1,1,Final,,\r\n",
     {.status = "Final", .moreModuleLines = {"UpdateOnly=1"}},
     kUpdate,
     "10001",
     "D:\\TOOLS\\TOOL",
     true,
     "1|Final|||1"},
    {"not recorded", "", {}, kInstall, "11000", "C:\\GAMES\\TOOL", false, "||||"},
    {"uninstalled, its keys left empty",
     "[Moduls_Dirs]\r\nTOOL=\r\n[Moduls_Versions]\r\nTOOL=\r\n",
     {},
     kInstall,
     "11000",
     "C:\\GAMES\\TOOL",
     false,
     "||||"},
    {"recorded as n/a", "[Moduls_Dirs]\r\nTOOL=n/a\r\n", {}, kInstall, "11000", "C:\\GAMES\\TOOL", false, "||||"},
    {"not recorded and update-only",
     "",
     {.moreModuleLines = {"UpdateOnly=1"}},
     kSkip,
     "10000",
     "(Upgrade only, old version not installed)",
     true,
     "||||"},
    {"without a default directory", "", {.defaultDirectory = ""}, kInstall, "11000", "", false, "||||"},
};

TEST_F(ModuleDescription, LoadModuleProposesAndAllowsModesByTheInstalledState) {
  for (const LoadCase& c : kLoadCases) {
    recordInVystIni(c.vystIniLines);
    std::string path = writeModule(descriptionText(c.description));
    ModuleInfo m;
    ASSERT_TRUE(LoadModule(path, m)) << c.what;
    std::string allowed;
    for (bool a : m.Allowed) allowed += a ? '1' : '0';
    EXPECT_EQ(m.File, path) << c.what;
    EXPECT_EQ(m.Name, "TOOL") << c.what;
    EXPECT_EQ(m.Mode, c.mode) << c.what;
    EXPECT_EQ(allowed, c.allowed) << c.what;
    EXPECT_EQ(m.Directory, c.directory) << c.what;
    EXPECT_EQ(m.DirFixed, c.dirFixed) << c.what;
    EXPECT_EQ(describe(m.InstalledVersion), c.installedVersion) << c.what;
  }
}

TEST_F(ModuleDescription, LoadModuleKeepsWhatTheRulesDoNotSet) {
  writeModule(descriptionText({}));
  ModuleInfo m = keptRecord();
  ASSERT_TRUE(LoadModule("C:\\MODS\\TOOL.QRM", m));
  EXPECT_EQ(describe(m),
            "C:\\MODS\\TOOL.QRM|TOOL|The Tool|C:\\GAMES\\TOOL|tool.exe|A tool|new 2|Beta|1||2 Beta 1|installed "
            "8|Beta|8|8|8 Beta 8 Build 8|allowed 11000|mode 1|fixed 1|update only 0");
}

// The proposed directory moves to the base directory's drive only when both name a drive.
TEST_F(ModuleDescription, ANewModuleIsProposedOnTheDriveOfTheBaseDirectory) {
  fs::path d = prefix.mapDrive('D', "second");
  writeFile(d / "VORTANE" / "vyst.ini", "[General]\r\nVyst3-Installer=Quarrow32 V1.0\r\n");
  struct Case {
    const char* base;
    const char* defaultDirectory;
    const char* proposed;
  };
  const Case cases[] = {
      {"D:\\VORTANE\\", "C:\\GAMES\\TOOL", "D:\\GAMES\\TOOL"},
      {"d:\\VORTANE\\", "C:\\GAMES\\TOOL", "d:\\GAMES\\TOOL"},
      {"D:\\VORTANE\\", "c:games", "D:games"},
      {"D:\\VORTANE\\", "\\GAMES\\TOOL", "\\GAMES\\TOOL"},
      {"D:\\VORTANE\\", "GAMES\\TOOL", "GAMES\\TOOL"},
      {"D:\\VORTANE\\", "1:\\TOOL", "1:\\TOOL"},
      {"D:\\VORTANE\\", "C", "C"},
      {"\\VORTANE\\", "C:\\GAMES\\TOOL", "C:\\GAMES\\TOOL"},
  };
  for (const Case& c : cases) {
    pfad_vyst = c.base;
    std::string path = writeModule(descriptionText({.defaultDirectory = c.defaultDirectory}));
    ModuleInfo m;
    ASSERT_TRUE(LoadModule(path, m)) << c.base << " " << c.defaultDirectory;
    EXPECT_EQ(m.Directory, c.proposed) << c.base << " " << c.defaultDirectory;
    EXPECT_EQ(m.Mode, kInstall);
  }
}

TEST_F(ModuleDescription, AModuleInstalledFromABaseDirectoryOnDriveDIsFoundThere) {
  fs::path d = prefix.mapDrive('D', "second");
  writeFile(d / "VORTANE" / "vyst.ini",
            "[Moduls_Dirs]\r\nTOOL=D:\\TOOLS\\TOOL\r\n[Moduls_Versions]\r\nTOOL=2 Beta 1,2,Beta,1,\r\n");
  pfad_vyst = "D:\\VORTANE\\";
  ModuleInfo m;
  ASSERT_TRUE(LoadModule(writeModule(descriptionText({})), m));
  EXPECT_EQ(m.Directory, "D:\\TOOLS\\TOOL");
  EXPECT_EQ(m.Mode, kSkip);
}

// The install run writes vyst.ini records under the Name: one that is no settings key would break it.
TEST_F(ModuleDescription, AModuleWhoseNameCouldNotBeASettingsKeyIsNotLoaded) {
  const std::vector<std::string> nameLines[] = {
      {}, {"Name="}, {"Name=  "}, {"Name=A=B"}, {"Name=[TOOLS]"}, {"Name=;TOOL"}, {"Name=[X"},
  };
  for (const auto& lines : nameLines) {
    writeModule(iniText({{"Module", lines}, {"Installation", {"DefaultDirectory=C:\\X"}}}));
    ModuleInfo m = keptRecord();
    EXPECT_FALSE(LoadModule("C:\\MODS\\TOOL.QRM", m)) << (lines.empty() ? "no name" : lines[0]);
    EXPECT_EQ(describe(m), describe(keptRecord()));
  }
  for (const char* name : {"TOOL]", "T[OOL", "TO;OL", "TOVRIK32.MAN"}) {
    writeModule(iniText({{"Module", {std::string("Name=") + name}}}));
    ModuleInfo m;
    EXPECT_TRUE(LoadModule("C:\\MODS\\TOOL.QRM", m)) << name;
  }
}

TEST_F(ModuleDescription, TheDescriptionIsFoundWhateverCaseItsEntryIsStoredIn) {
  for (const char* entryName : {"quarrow.inf", "QUARROW.INF", "Quarrow.Inf"}) {
    ModuleInfo m;
    ASSERT_TRUE(LoadModule(writeModule(descriptionText({}), entryName), m)) << entryName;
    EXPECT_EQ(m.Name, "TOOL") << entryName;
  }
}

}  // namespace
