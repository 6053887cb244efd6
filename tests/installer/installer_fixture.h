#pragma once
// The installer on a test's own prefix: the program file in C:\SETUP, which is its main directory while
// the family records none for it; the family's base directory C:\VYST when a test installs it; the
// desktop's data and configuration folders inside the prefix. The program's globals start as in a
// fresh process, before its start procedure has run.
#include <filesystem>
#include <string>
#include <vector>

#include "support/ui_driver.h"
#include "tools/samples/sample_modules.h"

// What a module archive's quarrow.inf says, and the other entries of the archive.
struct ModuleContents {
  std::string name;  // [Module] Name, Long, Desc
  std::string longName;
  std::string desc;
  std::string major = "1";  // [Module] VersionMajor, VersionStatus, VersionMinor, VersionBuild
  std::string status = "Final";
  std::string minor;
  std::string build;
  bool updateOnly = false;       // [Module] UpdateOnly=1
  std::string defaultDirectory;  // [Installation] DefaultDirectory, EXEfile
  std::string exeFile;
  std::vector<std::string> splashScreen;   // [SplashScreen] lines
  std::vector<samples::IniSection> lists;  // further sections: [Files], [MkDirs], [RmFiles]
  std::vector<samples::HogFile> files;     // further entries of the archive
};

// An error box as the user saw it.
struct ErrorSeen {
  std::string caption, message;
  bool operator==(const ErrorSeen&) const = default;
};

class InstallerTest : public testing_support::UiTest {
 protected:
  InstallerTest();

  static constexpr const char* kVersionText = "2.0 Beta 02 (Build 08)";

  std::filesystem::path setupDir() const { return prefix.driveC() / "SETUP"; }
  std::filesystem::path baseDir() const { return prefix.driveC() / "VYST"; }

  // C:\VYST.CFG naming C:\VYST, and vyst.ini there holding these lines; CRLF line ends.
  void installFamily(const std::vector<std::string>& vystIni = {"[General]",
                                                                "Vyst3-Installer=Quarrow32 V2.0 Beta 02 (Build 08)"});
  // The identity and mode names as the start procedure sets them, the family installed and the library
  // started, for tests that begin at the module screen.
  void startLibrary();

  // Writes the module archive into C:\SETUP (the program's main directory) and gives its Windows path.
  std::string putModule(const std::string& fileName, const ModuleContents& contents) const;
  // Writes bytes into C:\SETUP under that name and gives its Windows path.
  std::string putSetupFile(const std::string& fileName, const std::string& bytes) const;

  // The user clicks a line of the module list, with Ctrl to take the selection away again.
  static void clickLine(int row, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
  // The user picks a mode in the drop-down list with the arrow keys; fails the test when it is not offered.
  static void chooseMode(const std::string& mode);

  // The user closes the next error box with OK; its caption and message land in errors.
  void expectErrorBox();
  std::vector<ErrorSeen> errors;

 private:
  testing_support::DesktopFoldersIn desktopFolders_{prefix};
};
