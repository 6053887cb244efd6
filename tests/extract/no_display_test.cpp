// The wizard started where there is no display to show it on: one line that says so, and status 1.
#include <gtest/gtest.h>

#include <QProcess>
#include <QProcessEnvironment>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "support/temp_prefix.h"

namespace {

constexpr char kNoDisplay[] = "tovrik32: no display; start it from a desktop session or set DISPLAY\n";

struct Outcome {
  int status = -1;
  std::string out, err;
};

// Starts the built program with the session's display variables taken away, then these set.
Outcome startWizard(const std::filesystem::path& prefix, const std::vector<std::pair<QString, QString>>& variables) {
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) environment.remove(name);
  for (const auto& [name, value] : variables) environment.insert(name, value);
  environment.insert("VORTANE_PREFIX", QString::fromStdString(prefix.string()));
  QProcess program;
  program.setProcessEnvironment(environment);
  program.start(VM_TOVRIK32, {});
  Outcome run;
  if (!program.waitForFinished(30000)) {
    program.kill();
    program.waitForFinished();
    return run;
  }
  run.status = program.exitStatus() == QProcess::NormalExit ? program.exitCode() : -1;
  run.out = program.readAllStandardOutput().toStdString();
  run.err = program.readAllStandardError().toStdString();
  return run;
}

}  // namespace

TEST(NoDisplay, WithoutADisplayTheWizardSaysSoInOneLineAndEndsWithStatus1) {
  testing_support::TempPrefix temp;
  std::filesystem::path prefix = temp.root() / "unused";
  Outcome run = startWizard(prefix, {});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, kNoDisplay);
  EXPECT_EQ(run.out, "");
  EXPECT_FALSE(std::filesystem::exists(prefix));  // nothing of the program ran
}

TEST(NoDisplay, ADisplayThatCannotBeReachedEndsTheSameWay) {
  testing_support::TempPrefix temp;
  for (auto variable : {std::pair<QString, QString>{"DISPLAY", ":9999"}, {"WAYLAND_DISPLAY", "wayland-9999"}}) {
    Outcome run = startWizard(temp.root() / "unused", {variable});
    EXPECT_EQ(run.status, 1) << variable.first.toStdString();
    ASSERT_GE(run.err.size(), sizeof kNoDisplay - 1);
    EXPECT_EQ(run.err.substr(run.err.size() - (sizeof kNoDisplay - 1)), kNoDisplay) << run.err;
  }
}
