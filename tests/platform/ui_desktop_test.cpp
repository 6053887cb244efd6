// The desktop of a real session: targets go to xdg-open as one argument, and its verdict is heard.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "platform/drives.h"
#include "platform/ui/desktop_services.h"
#include "support/ui_driver.h"

namespace fs = std::filesystem;
using testing_support::readFile;
using testing_support::writeFile;

namespace {

// A stand-in for xdg-open on a PATH of its own: it notes its arguments, one per line, then acts.
class DesktopTest : public testing_support::UiTest {
 protected:
  DesktopTest() : bin(prefix.root() / "bin"), savedPath(std::getenv("PATH") ? std::getenv("PATH") : "") {
    fs::create_directories(bin);
    setenv("PATH", bin.c_str(), 1);
  }
  ~DesktopTest() override { setenv("PATH", savedPath.c_str(), 1); }

  void installOpener(const std::string& action) {
    writeFile(bin / "xdg-open", "#!/bin/sh\nfor a in \"$@\"; do echo \"$a\" >> \"" + (bin / "args").string() +
                                    "\"; done\n" + action + "\n");
    fs::permissions(bin / "xdg-open", fs::perms::owner_all);
  }
  std::string arguments() const { return fs::exists(bin / "args") ? readFile(bin / "args") : std::string(); }

  fs::path bin;
  std::string savedPath;
};

}  // namespace

TEST_F(DesktopTest, TheOpenersVerdictDecidesWhetherTheTargetWasOpened) {
  struct Case {
    const char* action;  // of the stand-in; none means there is no xdg-open at all
    bool opened;
  };
  const Case cases[] = {
      {nullptr, false},  {"exit 3", false},            // no program for that kind of target
      {"exit 4", false},                               // the program it found failed
      {"exit 0", true},  {"exec /bin/sleep 3", true},  // it runs the program it found and stays
  };
  auto desktop = ui::makeDesktop();
  for (const Case& c : cases) {
    if (c.action) installOpener(c.action);
    EXPECT_EQ(desktop->open("http://www.example.org/vortane/"), c.opened) << (c.action ? c.action : "no opener");
  }
}

TEST_F(DesktopTest, AFileGoesToTheOpenerAsItsHostPathInOneArgument) {
  installOpener("exit 0");
  fs::path manual = prefix.driveC() / "VYST" / "TOVRIK32" / "MANUAL";
  writeFile(manual / "my topic.htm", "<html></html>");
  auto desktop = ui::makeDesktop();
  EXPECT_TRUE(desktop->open("c:\\vyst\\tovrik32\\manual\\MY TOPIC.HTM"));
  EXPECT_TRUE(desktop->open("http://www.example.org/a b"));
  EXPECT_EQ(arguments(), (manual / "my topic.htm").string() + "\nhttp://www.example.org/a b\n");
}

TEST_F(DesktopTest, APathOnNoDriveIsNotHandedOn) {
  installOpener("exit 0");
  EXPECT_FALSE(ui::makeDesktop()->open("Q:\\MANUAL\\welcome.htm"));
  EXPECT_EQ(arguments(), "");
}
