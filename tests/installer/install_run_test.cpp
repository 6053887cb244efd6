// The install run of the module screen: Install, Repair and Update, the progress display, the error list,
// "delm", and how the run keeps what it cannot replace.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QListWidget>
#include <QTest>
#include <filesystem>
#include <string>
#include <vector>

#include "installer/installer_state.h"
#include "installer/qwscreen2.h"
#include "platform/drives.h"
#include "platform/system.h"
#include "run_fixture.h"
#include "shared/vyst32.h"
#include "support/desktop_entry_reader.h"

using namespace testing_support;
namespace fs = std::filesystem;

namespace {

const std::string kProgram = bytesOf(70000, 1), kLevel = bytesOf(40000, 2), kShared = bytesOf(300, 3);
const std::string kGeneral = "[General]\r\nVyst3-Installer=Quarrow32 V2.0 Beta 02 (Build 08)\r\n";
const std::string kInstallCaptions[] = {"Deleting unused files from older installations...", "Creating directories...",
                                        "Copying files to hard disk...", "Registering module...",
                                        "Creating shortcut icons..."};

// Deletes old files, makes its directory with a subfolder and one below the base directory, copies three of
// the four entries of its archive there, and has a "/" in the name of its shortcut.
ModuleContents toolsModule() {
  ModuleContents contents = vortaneTools();
  contents.lists = {
      {"RmFiles", {"old.exe, Main", "*.bak, Main\\data"}},
      {"MkDirs", {"Main", "Main\\data", "Vyst\\shared"}},
      {"Files",
       {"TOOLS.EXE, tools.exe, Main", "level1.bin, Level1.dat, Main\\data", "SHARED.DAT, shared.dat, Vyst\\shared"}}};
  contents.files = {{"TOOLS.EXE", kProgram}, {"LEVEL1.BIN", kLevel}, {"SHARED.DAT", kShared}, {"EXTRA.TXT", "extra"}};
  return contents;
}

// A module with nothing to lay out but its records and its shortcut.
ModuleContents emptyModule(const std::string& name) {
  ModuleContents contents;
  contents.name = name;
  contents.longName = name + " module";
  contents.desc = name + " shortcut";
  contents.defaultDirectory = "C:\\VMTOOLS\\" + name;
  return contents;
}

class InstallRun : public RunTest {
 protected:
  InstallRun() { startLibrary(); }

