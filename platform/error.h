#pragma once
// Failures of the platform are typed errors carrying the original system's error numbers, so that a
// caller that ignores errors skips exactly the failing step and the others can report it.
#include <stdexcept>
#include <string>

namespace win {

enum ErrorNumber : int {
  InvalidProcedureCall = 5,
  BadFileNameOrNumber = 52,
  FileNotFound = 53,
  BadFileMode = 54,
  FileAlreadyOpen = 55,
  DeviceIOError = 57,
  FileAlreadyExists = 58,
  DiskFull = 61,
  InputPastEndOfFile = 62,
  BadRecordNumber = 63,
  TooManyFiles = 67,
  DeviceUnavailable = 68,
  PermissionDenied = 70,
  DiskNotReady = 71,
  RenameAcrossDrives = 74,
  PathFileAccessError = 75,
  PathNotFound = 76,
};

class Error : public std::runtime_error {
 public:
  explicit Error(int number, const std::string& detail = {});
  int number() const { return number_; }
  // The system's own wording for the number, such as "File not found".
  static std::string description(int number);

 private:
  int number_;
};

[[noreturn]] void raise(int number, const std::string& detail = {});

// Maps an errno value of a failed host call onto the system's error numbers.
int numberFromErrno(int err);

// Runs one step with errors ignored: a platform error skips the step and reports false.
template <class F>
bool tryStep(F&& step) {
  try {
    step();
    return true;
  } catch (const Error&) {
    return false;
  }
}

}  // namespace win
