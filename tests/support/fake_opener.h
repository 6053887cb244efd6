#pragma once
// A stand-in for the desktop's opener, xdg-open, for as long as it lives: the only program on a PATH of
// its own in the test's prefix. It notes its arguments, one per line, waits until the test lets it go (so
// the test knows it ran on after the open returned), then does what the test gave it.
#include <filesystem>
#include <string>

#include "support/temp_prefix.h"

namespace testing_support {

class FakeOpener {
 public:
  explicit FakeOpener(const TempPrefix& prefix);
  ~FakeOpener();
  FakeOpener(const FakeOpener&) = delete;
  FakeOpener& operator=(const FakeOpener&) = delete;

  // Shell commands run when it is let go, such as "exit 3"; the next start waits to be let go again.
  void install(const std::string& action);
  void remove();  // no opener on the system at all
  void letGo();   // the waiting starts, and those to come, go on
  std::string arguments() const;

 private:
  std::filesystem::path bin_;
  std::string savedPath_;
};

}  // namespace testing_support