  fs::path toolsDir() const { return prefix.driveC() / "VMTOOLS" / "TOOLS"; }
};

TEST_F(InstallRun, InstallLaysOutTheModuleAndRecordsIt) {
  writeFile(toolsDir() / "OLD.EXE", "old program");
  writeFile(toolsDir() / "data" / "a.bak", "backup");
  writeFile(toolsDir() / "data" / "keep.txt", "the user's");
  putModule("TOOLS.QRM", toolsModule());
  openScreen();
  pressNext();

  EXPECT_EQ(listLines(), std::vector<std::string>{"There were no errors."});
  EXPECT_EQ(namesIn(toolsDir()), (std::vector<std::string>{"data", "tools.exe"}));
  EXPECT_EQ(namesIn(toolsDir() / "data"), (std::vector<std::string>{"Level1.dat", "keep.txt"}));
  EXPECT_TRUE(readFile(toolsDir() / "tools.exe") == kProgram);
  EXPECT_TRUE(readFile(toolsDir() / "data" / "Level1.dat") == kLevel);
  EXPECT_TRUE(readFile(baseDir() / "shared" / "shared.dat") == kShared);
  // The entries that no line names stay where the archive was extracted to; the others went into place.
  EXPECT_EQ(namesIn(baseDir() / "_Temp"), (std::vector<std::string>{"EXTRA.TXT", "QUARROW.INF"}));
  EXPECT_EQ(vystIni(), kGeneral +
                           "[Moduls_Dirs]\r\nTOOLS=C:\\VMTOOLS\\TOOLS\r\n[Moduls_EXEs]\r\nTOOLS=tools.exe\r\n"
                           "[Moduls_Versions]\r\nTOOLS=1,1,Final,,\r\n[Moduls_LastInstallMode]\r\nTOOLS=Install\r\n");
  EXPECT_EQ(namesIn(shortcutFolder()), std::vector<std::string>{"Vortane Tools.desktop"});
  DesktopEntry shortcut = readDesktopEntry(shortcutFolder() / "Vortane Tools.desktop");
  ASSERT_FALSE(shortcut.exec.empty());
  EXPECT_EQ(shortcut.exec.back(), (toolsDir() / "tools.exe").string());
}

TEST_F(InstallRun, TheScreenEndsWithTheErrorListAndExitAsTheOnlyAction) {
  putModule("TOOLS.QRM", toolsModule());
  openScreen();
  pressNext();
  EXPECT_EQ(QWScreen2.LabelSup.caption(), "The installation has been completed. Check below if any error occured...");
  EXPECT_EQ(QWScreen2.ButtonCancel.caption(), "E&xit");
  EXPECT_TRUE(QWScreen2.ButtonCancel.enabled());
  EXPECT_FALSE(QWScreen2.ButtonNext.enabled());
  EXPECT_TRUE(QWScreen2.List1.visible());
  for (ui::Control* hidden : std::initializer_list<ui::Control*>{
           &QWScreen2.LabelLong, &QWScreen2.LabelDir, &QWScreen2.TextDir, &QWScreen2.LabelMode, &QWScreen2.ComboMode,
           &QWScreen2.TextDesc, &QWScreen2.LabelVersion[1], &QWScreen2.LabelVersion[4]})
    EXPECT_FALSE(hidden->visible()) << hidden->name();
  QWScreen2.LabelProcess.forEach([](ui::Label& step) { EXPECT_FALSE(step.visible()) << step.index(); });
  EXPECT_EQ(user.yields(), 0) << "the run never yields";
  saveScreenshot(QWScreen2, "installer_run_no_errors");

  // A click on the error list changes nothing, and Next runs nothing again.
  auto* list = qobject_cast<QListWidget*>(QWScreen2.List1.widget());
  QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, list->visualItemRect(list->item(0)).center());
  EXPECT_FALSE(QWScreen2.LabelLong.visible());
  EXPECT_FALSE(QWScreen2.ComboMode.visible());
  userKey(QWScreen2.window(), Qt::Key_Return);
  EXPECT_EQ(listLines(), std::vector<std::string>{"There were no errors."});
  EXPECT_PROGRAM_ENDS(userClick(QWScreen2.ButtonCancel), 0);
}

TEST_F(InstallRun, EachStepIsPaintedAtOnceItalicWhilePendingBoldWhileRunningPlainWhenDone) {
  putModule("A.QRM", emptyModule("A"));
  putModule("B.QRM", emptyModule("B"));
  putModule("S.QRM", emptyModule("S"));
  openScreen();
  modules[3].Mode = kSkip;
  QCoreApplication::processEvents();
  PaintRecorder recorder;
  QWScreen2.LabelProcess.forEach([&](ui::Label& step) { recorder.watch(step); });
  recorder.watch(QWScreen2.LabelLong);
  pressNext();

  using Look = PaintRecorder::Look;
  for (int i = 0; i < 5; ++i) {
    const std::string& caption = kInstallCaptions[i];
    // The whole screen at the start; then per module: pending with the caption it had, running, done.
    std::vector<Look> expected = {{"", false, false},      {"", true, false},      {caption, false, true},
                                  {caption, false, false}, {caption, true, false}, {caption, false, true},
                                  {caption, false, false}};
    // The labels overlap by a pixel, so the one above, painted running, shows this one with its new caption.
    if (i > 0) expected.insert(expected.begin() + 2, {caption, true, false});
    EXPECT_EQ(recorder.looksOf(QWScreen2.LabelProcess[i]), expected) << "label " << i;
  }
  EXPECT_EQ(recorder.looksOf(QWScreen2.LabelLong), (std::vector<Look>{{"Initializing...", false, true},
                                                                      {"Processing module 1 of 2", false, true},
                                                                      {"Processing module 2 of 2", false, true}}));
  EXPECT_EQ(listLines(), std::vector<std::string>{"There were no errors."});
}

