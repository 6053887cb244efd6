#include "platform/host_files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstdio>
#include <random>

#include "platform/error.h"

namespace fs = std::filesystem;

namespace win {
namespace {

constexpr int kAttempts = 100;

// The count read, 0 at the end, or -1 with errno set.
ssize_t readSome(int fd, char* buffer, size_t size) {
  for (;;) {
    ssize_t r = ::read(fd, buffer, size);
    if (r >= 0 || errno != EINTR) return r;
  }
}

}  // namespace

Descriptor::~Descriptor() {
  if (fd_ >= 0) ::close(fd_);
}

Descriptor& Descriptor::operator=(Descriptor&& other) noexcept {
  if (this != &other) {
    if (fd_ >= 0) ::close(fd_);
    fd_ = other.fd_;
    other.fd_ = -1;
  }
  return *this;
}

bool Descriptor::close() {
  int fd = fd_;
  fd_ = -1;
  return fd < 0 || ::close(fd) == 0;
}

bool writeAll(int fd, std::string_view bytes) {
  for (size_t done = 0; done < bytes.size();) {
    ssize_t w = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (w < 0 && errno == EINTR) continue;
    if (w == 0) errno = ENOSPC;
    if (w <= 0) return false;
    done += static_cast<size_t>(w);
  }
  return true;
}

std::string randomNameSuffix() {
  static std::random_device source;
  char suffix[16];
  std::snprintf(suffix, sizeof suffix, ".~%08x", static_cast<unsigned>(source()));
  return suffix;
}

ReplacementFile::ReplacementFile(fs::path path) : path_(std::move(path)) {
  for (int attempt = 0; attempt < kAttempts; ++attempt) {
    temporary_ = path_.parent_path() / (path_.filename().string() + randomNameSuffix());
    file_ = Descriptor(::open(temporary_.c_str(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666));
    if (file_.valid() || errno != EEXIST) break;
  }
  if (!file_.valid()) {
    error_ = errno;
    temporary_.clear();
  }
}

ReplacementFile::~ReplacementFile() {
  if (file_.valid()) fail();
}

bool ReplacementFile::commit(Sync sync) {
  if (!file_.valid()) return false;
  struct stat st {};
  if (::lstat(path_.c_str(), &st) == 0 && S_ISREG(st.st_mode)) ::fchmod(file_.get(), st.st_mode & 07777);
  if ((sync == Sync::BeforeRename && ::fsync(file_.get()) != 0) || !file_.close() ||
      ::rename(temporary_.c_str(), path_.c_str()) != 0)
    return fail();
  temporary_.clear();
  return true;
}

bool ReplacementFile::fail() {
  error_ = errno;
  file_.close();
  ::unlink(temporary_.c_str());
  temporary_.clear();
  errno = error_;
  return false;
}

bool replaceWholeFile(const fs::path& path, std::string_view bytes) {
  ReplacementFile file(path);
  if (!file.created()) return false;
  return writeAll(file.fd(), bytes) && file.commit(Sync::BeforeRename);
}

std::optional<std::string> readRegularFile(const fs::path& path) {
  Descriptor file(::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC));
  struct stat st {};
  if (!file.valid() || ::fstat(file.get(), &st) != 0 || !S_ISREG(st.st_mode)) return std::nullopt;
  std::string bytes;
  std::array<char, 65536> buffer;
  for (ssize_t r; (r = readSome(file.get(), buffer.data(), buffer.size())) != 0;) {
    if (r < 0) return std::nullopt;
    bytes.append(buffer.data(), static_cast<size_t>(r));
  }
  return bytes;
}

void copyHostFile(const fs::path& from, const fs::path& to) {
  Descriptor in(::open(from.c_str(), O_RDONLY | O_CLOEXEC));
  if (!in.valid()) raiseHostError(errno, from);
  ReplacementFile out(to);
  if (!out.created()) {
    int err = out.error();
    if (err == ENOENT || err == ENOTDIR) raise(PathNotFound, to.string());
    raise(err == EACCES || err == EPERM || err == EROFS ? PathFileAccessError : numberFromErrno(err), to.string());
  }
  std::array<char, 65536> buffer;
  for (ssize_t r; (r = readSome(in.get(), buffer.data(), buffer.size())) != 0;) {
    if (r < 0) raiseHostError(errno, from);
    if (!writeAll(out.fd(), std::string_view(buffer.data(), static_cast<size_t>(r))))
      raise(numberFromErrno(errno), to.string());
  }
  if (!out.commit(Sync::Later)) raise(numberFromErrno(out.error()), to.string());
}

[[noreturn]] void raiseHostError(int err, const fs::path& path) {
  std::error_code ec;
  if (err == ENOENT) raise(fs::is_directory(path.parent_path(), ec) ? FileNotFound : PathNotFound, path.string());
  if (err == EISDIR) raise(PathFileAccessError, path.string());
  raise(numberFromErrno(err), path.string());
}

}  // namespace win
