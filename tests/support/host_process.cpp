#include "support/host_process.h"

#include <QProcess>
#include <QProcessEnvironment>
#include <QStringList>

namespace testing_support {

ProcessResult runToEnd(const std::string& program, const std::vector<std::string>& arguments,
                       const std::map<std::string, std::string>& environment, int timeoutMs) {
  QProcess process;
  QProcessEnvironment variables = QProcessEnvironment::systemEnvironment();
  for (const auto& [name, value] : environment)
    variables.insert(QString::fromStdString(name), QString::fromStdString(value));
  process.setProcessEnvironment(variables);
  process.setProcessChannelMode(QProcess::MergedChannels);
  QStringList args;
  for (const std::string& argument : arguments) args << QString::fromStdString(argument);
  process.start(QString::fromStdString(program), args);
  ProcessResult result;
  if (!process.waitForStarted()) return result;
  if (!process.waitForFinished(timeoutMs)) {
    process.kill();
    process.waitForFinished();
  } else if (process.exitStatus() == QProcess::NormalExit) {
    result.exitCode = process.exitCode();
  }
  result.output = process.readAll().toStdString();
  return result;
}

}  // namespace testing_support