TEST_F(InstallRun, SetStepStateShowsTheStateAndPaintsTheLabelAtOnce) {
  putModule("A.QRM", emptyModule("A"));
  openScreen();
  QCoreApplication::processEvents();
  ui::Label& step = QWScreen2.LabelProcess[2];
  step.setVisible(true);
  step.setCaption("Step");
  const struct {
    int16_t state;
    bool italic, bold;
  } states[] = {{kStepPending, true, false}, {kStepRunning, false, true}, {kStepDone, false, false}};
  for (const auto& s : states) {
    PaintRecorder recorder;
    recorder.watch(step);
    QWScreen2.SetStepState(step, s.state);
    EXPECT_EQ(recorder.looksOf(step), (std::vector<PaintRecorder::Look>{{"Step", s.italic, s.bold}})) << s.state;
  }
}

TEST_F(InstallRun, RepairAndUpdateRunTheInstallStepsAndRecordTheirMode) {
  for (int16_t mode : {kRepair, kUpdate}) {
    ui::tearDownAllForms();
    writeFile(toolsDir() / "tools.exe", "installed before");
    putModule("TOOLS.QRM", toolsModule());
    openScreen();
    modules[1].Mode = mode;
    pressNext();
    EXPECT_EQ(listLines(), std::vector<std::string>{"There were no errors."});
    EXPECT_TRUE(readFile(toolsDir() / "tools.exe") == kProgram) << mode_names[static_cast<size_t>(mode)];
    EXPECT_NE(vystIni().find("[Moduls_LastInstallMode]\r\nTOOLS=" + mode_names[static_cast<size_t>(mode)] + "\r\n"),
              std::string::npos)
        << vystIni();
  }
}

TEST_F(InstallRun, WithEveryModuleSkippedThereIsNothingToDo) {
  putModule("TOOLS.QRM", toolsModule());
  openScreen();
  modules[1].Mode = kSkip;
  QCoreApplication::processEvents();
  PaintRecorder recorder;
  recorder.watch(QWScreen2.LabelProcess[0]);
  pressNext();
  EXPECT_EQ(listLines(), std::vector<std::string>{"Nothing to do."});
  EXPECT_EQ(recorder.looksOf(QWScreen2.LabelProcess[0]), (std::vector<PaintRecorder::Look>{{"", false, false}}));
  EXPECT_EQ(vystIni(), kGeneral);
  EXPECT_FALSE(fs::exists(toolsDir()));
  EXPECT_FALSE(fs::exists(shortcutFolder()));
}

struct CapCase {
  int errors;
  std::vector<std::string> lastLines;  // the list's lines from line 31 on
  friend void PrintTo(const CapCase& c, std::ostream* out) { *out << c.errors << " errors"; }
};

class ErrorCap : public InstallRun, public testing::WithParamInterface<CapCase> {};

// Each [MkDirs] line on a drive that is not there makes one error.
TEST_P(ErrorCap, TheListHoldsAtMost32Lines) {
  ModuleContents contents = emptyModule("MANY");
  std::vector<std::string> dirs;
  for (int i = 1; i <= GetParam().errors; ++i) dirs.push_back("Q:\\D" + std::to_string(i));
  contents.lists = {{"MkDirs", dirs}};
  putModule("MANY.QRM", contents);
  openScreen();
  pressNext();
  std::vector<std::string> lines = listLines();
  ASSERT_EQ(lines.size(), std::min<size_t>(32, dirs.size()));
  EXPECT_EQ(lines[0], "Could not create directory Q:\\D1");
  EXPECT_EQ(std::vector<std::string>(lines.begin() + 30, lines.end()), GetParam().lastLines);
  if (GetParam().errors == 40) saveScreenshot(QWScreen2, "installer_run_too_many_errors");
}

