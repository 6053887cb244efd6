// The programs started where there is no display to show them on: one line that says so, and status 1.
#include <gtest/gtest.h>

#include <QProcess>
#include <QProcessEnvironment>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "support/temp_prefix.h"

namespace {

struct Program {
  const char* file;
  std::string line;  // what it says
};
const Program kPrograms[] = {
    {VM_TOVRIK32, "tovrik32: no display; start it from a desktop session or set DISPLAY\n"},
    {VM_QRW32, "qrw32: no display; start it from a desktop session or set DISPLAY\n"},
};

struct Outcome {
  int status = -1;
  std::string out, err;
};

// Starts the built program with the session's display variables taken away, then these set.
Outcome start(const char* file, const std::filesystem::path& prefix,
              const std::vector<std::pair<QString, QString>>& variables) {
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) environment.remove(name);
  for (const auto& [name, value] : variables) environment.insert(name, value);
  environment.insert("VORTANE_PREFIX", QString::fromStdString(prefix.string()));
  QProcess program;
  program.setProcessEnvironment(environment);
  program.start(file, {});
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

TEST(NoDisplay, WithoutADisplayAProgramSaysSoInOneLineAndEndsWithStatus1) {
  testing_support::TempPrefix temp;
  std::filesystem::path prefix = temp.root() / "unused";
  for (const Program& p : kPrograms) {
    Outcome run = start(p.file, prefix, {});
    EXPECT_EQ(run.status, 1) << p.file;
    EXPECT_EQ(run.err, p.line);
    EXPECT_EQ(run.out, "") << p.file;
  }
  EXPECT_FALSE(std::filesystem::exists(prefix));  // nothing of the programs ran
}

TEST(NoDisplay, ADisplayThatCannotBeReachedEndsTheSameWay) {
  testing_support::TempPrefix temp;
  for (const Program& p : kPrograms) {
    for (auto variable : {std::pair<QString, QString>{"DISPLAY", ":9999"}, {"WAYLAND_DISPLAY", "wayland-9999"}}) {
      Outcome run = start(p.file, temp.root() / "unused", {variable});
      EXPECT_EQ(run.status, 1) << p.file << " " << variable.first.toStdString();
      ASSERT_GE(run.err.size(), p.line.size());
      EXPECT_EQ(run.err.substr(run.err.size() - p.line.size()), p.line) << run.err;
    }
  }
}
