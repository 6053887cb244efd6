#pragma once
// A family base directory laid out in a test's own prefix, as the installer leaves it for the wizard:
// vyst.ini with the manual module, the companion's picture, the help's sounds, and a manual (a copy of
// the real one or an index file of the test's own), with the identity globals the help engine reads.
#include <filesystem>
#include <string>
#include <vector>

#include "support/ui_driver.h"

namespace testing_support {

class HelpTest : public UiTest {
 protected:
  HelpTest();

  static constexpr const char* kManualDir = "C:\\VYST\\MANUAL";  // as vyst.ini records it
  static constexpr const char* kUrl = "http://www.example.org/vortane/help/";

  std::filesystem::path base() const { return prefix.driveC() / "VYST"; }
  std::filesystem::path mainDir() const { return base() / "TOVRIK32"; }
  std::filesystem::path manualDir() const { return base() / "MANUAL"; }
  std::filesystem::path bookmarkFile() const { return mainDir() / "tovrik32.ini"; }

  // vyst.ini without the manual module: no help installed.
  void uninstallManual();
  void installRealManual();
  // An index file of these lines (joined with CRLF) as the manual's whole content.
  void installIndex(const std::vector<std::string>& lines);
  void writeTopic(const std::string& relativePath);
  // The companion's load: its placement, the settings, the topic window and its tree.
  void loadCompanion();
  // The user answers the next error box with OK; its caption and message land in errors.
  void expectErrorBox();

  struct ErrorSeen {
    std::string caption, message;
  };
  std::vector<ErrorSeen> errors;
};

std::string crlf(const std::vector<std::string>& lines);

}  // namespace testing_support