INSTANTIATE_TEST_SUITE_P(
    Counts, ErrorCap,
    testing::Values(CapCase{32, {"Could not create directory Q:\\D31", "Could not create directory Q:\\D32"}},
                    CapCase{33, {"Could not create directory Q:\\D31", "Too many errors. Rest of error list skipped."}},
                    CapCase{40,
                            {"Could not create directory Q:\\D31", "Too many errors. Rest of error list skipped."}}),
    [](const testing::TestParamInfo<CapCase>& c) { return std::to_string(c.param.errors) + "Errors"; });

struct DelmCase {
  const char* commandLine;
  bool deletes;
  friend void PrintTo(const DelmCase& c, std::ostream* out) { *out << "command line \"" << c.commandLine << "\""; }
};

class DeleteArchives : public InstallRun, public testing::WithParamInterface<DelmCase> {};

// Each archive goes after its turn: skipped ones, and those whose module failed, as well.
TEST_P(DeleteArchives, OnlyTheLowerCaseWordAnywhereDeletesThem) {
  win::setCommandLine(GetParam().commandLine);
  putModule("A.QRM", emptyModule("A"));
  ModuleContents failing = emptyModule("F");
  failing.lists = {{"Files", {"NONE.BIN, none.bin, Main"}}};
  putModule("F.QRM", failing);
  putModule("S.QRM", emptyModule("S"));
  putSetupFile("README.TXT", "not an archive");
  openScreen();
  modules[3].Mode = kSkip;
  pressNext();
  EXPECT_EQ(listLines(), std::vector<std::string>{"Error copying to C:\\VMTOOLS\\F\\none.bin"});
  std::vector<std::string> left = {"README.TXT"};
  if (!GetParam().deletes) left = {"A.QRM", "F.QRM", "README.TXT", "S.QRM"};
  EXPECT_EQ(namesIn(setupDir()), left);
  EXPECT_NE(vystIni().find("A=C:\\VMTOOLS\\A"), std::string::npos) << "the run itself is the same";
}

INSTANTIATE_TEST_SUITE_P(Lines, DeleteArchives,
                         testing::Values(DelmCase{"delm", true}, DelmCase{"/q -xdelmx", true}, DelmCase{"DELM", false},
                                         DelmCase{"Delm", false}, DelmCase{"de lm", false}, DelmCase{"", false}),
                         [](const testing::TestParamInfo<DelmCase>& c) { return "Case" + std::to_string(c.index); });

// The run keeps what it cannot replace, and lists every failure.

// The archive lacks the entry, or holds it cut short; what an earlier module or run left in the temporary
// directory under its name is not this module's.
enum class Left { Nothing, File, Link };

struct MissingCase {
  const char* what;
  bool cutShort;  // the archive ends in the entry, cut short; else it lacks the entry
  Left left;
  friend void PrintTo(const MissingCase& c, std::ostream* out) { *out << c.what; }
};

class MissingEntry : public InstallRun, public testing::WithParamInterface<MissingCase> {};

