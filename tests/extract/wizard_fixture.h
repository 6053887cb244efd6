#pragma once
// The wizard installed in a test's own prefix: the family's base directory C:\VYST with the program's
// main directory (its two player stubs included), the help companion ready, and drive D: standing for
// the game CD the sources are read from.
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/ui/form.h"
#include "support/ui_driver.h"

class WizardTest : public testing_support::UiTest {
 protected:
  WizardTest();

  static constexpr int64_t kW32StubLength = 1000;
  static constexpr int64_t kDosStubLength = 700;

  std::filesystem::path mainDir() const { return prefix.driveC() / "VYST" / "TOVRIK32"; }
  std::filesystem::path settingsFile() const { return mainDir() / "tovrik32.ini"; }
  std::string settings() const;  // tovrik32.ini as it lies on disk; empty when missing
  void writeSettings(const std::vector<std::string>& lines) const;  // CRLF line ends

  // Writes a file onto the CD and gives its Windows path.
  std::string putSource(const std::string& relativePath, const std::string& bytes) const;

  // The user closes the next error box with OK; its caption and message land in errors.
  void expectErrorBox();
  struct ErrorSeen {
    std::string caption, message;
  };
  std::vector<ErrorSeen> errors;

  // The wizard's pages that are shown right now, by name.
  static std::vector<std::string> shownPages();

  std::filesystem::path cd;
};
