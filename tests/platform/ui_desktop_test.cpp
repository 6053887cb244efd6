// The desktop of a real session: targets go to xdg-open as one argument, and its verdict is heard whenever
// it comes, without waiting for it.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTest>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "platform/ui/desktop_services.h"
#include "support/fake_opener.h"
#include "support/ui_driver.h"

namespace fs = std::filesystem;
using testing_support::FakeOpener;
using testing_support::writeFile;

namespace {

class DesktopTest : public testing_support::UiTest {
 protected:
  void open(const std::string& target) {
    desktop->open(target, [this](bool opened) { verdicts.push_back(opened); });
  }
  bool verdictsCame(size_t count) {
    return QTest::qWaitFor([&] { return verdicts.size() >= count; }, 20000);
  }

  FakeOpener opener{prefix};
  std::shared_ptr<win::Desktop> desktop = ui::makeDesktop();
  std::vector<bool> verdicts;
};

TEST_F(DesktopTest, TheOpenersVerdictIsHeardWheneverItEnds) {
  struct Case {
    const char* action;  // of the opener once it is let go
    bool opened;
  };
  const Case cases[] = {
      {"exit 3", false},        // no program for that kind of target
      {"exit 4", false},        // the program it ran itself failed
      {"exit 0", true},         // handed over, or the program it ran was closed
      {"kill -KILL $$", true},  // killed, which says nothing about the target
  };
  for (const Case& c : cases) {
    opener.install(c.action);
    verdicts.clear();
    open("http://www.example.org/vortane/");
    // The opener runs on, as a browser it started would: nothing is known yet, and nothing waited for it.
    QCoreApplication::processEvents();
    EXPECT_TRUE(verdicts.empty()) << c.action;
    opener.letGo();
    ASSERT_TRUE(verdictsCame(1)) << c.action;
    EXPECT_EQ(verdicts, std::vector<bool>{c.opened}) << c.action;
  }
}

TEST_F(DesktopTest, WhatNothingCanOpenIsRefusedAtOnce) {
  opener.install("exit 0");
  open("Q:\\MANUAL\\welcome.htm");  // a path on no drive is not handed on
  opener.remove();
  open("http://www.example.org/vortane/");  // no opener on the system
  EXPECT_EQ(verdicts, (std::vector<bool>{false, false}));
  EXPECT_EQ(opener.arguments(), "");
}

TEST_F(DesktopTest, AFileGoesToTheOpenerAsItsHostPathInOneArgument) {
  opener.install("exit 0");
  opener.letGo();
  fs::path manual = prefix.driveC() / "VYST" / "TOVRIK32" / "MANUAL";
  writeFile(manual / "my topic.htm", "<html></html>");
  open("c:\\vyst\\tovrik32\\manual\\MY TOPIC.HTM");
  ASSERT_TRUE(verdictsCame(1));
  open("http://www.example.org/a b");
  ASSERT_TRUE(verdictsCame(2));
  EXPECT_EQ(verdicts, (std::vector<bool>{true, true}));
  EXPECT_EQ(opener.arguments(), (manual / "my topic.htm").string() + "\nhttp://www.example.org/a b\n");
}

}  // namespace