TEST_P(MissingEntry, KeepsTheInstalledFile) {
  const MissingCase& c = GetParam();
  writeFile(toolsDir() / "tools.exe", "installed before");
  const fs::path outside = prefix.root() / "outside" / "program";
  writeFile(outside, "outside");
  const fs::path stale = baseDir() / "_Temp" / "TOOLS.EXE";
  if (c.left == Left::File) writeFile(stale, "another module's");
  if (c.left == Left::Link) fs::create_symlink(outside, stale);
  ModuleContents contents = toolsModule();
  contents.files.erase(contents.files.begin());  // no TOOLS.EXE
  if (c.cutShort)
    contents.files.push_back({"TOOLS.EXE", kProgram.substr(0, 1000), static_cast<int32_t>(kProgram.size())});
  putModule("TOOLS.QRM", contents);
  openScreen();
  modules[1].Mode = kRepair;
  pressNext();
  EXPECT_EQ(listLines(), std::vector<std::string>{"Error copying to C:\\VMTOOLS\\TOOLS\\tools.exe"});
  EXPECT_EQ(readFile(toolsDir() / "tools.exe"), "installed before");
  EXPECT_EQ(readFile(outside), "outside");
  EXPECT_TRUE(readFile(toolsDir() / "data" / "Level1.dat") == kLevel) << "the other lines are copied";
  EXPECT_NE(vystIni().find("TOOLS=Repair"), std::string::npos) << "the module is recorded all the same";
  if (c.left == Left::Nothing && !c.cutShort) saveScreenshot(QWScreen2, "installer_run_with_errors");
}

INSTANTIATE_TEST_SUITE_P(Entries, MissingEntry,
                         testing::Values(MissingCase{"NotInTheArchive", false, Left::Nothing},
                                         MissingCase{"NotInTheArchiveOverAnOlderFile", false, Left::File},
                                         MissingCase{"CutShortOverAnOlderFile", true, Left::File},
                                         MissingCase{"NotInTheArchiveOverALink", false, Left::Link}),
                         [](const testing::TestParamInfo<MissingCase>& c) { return c.param.what; });

TEST_F(InstallRun, AnEntryThatDoesNotFitOnTheDiskKeepsTheInstalledFile) {
  writeFile(toolsDir() / "tools.exe", "installed before");
  putModule("TOOLS.QRM", toolsModule());
  openScreen();
  // Of everything written, only the program's entry grows past the limit.
  pressNextWithFileSizeLimit(60000);
  EXPECT_EQ(listLines(), std::vector<std::string>{"Error copying to C:\\VMTOOLS\\TOOLS\\tools.exe"});
  EXPECT_EQ(readFile(toolsDir() / "tools.exe"), "installed before");
  EXPECT_EQ(namesIn(baseDir() / "_Temp"), (std::vector<std::string>{"EXTRA.TXT", "QUARROW.INF"}))
      << "no cut-short entry is left behind";
}

TEST_F(InstallRun, ATargetWhoseDirectoryIsMissingKeepsItsEntryAndIsListed) {
  ModuleContents contents = toolsModule();
  contents.lists = {{"Files", {"TOOLS.EXE, tools.exe, Main\\nowhere"}}};
  putModule("TOOLS.QRM", contents);
  openScreen();
  pressNext();
  EXPECT_EQ(listLines(), std::vector<std::string>{"Error copying to C:\\VMTOOLS\\TOOLS\\nowhere\\tools.exe"});
  EXPECT_TRUE(readFile(baseDir() / "_Temp" / "TOOLS.EXE") == kProgram);
}

TEST_F(InstallRun, ASourceThatIsTheTargetItselfIsRefused) {
  ModuleContents contents = toolsModule();
  contents.lists = {{"Files", {"SHARED.DAT, shared.dat, Vyst\\_Temp", "TOOLS.EXE, tools.exe, Main"}}};
  putModule("TOOLS.QRM", contents);
  openScreen();
  pressNext();
  EXPECT_EQ(listLines(), (std::vector<std::string>{"Error copying to C:\\VYST\\_Temp\\shared.dat",
                                                   "Error copying to C:\\VMTOOLS\\TOOLS\\tools.exe"}));
  EXPECT_TRUE(readFile(baseDir() / "_Temp" / "SHARED.DAT") == kShared);
}

