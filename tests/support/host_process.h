#pragma once
// Host programs that a test runs as processes of their own, such as the build's tools and programs.
#include <map>
#include <string>
#include <vector>

namespace testing_support {

struct ProcessResult {
  int exitCode = -1;   // -1 when it could not start, crashed or ran out of time (and was killed)
  std::string output;  // standard output and error, merged
};

// Runs a program to its end, at most timeoutMs, with these variables added to the test's environment.
ProcessResult runToEnd(const std::string& program, const std::vector<std::string>& arguments,
                       const std::map<std::string, std::string>& environment, int timeoutMs = 120000);

}  // namespace testing_support
