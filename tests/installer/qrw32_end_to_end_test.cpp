// qrw32 as a user meets it, on a prefix without a family and with the family's own archives beside it: the
// base-directory screen, the module screen, Install, a second start, Repair, Update with newer archives,
// Uninstall, "delm", a base directory of the user's own, and the installed wizard started from its shortcut
// as a program of its own.
#include <gtest/gtest.h>
#include <poll.h>
#include <sys/inotify.h>
#include <unistd.h>

#include <QProcess>
#include <QProcessEnvironment>
#include <chrono>
#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "help/nimbrel.h"
#include "installer/installer_state.h"
#include "installer/qw_main.h"
#include "installer/qwscreen1.h"
#include "installer/qwscreen2.h"
#include "platform/files.h"
#include "platform/system.h"
#include "run_fixture.h"
#include "shared/identity.h"
#include "shared/nimbrel_init.h"
#include "shared/routines.h"
#include "shared/settings.h"
#include "shared/vyst32.h"
#include "support/desktop_entry_reader.h"
#include "tools/modules/family_modules.h"

using namespace testing_support;
namespace fs = std::filesystem;

namespace {

const FamilyVersion kBuilt{VM_MODULE_VERSION_MAJOR, "Beta", "02", VM_MODULE_VERSION_BUILD};
const std::string kNoErrors = "There were no errors.";
const char* const kModuleNames[] = {"TOVRIK32", "TOVRIK32.MAN"};  // in the order of the list
// A base directory of the user's own, in place of the one proposed, and where it lies.
constexpr char kTypedBase[] = "C:\\GAMES\\VORTANE";
constexpr char kTypedBaseHost[] = "GAMES/VORTANE";

// What vyst.ini records as a module's version.
std::string versionRecord(const FamilyVersion& v) {
  return v.major + " " + v.status + " " + v.minor + " Build " + v.build + "," + v.major + "," + v.status + "," +
         v.minor + "," + v.build;
}

// The lines of vyst.ini below its [General] lines: each module section with one line per module.
std::vector<std::string> familyRecords(const std::vector<std::string>& dirs, const std::vector<std::string>& exes,
                                       const std::vector<std::string>& versions,
                                       const std::vector<std::string>& modes) {
  std::vector<std::string> lines = {"[General]", "Vyst3-Installer=Quarrow32 V2.0 Beta 02 (Build 08)"};
  const std::pair<const char*, const std::vector<std::string>*> sections[] = {{"Moduls_Dirs", &dirs},
                                                                              {"Moduls_EXEs", &exes},
                                                                              {"Moduls_Versions", &versions},
                                                                              {"Moduls_LastInstallMode", &modes}};
  for (const auto& [section, values] : sections) {
    lines.push_back("[" + std::string(section) + "]");
    for (size_t i = 0; i < std::size(kModuleNames); ++i)
      lines.push_back(std::string(kModuleNames[i]) + "=" + values->at(i));
  }
  return lines;
}

// Which files of some folders are opened, as the kernel reports it: the only view from outside of what
// another program does while it starts.
class OpenedFiles {
 public:
  explicit OpenedFiles(const std::vector<fs::path>& folders) : fd_(inotify_init1(IN_NONBLOCK | IN_CLOEXEC)) {
    for (const fs::path& folder : folders) inotify_add_watch(fd_, folder.c_str(), IN_OPEN);
  }
  ~OpenedFiles() { close(fd_); }
  OpenedFiles(const OpenedFiles&) = delete;
  OpenedFiles& operator=(const OpenedFiles&) = delete;