TEST_F(InstallRun, NamesWithSeparatorsOrWildcardsCopyNothing) {
  writeFile(baseDir() / "secret.txt", "the family's");
  ModuleContents contents = toolsModule();
  contents.lists = {
      {"MkDirs", {"Main"}},
      {"Files", {"..\\secret.txt, secret.txt, Main", "TOOLS.EXE, ..\\tools.exe, Main", "*.*, all, Main"}}};
  putModule("TOOLS.QRM", contents);
  openScreen();
  pressNext();
  EXPECT_EQ(listLines(), (std::vector<std::string>{"Error copying to C:\\VMTOOLS\\TOOLS\\secret.txt",
                                                   "Error copying to C:\\VMTOOLS\\TOOLS\\..\\tools.exe",
                                                   "Error copying to C:\\VMTOOLS\\TOOLS\\all"}));
  EXPECT_EQ(readFile(baseDir() / "secret.txt"), "the family's");
  EXPECT_TRUE(namesIn(toolsDir()).empty());
  EXPECT_FALSE(fs::exists(prefix.driveC() / "VMTOOLS" / "tools.exe"));
}

class DirectoryNotAbsolute : public InstallRun, public testing::WithParamInterface<const char*> {};

TEST_P(DirectoryNotAbsolute, TheModuleIsSkippedAndNothingOfItIsWritten) {
  putModule("TOOLS.QRM", toolsModule());
  openScreen();
  modules[1].Directory = GetParam();
  const std::vector<std::string> driveC = namesIn(prefix.driveC());
  pressNext();
  EXPECT_EQ(listLines(), std::vector<std::string>{"Could not create directory " + std::string(GetParam())});
  EXPECT_EQ(namesIn(prefix.driveC()), driveC);
  EXPECT_EQ(vystIni(), kGeneral);
  EXPECT_FALSE(fs::exists(baseDir() / "shared"));
  EXPECT_EQ(namesIn(baseDir() / "_Temp"), std::vector<std::string>{"QUARROW.INF"});
  EXPECT_FALSE(fs::exists(shortcutFolder()));
}

INSTANTIATE_TEST_SUITE_P(Directories, DirectoryNotAbsolute,
                         testing::Values("", "VMTOOLS\\TOOLS", "C:VMTOOLS", "\\VMTOOLS",
                                         "(Upgrade only, old version not installed)"),
                         [](const testing::TestParamInfo<const char*>& c) { return "Case" + std::to_string(c.index); });

TEST_F(InstallRun, RecordsThatCannotBeWrittenAreListed) {
  // vyst.ini grows past a file size limit that every module file fits, as on a nearly full disk.
  installFamily(
      {"[General]", "Vyst3-Installer=Quarrow32 V2.0 Beta 02 (Build 08)", "[Notes]", "Text=" + std::string(80000, 'x')});
  const std::string before = vystIni();
  putModule("TOOLS.QRM", toolsModule());
  openScreen();
  pressNextWithFileSizeLimit(80050);
  EXPECT_EQ(listLines(), std::vector<std::string>{"Could not register module Vortane Tools"});
  EXPECT_TRUE(vystIni() == before);
  EXPECT_TRUE(readFile(toolsDir() / "tools.exe") == kProgram);
}

TEST_F(InstallRun, OldFilesThatCannotBeDeletedAreListed) {
  ModuleContents contents = emptyModule("A");
  // The kernel's process files cannot be deleted, not even by root.
  win::drives().map('P', "/proc/self");
  contents.lists = {{"RmFiles", {"status, P:\\", "no such file, P:\\"}}};
  putModule("A.QRM", contents);
  openScreen();
  pressNext();
  EXPECT_EQ(listLines(), std::vector<std::string>{"Could not delete P:\\status"});
}

