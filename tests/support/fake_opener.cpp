#include "support/fake_opener.h"

#include <cstdlib>

namespace fs = std::filesystem;

namespace testing_support {

FakeOpener::FakeOpener(const TempPrefix& prefix)
    : bin_(prefix.root() / "bin"), savedPath_(std::getenv("PATH") ? std::getenv("PATH") : "") {
  fs::create_directories(bin_);
  setenv("PATH", bin_.c_str(), 1);
}

FakeOpener::~FakeOpener() { setenv("PATH", savedPath_.c_str(), 1); }

void FakeOpener::install(const std::string& action) {
  fs::remove(bin_ / "go");
  // With nobody to let it go it gives up waiting after about ten seconds, so that no test hangs on it.
  writeFile(bin_ / "xdg-open", "#!/bin/sh\nfor a in \"$@\"; do echo \"$a\" >> \"" + (bin_ / "args").string() +
                                   "\"; done\ni=0\nwhile [ ! -e \"" + (bin_ / "go").string() +
                                   "\" ] && [ $i -lt 500 ]; do /bin/sleep 0.02; i=$((i+1)); done\n" + action + "\n");
  fs::permissions(bin_ / "xdg-open", fs::perms::owner_all);
}

void FakeOpener::remove() { fs::remove(bin_ / "xdg-open"); }

void FakeOpener::letGo() { writeFile(bin_ / "go", ""); }

std::string FakeOpener::arguments() const { return fs::exists(bin_ / "args") ? readFile(bin_ / "args") : ""; }

}  // namespace testing_support