  // Waits until every name was opened or the time is up; the names of those seen.
  std::set<std::string> waitFor(const std::set<std::string>& names, std::chrono::seconds limit) {
    const auto end = std::chrono::steady_clock::now() + limit;
    std::set<std::string> seen;
    alignas(inotify_event) char buffer[8192];
    while (seen != names && std::chrono::steady_clock::now() < end) {
      pollfd ready{fd_, POLLIN, 0};
      if (poll(&ready, 1, 100) <= 0) continue;
      const ssize_t got = read(fd_, buffer, sizeof buffer);
      for (ssize_t at = 0; at < got;) {
        const auto* event = reinterpret_cast<const inotify_event*>(buffer + at);
        if (event->len > 0 && names.count(event->name)) seen.insert(event->name);
        at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
      }
    }
    return seen;
  }

 private:
  int fd_;
};

class Qrw32EndToEnd : public RunTest {
 protected:
  Qrw32EndToEnd() {
    for (const char* archive : {kWizardArchive, kManualArchive})
      fs::copy_file(fs::path(VM_MODULES_DIR) / archive, setupDir() / archive);
  }

  // The directories the screens propose.
  fs::path base() const { return prefix.driveC() / "VMTOOLS" / "_VYST"; }
  fs::path wizard() const { return prefix.driveC() / "VMTOOLS" / "TOVRIK32"; }
  fs::path manual() const { return wizard() / "MANUAL"; }
  fs::path typedBase() const { return prefix.driveC() / kTypedBaseHost; }
  std::string familySettings() const { return readFile(base() / "vyst.ini"); }

  // qrw32 starts from C:\SETUP and shows its module screen; without a family the user first takes the base
  // directory that the base-directory screen proposes, or types one.
  void start(const std::string& typedBase = "") {
    ui::resetProgramState();
    modules = ModuleTable{};
    if (!win::entryExists("C:\\VYST.CFG")) {
      user.onModal("QWScreen1", [typedBase](ui::Form&) {
        if (!typedBase.empty()) QWScreen1.TextDir.setText(typedBase);
        userClick(QWScreen1.ButtonNext);
      });
    }
    Main();
    ASSERT_TRUE(QWScreen2.isVisible());
  }
  void exitInstaller() { EXPECT_PROGRAM_ENDS(userClick(QWScreen2.ButtonCancel), 0); }

  void chooseForEveryModule(const std::string& mode) {
    for (int row = 0; row < QWScreen2.List1.listCount(); ++row) {
      clickLine(row);
      chooseMode(mode);
    }
  }
  static std::vector<std::string> modesOffered() {
    std::vector<std::string> modes;
    for (int i = 0; i < QWScreen2.ComboMode.listCount(); ++i) modes.push_back(QWScreen2.ComboMode.list(i));
    return modes;
  }