TEST_F(InstallRun, AModuleWhoseArchiveWentAwayIsSkippedWithItsArchiveNamed) {
  putModule("A.QRM", emptyModule("A"));
  putModule("TOOLS.QRM", toolsModule());
  openScreen();
  // Selecting the tools leaves their description in inf_dir, where A's turn must not take it for its own.
  QWScreen2.List1.setListIndex(1);
  fs::remove(setupDir() / "A.QRM");
  pressNext();
  EXPECT_EQ(listLines(), std::vector<std::string>{"Could not read the module description in C:\\SETUP\\A.QRM"});
  EXPECT_EQ(vystIni().find("A="), std::string::npos) << vystIni();
  EXPECT_FALSE(fs::exists(prefix.driveC() / "VMTOOLS" / "A"));
  EXPECT_TRUE(readFile(toolsDir() / "tools.exe") == kProgram);
}

// A module touches only what is its own, whatever its archive or its description names.

// Relative directories resolve against the current directory; "." and ".." climb out of the module, also
// where "Main" and the character after it are dropped ("Main..." is the module's parent). Absolute
// directories keep working.
TEST_F(InstallRun, DirectoriesThatLeaveTheirPlaceAreRefusedAndListed) {
  writeFile(prefix.driveC() / "victim.txt", "the user's");
  writeFile(prefix.driveC() / "WINDOWS" / "win.ini", "[windows]\r\n");
  ModuleContents contents = toolsModule();
  contents.lists = {{"RmFiles", {"victim.txt, Main\\..\\..", "win.ini, WINDOWS", "*.*, Main\\."}},
                    {"MkDirs", {"Main", "Main\\..\\..\\ESCAPE", "ESCAPED", "Main...\\PARENT"}},
                    {"Files",
                     {"TOOLS.EXE, tools.exe, Main\\..\\..", "LEVEL1.BIN, level1.dat, C:\\WINDOWS\\SYSTEM",
                      "SHARED.DAT, shared.dat, Main"}}};
  putModule("TOOLS.QRM", contents);
  openScreen();
  pressNext();
  EXPECT_EQ(listLines(),
            (std::vector<std::string>{
                "Could not delete C:\\VMTOOLS\\TOOLS\\..\\..\\victim.txt", "Could not delete WINDOWS\\win.ini",
                "Could not delete C:\\VMTOOLS\\TOOLS\\.\\*.*",
                "Could not create directory C:\\VMTOOLS\\TOOLS\\..\\..\\ESCAPE", "Could not create directory ESCAPED",
                "Could not create directory C:\\VMTOOLS\\TOOLS\\..\\PARENT",
                "Error copying to C:\\VMTOOLS\\TOOLS\\..\\..\\tools.exe"}));
  EXPECT_EQ(readFile(prefix.driveC() / "victim.txt"), "the user's");
  EXPECT_EQ(readFile(prefix.driveC() / "WINDOWS" / "win.ini"), "[windows]\r\n");
  for (const char* outside : {"ESCAPE", "ESCAPED", "VMTOOLS/PARENT", "tools.exe"})
    EXPECT_FALSE(fs::exists(prefix.driveC() / outside)) << outside;
  EXPECT_TRUE(readFile(prefix.driveC() / "WINDOWS" / "SYSTEM" / "level1.dat") == kLevel);
  EXPECT_TRUE(readFile(toolsDir() / "shared.dat") == kShared);
}

