#include "error.h"

#include <cerrno>

namespace win {

std::string Error::description(int number) {
  switch (number) {
    case InvalidProcedureCall: return "Invalid procedure call or argument";
    case BadFileNameOrNumber: return "Bad file name or number";
    case FileNotFound: return "File not found";
    case BadFileMode: return "Bad file mode";
    case FileAlreadyOpen: return "File already open";
    case DeviceIOError: return "Device I/O error";
    case FileAlreadyExists: return "File already exists";
    case DiskFull: return "Disk full";
    case InputPastEndOfFile: return "Input past end of file";
    case BadRecordNumber: return "Bad record number";
    case TooManyFiles: return "Too many files";
    case DeviceUnavailable: return "Device unavailable";
    case PermissionDenied: return "Permission denied";
    case DiskNotReady: return "Disk not ready";
    case RenameAcrossDrives: return "Can't rename with different drive";
    case PathFileAccessError: return "Path/File access error";
    case PathNotFound: return "Path not found";
    default: return "Application-defined or object-defined error";
  }
}

Error::Error(int number, const std::string& detail)
    : std::runtime_error(detail.empty() ? description(number) : description(number) + ": " + detail), number_(number) {}

void raise(int number, const std::string& detail) { throw Error(number, detail); }

int numberFromErrno(int err) {
  switch (err) {
    case ENOENT: return FileNotFound;
    case ENOTDIR: return PathNotFound;
    case EACCES:
    case EPERM:
    case EROFS: return PermissionDenied;
    case ENOSPC:
    case EDQUOT:
    case EFBIG: return DiskFull;
    case EEXIST: return FileAlreadyExists;
    case EMFILE:
    case ENFILE: return TooManyFiles;
    case EIO: return DeviceIOError;
    case ENXIO:
    case ENODEV: return DeviceUnavailable;
    default: return PathFileAccessError;
  }
}

}  // namespace win
