#pragma once
// A run page ready to go: the program's main directory with its stub folder, a source on drive D:, the
// target folder C:\OUT, and the wizard state the pages would have left.
#include <filesystem>
#include <string>
#include <vector>

#include "extract/wizard_state.h"
#include "support/ui_driver.h"

namespace testing_support {

class RunPageTest : public UiTest {
 protected:
  RunPageTest();

  // Writes the source container and makes it SourcePath.
  void source(const std::string& bytes, const std::string& name = "SOURCE.MVL");
  // The movies to write, and SpaceNeeded as the target page computes it.
  void choose(const std::vector<MovieEntry>& movies);
  // Output kind 1 (MVE), 2 (Win32 EXE) or 3 (DOS EXE), with the stub file for 2 and 3.
  void outputKind(int16_t kind);
  // A file of the main directory, such as "stub\w32stub.lib" or "HMI\hmidet.386".
  void mainFile(const std::string& relative, const std::string& bytes);

  std::filesystem::path host(const std::string& winPath) const;
  std::string target(const std::string& name) const { return readFile(targetFolder / name); }
  std::vector<std::string> targetFiles() const;  // names in C:\OUT, sorted
  // The next error box: its caption and message are kept, then it is closed.
  void expectErrorBox();

  std::filesystem::path sourceFolder;
  std::filesystem::path targetFolder;
  std::string errorCaption, errorMessage;
};

}  // namespace testing_support