  // A first start on which the user installs what the screen proposes, then exits.
  void installTheFamily(const std::string& typedBase = "") {
    start(typedBase);
    pressNext();
    ASSERT_EQ(listLines(), std::vector<std::string>{kNoErrors});
    exitInstaller();
  }
};

TEST_F(Qrw32EndToEnd, TheFirstStartSetsUpTheBaseDirectoryAndInstallsTheFamily) {
  start();
  EXPECT_EQ(user.modalForms(), std::vector<std::string>{"QWScreen1"});
  EXPECT_EQ(readFile(prefix.driveC() / "vyst.cfg"), "[Directories]\r\nVyst3=C:\\VMTOOLS\\_VYST\r\n");
  EXPECT_EQ(listLines(), (std::vector<std::string>{"Install Tovrikall32 in C:\\VMTOOLS\\TOVRIK32",
                                                   "Install Tovrikall32 manual in C:\\VMTOOLS\\TOVRIK32\\MANUAL"}));
  clickLine(0);
  EXPECT_EQ(QWScreen2.LabelLong.caption(), "Tovrikall32 MVE wizard");
  EXPECT_EQ(QWScreen2.LabelVersion[2].caption(), kBuilt.major + " Beta 02 Build " + kBuilt.build);
  EXPECT_TRUE(QWScreen2.TextDesc.text().starts_with("Tovrikall32 extracts the MVE movies of Vortane 2"))
      << QWScreen2.TextDesc.text();
  saveScreenshot(QWScreen2, "qrw32_first_start");
  pressNext();
  EXPECT_EQ(listLines(), std::vector<std::string>{kNoErrors});
  saveScreenshot(QWScreen2, "qrw32_family_installed");

  // Every file byte for byte, in the folders the descriptions make, and nothing more.
  const fs::path source = VM_SOURCE_DIR;
  EXPECT_TRUE(readFile(wizard() / "tovrik32") == readFile(VM_WIZARD_PROGRAM));
  EXPECT_TRUE(readFile(wizard() / "Tovrik32.jpg") == readFile(source / "extract/data/Tovrik32.jpg"));
  EXPECT_TRUE(readFile(wizard() / "Tovrik32.gif") == readFile(source / "extract/data/Tovrik32.gif"));
  EXPECT_EQ(namesIn(wizard()),
            (std::vector<std::string>{"MANUAL", "Tovrik32.gif", "Tovrik32.jpg", "stub", "tovrik32"}));
  EXPECT_TRUE(namesIn(wizard() / "stub").empty());
  int manualFiles = 0;
  for (const auto& entry : fs::recursive_directory_iterator(source / "help/manual")) {
    const fs::path installed = manual() / entry.path().lexically_relative(source / "help/manual");
    if (entry.is_directory()) {
      EXPECT_EQ(namesIn(installed), namesIn(entry.path())) << installed;
    } else {
      ++manualFiles;
      EXPECT_TRUE(readFile(installed) == readFile(entry.path())) << installed;
    }
  }
  EXPECT_EQ(namesIn(manual()), namesIn(source / "help/manual"));
  EXPECT_GT(manualFiles, 20);
  EXPECT_TRUE(readFile(base() / "Nimbrel" / "fs1.gif") == readFile(source / "help/data/Nimbrel/fs1.gif"));
  EXPECT_TRUE(readFile(base() / "nbactive.wav") == readFile(source / "help/data/nbactive.wav"));
  EXPECT_TRUE(readFile(base() / "nbfound.wav") == readFile(source / "help/data/nbfound.wav"));
  EXPECT_EQ(namesIn(base()), (std::vector<std::string>{"Nimbrel", "_Temp", "nbactive.wav", "nbfound.wav", "vyst.ini"}));
  EXPECT_EQ(namesIn(base() / "_Temp"), std::vector<std::string>{"QUARROW.INF"}) << "every entry went into place";

  const std::string version = versionRecord(kBuilt);
  EXPECT_EQ(familySettings(),
            crlfLines(familyRecords({"C:\\VMTOOLS\\TOVRIK32", "C:\\VMTOOLS\\TOVRIK32\\MANUAL"},
                                    {"tovrik32", "welcome.htm"}, {version, version}, {"Install", "Install"})));

  // One desktop entry per module: the wizard starts, the manual's first page opens.
  EXPECT_EQ(namesIn(shortcutFolder()),
            (std::vector<std::string>{"Tovrikall32 MVE wizard.desktop", "Tovrikall32 manual.desktop"}));
  const std::vector<std::string> onThisPrefix = {"env", "VORTANE_PREFIX=" + prefix.root().string()};
  const std::map<std::string, std::vector<std::string>> starts = {
      {"Tovrikall32 manual", {"xdg-open", (manual() / "welcome.htm").string()}},
      {"Tovrikall32 MVE wizard", {(wizard() / "tovrik32").string()}}};
  for (const auto& [name, command] : starts) {
    DesktopEntry entry = readDesktopEntry(shortcutFolder() / (name + ".desktop"));
    EXPECT_TRUE(entry.wellFormed) << name;
    EXPECT_EQ(entry.keys["Type"], "Application") << name;
    EXPECT_EQ(entry.keys["Name"], name);
    std::vector<std::string> exec = onThisPrefix;
    exec.insert(exec.end(), command.begin(), command.end());
    EXPECT_EQ(entry.exec, exec) << name;
  }
  EXPECT_TRUE((fs::status(wizard() / "tovrik32").permissions() & fs::perms::owner_exec) != fs::perms::none);
  exitInstaller();
}

TEST_F(Qrw32EndToEnd, ASecondStartOffersSkipUninstallRepairAndRepairRestoresTheFiles) {
  installTheFamily();
  writeFile(manual() / "welcome.htm", "damaged");
  fs::remove(wizard() / "Tovrik32.jpg");
  fs::remove(base() / "nbfound.wav");
  start();
  EXPECT_EQ(user.modalForms(), std::vector<std::string>{"QWScreen1"}) << "only the first start asks for it";
  EXPECT_EQ(listLines(), (std::vector<std::string>{"Skip Tovrikall32 in C:\\VMTOOLS\\TOVRIK32",
                                                   "Skip Tovrikall32 manual in C:\\VMTOOLS\\TOVRIK32\\MANUAL"}));
  clickLine(1);
  EXPECT_EQ(modesOffered(), (std::vector<std::string>{"Skip", "Uninstall", "Repair"}));
  EXPECT_FALSE(QWScreen2.TextDir.enabled());
  EXPECT_FALSE(QWScreen2.LabelVersion[4].visible()) << "the same version is installed";
  saveScreenshot(QWScreen2, "qrw32_second_start");
  chooseForEveryModule("Repair");
  EXPECT_EQ(listLines()[0], "Repair Tovrikall32 in C:\\VMTOOLS\\TOVRIK32");
  pressNext();
  EXPECT_EQ(listLines(), std::vector<std::string>{kNoErrors});
  EXPECT_TRUE(readFile(manual() / "welcome.htm") == readFile(fs::path(VM_SOURCE_DIR) / "help/manual/welcome.htm"));
  EXPECT_TRUE(readFile(wizard() / "Tovrik32.jpg") == readFile(fs::path(VM_SOURCE_DIR) / "extract/data/Tovrik32.jpg"));
  EXPECT_TRUE(readFile(base() / "nbfound.wav") == readFile(fs::path(VM_SOURCE_DIR) / "help/data/nbfound.wav"));
  const std::string version = versionRecord(kBuilt);
  EXPECT_EQ(familySettings(),
            crlfLines(familyRecords({"C:\\VMTOOLS\\TOVRIK32", "C:\\VMTOOLS\\TOVRIK32\\MANUAL"},
                                    {"tovrik32", "welcome.htm"}, {version, version}, {"Repair", "Repair"})));
  exitInstaller();
}

TEST_F(Qrw32EndToEnd, ANewerArchiveIsOfferedAsAnUpdateAndInstalledOverTheOlderOne) {
  installTheFamily();
  FamilyVersion newer = kBuilt;
  newer.build += "1";  // compared as text, so longer with the same start is newer
  WriteFamilyModules(VM_SOURCE_DIR, VM_WIZARD_PROGRAM, newer, setupDir());
  start();
  EXPECT_EQ(listLines(), (std::vector<std::string>{"Update Tovrikall32 in C:\\VMTOOLS\\TOVRIK32",
                                                   "Update Tovrikall32 manual in C:\\VMTOOLS\\TOVRIK32\\MANUAL"}));
  clickLine(0);
  EXPECT_EQ(modesOffered(), (std::vector<std::string>{"Skip", "Update"}));
  EXPECT_EQ(QWScreen2.LabelVersion[2].caption(), newer.major + " Beta 02 Build " + newer.build);
  EXPECT_EQ(QWScreen2.LabelVersion[4].caption(), kBuilt.major + " Beta 02 Build " + kBuilt.build);
  pressNext();
  EXPECT_EQ(listLines(), std::vector<std::string>{kNoErrors});
  const std::string version = versionRecord(newer);
  EXPECT_EQ(familySettings(),
            crlfLines(familyRecords({"C:\\VMTOOLS\\TOVRIK32", "C:\\VMTOOLS\\TOVRIK32\\MANUAL"},
                                    {"tovrik32", "welcome.htm"}, {version, version}, {"Update", "Update"})));
  EXPECT_TRUE(readFile(wizard() / "tovrik32") == readFile(VM_WIZARD_PROGRAM));
  exitInstaller();
}

TEST_F(Qrw32EndToEnd, UninstallRemovesTheFamilysFilesAndKeepsWhatIsNotTheirs) {
  installTheFamily();
  // The wizard's settings and bookmarks, a player the user copied in, and the help companion's settings.
  writeFile(wizard() / "tovrik32.ini", "[LastSettings]\r\nSourcePath=C:\\SAMPLES\r\n");
  writeFile(wizard() / "stub" / "w32stub.lib", "the user's player");
  writeFile(base() / "vortane.ini", "[Nimbrel]\r\nPlaySounds=0\r\n");
  start();
  chooseForEveryModule("Uninstall");
  pressNext();
  EXPECT_EQ(listLines(), std::vector<std::string>{kNoErrors});

  // Gone: the program, its pictures, its settings, the whole manual, the shortcuts.
  EXPECT_EQ(namesIn(wizard()), std::vector<std::string>{"stub"});
  EXPECT_EQ(namesIn(wizard() / "stub"), std::vector<std::string>{"w32stub.lib"});
  EXPECT_FALSE(fs::exists(manual()));
  EXPECT_TRUE(namesIn(shortcutFolder()).empty());
  // Kept: what lies below the base directory, the family's settings files, the keys of the records.
  EXPECT_EQ(namesIn(base()),
            (std::vector<std::string>{"Nimbrel", "_Temp", "nbactive.wav", "nbfound.wav", "vortane.ini", "vyst.ini"}));
  EXPECT_EQ(namesIn(base() / "Nimbrel"), std::vector<std::string>{"fs1.gif"});
  std::vector<std::string> records = familyRecords({"", ""}, {"", ""}, {"", ""}, {"", ""});
  records.insert(records.end(), {"[Detour]", "TOVRIK32=", "TOVRIK32.MAN="});
  EXPECT_EQ(familySettings(), crlfLines(records));
  saveScreenshot(QWScreen2, "qrw32_family_uninstalled");
  exitInstaller();

  // Uninstalled, the modules are offered for installing again, in the directories they had.
  start();
  EXPECT_EQ(listLines(), (std::vector<std::string>{"Install Tovrikall32 in C:\\VMTOOLS\\TOVRIK32",
                                                   "Install Tovrikall32 manual in C:\\VMTOOLS\\TOVRIK32\\MANUAL"}));
}

TEST_F(Qrw32EndToEnd, DelmDeletesEachArchiveAfterItsTurn) {
  win::setCommandLine("delm");
  start();
  pressNext();
  EXPECT_EQ(listLines(), std::vector<std::string>{kNoErrors});
  EXPECT_TRUE(namesIn(setupDir()).empty());
  EXPECT_TRUE(readFile(wizard() / "tovrik32") == readFile(VM_WIZARD_PROGRAM)) << "each went after its turn";
}

TEST_F(Qrw32EndToEnd, OnABaseDirectoryOfTheUsersOwnEveryRecordAndShortcutNamesWhatWasInstalled) {
  start(kTypedBase);
  pressNext();
  ASSERT_EQ(listLines(), std::vector<std::string>{kNoErrors});
  EXPECT_FALSE(fs::exists(base())) << "nothing goes into the base directory proposed";

  // Each module's record names the directory that its files went to, and its program or document there.
  size_t installed = 0;
  for (const ModuleInfo& module : modules.values) {
    if (module.Name.empty()) continue;
    ++installed;
    const std::string directory = GetIniString(pfad_vyst, "vyst.ini", "Moduls_Dirs", module.Name);
    const std::string exeFile = GetIniString(pfad_vyst, "vyst.ini", "Moduls_EXEs", module.Name);
    EXPECT_TRUE(fs::is_directory(host(directory))) << module.Name << " is recorded in " << directory;
    EXPECT_TRUE(exeFile.empty() || fs::is_regular_file(host(AddPathSeparator(directory) + exeFile)))
        << module.Name << ": " << exeFile << " in " << directory;
  }
  // One shortcut per module, each opening what is there.
  const std::vector<std::string> shortcuts = namesIn(shortcutFolder());
  EXPECT_EQ(shortcuts.size(), installed);
  for (const std::string& name : shortcuts) {
    DesktopEntry entry = readDesktopEntry(shortcutFolder() / name);
    ASSERT_FALSE(entry.exec.empty()) << name;
    EXPECT_TRUE(fs::exists(entry.exec.back())) << name << " opens " << entry.exec.back();
    EXPECT_TRUE(fs::is_directory(entry.keys["Path"])) << name << " starts in " << entry.keys["Path"];
  }

  // The wizard's help companion, on this family, finds its picture (or it would show its error box) and its
  // sounds.
  prog_key = "TOVRIK32";
  vyst_init();
  Nimbrel_Init("fs1", "http://www.example.org/manual/");
  EXPECT_EQ(nimbrel_image, "C:\\GAMES\\VORTANE\\Nimbrel\\fs1.gif");
  user.sound().commands.clear();
  Nimbrel.WAV(1);
  Nimbrel.WAV(2);
  EXPECT_EQ(user.sound().commands,
            (std::vector<std::string>{"stop", "close", "open C:\\GAMES\\VORTANE\\nbactive.wav", "play", "stop", "close",
                                      "open C:\\GAMES\\VORTANE\\nbfound.wav", "play"}));
}

TEST_F(Qrw32EndToEnd, TheInstalledWizardStartsFromItsShortcut) {
  installTheFamily(kTypedBase);
  DesktopEntry entry = readDesktopEntry(shortcutFolder() / "Tovrikall32 MVE wizard.desktop");
  ASSERT_EQ(entry.exec.size(), 3u);
  ASSERT_EQ(entry.exec.back(), (wizard() / "tovrik32").string());

  // The installed copy shows its splash from its own folder, then the help companion with its picture from
  // the base directory the user typed and the manual's topics: the family as installed, found through
  // C:\VYST.CFG and vyst.ini.
  OpenedFiles opened({wizard(), manual(), typedBase() / "Nimbrel"});
  QProcess program;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert("QT_QPA_PLATFORM", "offscreen");
  const fs::path runtime = prefix.root() / "runtime";
  fs::create_directories(runtime);
  fs::permissions(runtime, fs::perms::owner_all);
  environment.insert("XDG_RUNTIME_DIR", QString::fromStdString(runtime.string()));
  program.setProcessEnvironment(environment);
  program.setProcessChannelMode(QProcess::MergedChannels);
  program.setWorkingDirectory(QString::fromStdString(entry.keys["Path"]));
  QStringList arguments;
  for (size_t i = 1; i < entry.exec.size(); ++i) arguments << QString::fromStdString(entry.exec[i]);
  program.start(QString::fromStdString(entry.exec[0]), arguments);
  ASSERT_TRUE(program.waitForStarted());
  const std::set<std::string> seen = opened.waitFor({"Tovrik32.jpg", "fs1.gif", "index.nbx"}, std::chrono::seconds(60));
  const bool running = program.state() == QProcess::Running;
  program.kill();
  program.waitForFinished();
  EXPECT_EQ(seen, (std::set<std::string>{"Tovrik32.jpg", "fs1.gif", "index.nbx"})) << program.readAll().toStdString();
  EXPECT_TRUE(running) << "the wizard ended on its own";
}

}  // namespace