// vyst.ini, vortane.ini and C:\VYST.CFG are the family's: wildcards delete every other file, and no copy
// takes their place.
TEST_F(InstallRun, TheFamilysOwnFilesAreNeverDeletedNorReplaced) {
  installFamily(
      {"[General]", "Vyst3-Installer=Quarrow32 V2.0 Beta 02 (Build 08)", "[Moduls_Dirs]", "OTHER=C:\\VMTOOLS\\OTHER"});
  const std::string familyFile = readFile(prefix.driveC() / "VYST.CFG");
  writeFile(baseDir() / "vortane.ini", "[Nimbrel]\r\nPlaySounds=0\r\n");
  writeFile(baseDir() / "old.txt", "old");
  ModuleContents contents = toolsModule();
  contents.lists = {{"RmFiles", {"*.*, Vyst\\", "vyst.cfg, C:\\"}},
                    {"MkDirs", {"Main"}},
                    {"Files",
                     {"VYST.INI, vyst.ini, Vyst", "VORTANE.INI, VORTANE.INI, C:\\VYST", "VYST.CFG, vyst.cfg, C:\\",
                      "TOOLS.EXE, tools.exe, Main"}}};
  contents.files.insert(
      contents.files.end(),
      {{"VYST.INI", "[General]\r\n"}, {"VORTANE.INI", "[Nimbrel]\r\n"}, {"VYST.CFG", "[Directories]\r\n"}});
  putModule("TOOLS.QRM", contents);
  openScreen();
  pressNext();
  EXPECT_EQ(listLines(),
            (std::vector<std::string>{"Error copying to C:\\VYST\\vyst.ini", "Error copying to C:\\VYST\\VORTANE.INI",
                                      "Error copying to C:\\vyst.cfg"}));
  EXPECT_EQ(vystIni(), kGeneral +
                           "[Moduls_Dirs]\r\nOTHER=C:\\VMTOOLS\\OTHER\r\nTOOLS=C:\\VMTOOLS\\TOOLS\r\n"
                           "[Moduls_EXEs]\r\nTOOLS=tools.exe\r\n[Moduls_Versions]\r\nTOOLS=1,1,Final,,\r\n"
                           "[Moduls_LastInstallMode]\r\nTOOLS=Install\r\n");
  EXPECT_EQ(readFile(baseDir() / "vortane.ini"), "[Nimbrel]\r\nPlaySounds=0\r\n");
  EXPECT_EQ(readFile(prefix.driveC() / "VYST.CFG"), familyFile);
  EXPECT_FALSE(fs::exists(baseDir() / "old.txt")) << "the wildcard still deletes the rest";
  EXPECT_TRUE(readFile(toolsDir() / "tools.exe") == kProgram);
}

struct ShortcutTargetCase {
  const char* what;
  const char* exeFile;
  bool linkAtTarget;  // the module's directory holds a link of that name to the outside program
  friend void PrintTo(const ShortcutTargetCase& c, std::ostream* out) { *out << c.what; }
};

class ShortcutTarget : public InstallRun, public testing::WithParamInterface<ShortcutTargetCase> {};

// A program outside the module, not runnable by itself, is never made runnable by a module's shortcut.
TEST_P(ShortcutTarget, OutsideTheModulesDirectoryGetsNoShortcutAndKeepsItsPermissions) {
  const ShortcutTargetCase& c = GetParam();
  const fs::path program = prefix.driveC() / "WINDOWS" / "prog.sh";
  writeFile(program, "#!/bin/sh\n");
  const fs::perms readable = fs::perms::owner_read | fs::perms::owner_write;
  fs::permissions(program, readable);
  if (c.linkAtTarget) {
    fs::create_directories(toolsDir());
    fs::create_symlink(program, toolsDir() / c.exeFile);
  }
  ModuleContents contents = toolsModule();
  contents.exeFile = c.exeFile;
  contents.lists = {{"MkDirs", {"Main"}}};
  putModule("TOOLS.QRM", contents);
  openScreen();
  pressNext();
  EXPECT_EQ(listLines(), std::vector<std::string>{"Could not create an icon for Vortane Tools"});
  EXPECT_EQ(fs::status(program).permissions(), readable);
  EXPECT_TRUE(namesIn(shortcutFolder()).empty());
}

INSTANTIATE_TEST_SUITE_P(Targets, ShortcutTarget,
                         testing::Values(ShortcutTargetCase{"ClimbingOut", "..\\..\\WINDOWS\\prog.sh", false},
                                         ShortcutTargetCase{"ClimbingOutWithSlashes", "../../WINDOWS/prog.sh", false},
                                         ShortcutTargetCase{"LinkAtTheTarget", "tools.sh", true}),
                         [](const testing::TestParamInfo<ShortcutTargetCase>& c) { return c.param.what; });

}  // namespace
