#include "platform/host_files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <random>

namespace fs = std::filesystem;

namespace win {
namespace {

constexpr int kAttempts = 100;

bool writeAll(int fd, std::string_view bytes) {
  for (size_t done = 0; done < bytes.size();) {
    ssize_t w = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (w < 0 && errno == EINTR) continue;
    if (w <= 0) return false;
    done += static_cast<size_t>(w);
  }
  return true;
}

}  // namespace

std::string randomNameSuffix() {
  static std::random_device source;
  char suffix[16];
  std::snprintf(suffix, sizeof suffix, ".~%08x", static_cast<unsigned>(source()));
  return suffix;
}

int createTemporaryBeside(const fs::path& path, fs::path& temporary) {
  for (int attempt = 0; attempt < kAttempts; ++attempt) {
    temporary = path.parent_path() / (path.filename().string() + randomNameSuffix());
    int fd = ::open(temporary.c_str(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  errno = EEXIST;
  return -1;
}

bool replaceWholeFile(const fs::path& path, std::string_view bytes) {
  fs::path temporary;
  int fd = createTemporaryBeside(path, temporary);
  if (fd < 0) return false;
  bool ok = writeAll(fd, bytes);
  struct stat st {};
  if (::lstat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode)) ::fchmod(fd, st.st_mode & 07777);
  ok = ::fsync(fd) == 0 && ok;
  ok = ::close(fd) == 0 && ok;
  if (!ok || ::rename(temporary.c_str(), path.c_str()) != 0) {
    ::unlink(temporary.c_str());
    return false;
  }
  return true;
}

}  // namespace win
