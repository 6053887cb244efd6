#pragma once
// Host files beneath the Windows paths: an owning descriptor, and the one way every file is written whole
// (ReplacementFile). The bytes go into a file created new under a temporary name that nobody can guess, in
// the target's own folder, which then replaces the target by a rename. A link planted under any name in the
// folder is never written through, and a failed write changes nothing.
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace win {

// An open host file descriptor, closed when it goes out of scope.
class Descriptor {
 public:
  Descriptor() = default;
  explicit Descriptor(int fd) : fd_(fd) {}
  ~Descriptor();
  Descriptor(Descriptor&& other) noexcept : fd_(other.fd_) { other.fd_ = -1; }
  Descriptor& operator=(Descriptor&& other) noexcept;
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;

  int get() const { return fd_; }
  bool valid() const { return fd_ >= 0; }
  // Closes now; false (errno set) when the close reports an error, which for a written file means that
  // its bytes may not have reached the disk.
  bool close();

 private:
  int fd_ = -1;
};

// ".~" and eight random hex digits: appended to a file name, a temporary name nobody can guess.
std::string randomNameSuffix();

// When the bytes of a committed file are made to reach the disk.
enum class Sync {
  // Synced before the file takes its name: a file that is a record by itself, such as a settings file, a
  // drive map or a shortcut, small and written one at a time.
  BeforeRename,
  // Left to the system's writeback: one of many files whose writer syncs their file systems once when all are
  // in place (the install run, before it records the module: syncFileSystems in files.h), or an output that
  // nothing records (the wizard's movies, file copies). A sync per file would cost more than the copy itself
  // for many small files.
  Later,
};

// A file that is to replace the file named path: created new and exclusively (O_CREAT | O_EXCL |
// O_NOFOLLOW) beside path under a temporary name, retried when the name is taken, and removed again
// unless commit() puts it in place. The temporary name is new, so creating it needs no look at the folder.
class ReplacementFile {
 public:
  explicit ReplacementFile(std::filesystem::path path);
  ~ReplacementFile();
  ReplacementFile(const ReplacementFile&) = delete;
  ReplacementFile& operator=(const ReplacementFile&) = delete;

  bool created() const { return file_.valid(); }  // when not, error() tells why
  int fd() const { return file_.get(); }
  int error() const { return error_; }  // errno of the step that failed
  const std::filesystem::path& path() const { return path_; }

  // Gives the file the permission bits of a regular file at path, syncs it when asked, closes it (a close
  // that reports an error fails) and renames it over path, which is replaced whatever it was: a link there
  // is replaced, not followed. False when a step fails (see error()); the temporary file is then removed and
  // path is as it was.
  bool commit(Sync sync);

 private:
  bool fail();
  std::filesystem::path path_;
  std::filesystem::path temporary_;
  Descriptor file_;
  int error_ = 0;
};

// Writes all the bytes at the descriptor's position, going on after short writes; false (errno set) when a
// write fails.
bool writeAll(int fd, std::string_view bytes);

// Replaces path by a file holding bytes (a ReplacementFile, synced before the rename). False when it cannot
// be written or renamed.
bool replaceWholeFile(const std::filesystem::path& path, std::string_view bytes);

// The bytes of the regular file at path, read without following a link there; nullopt when path names
// no regular file (nothing, a link, a directory) or it cannot be read.
std::optional<std::string> readRegularFile(const std::filesystem::path& path);

// Copies the file from (a link there is followed) into a ReplacementFile for to (Sync::Later). Raises
// win::Error: 53 or 76 when from is missing, 75 when to cannot be created (its folder missing: 76), the error
// of a failed read, write or close otherwise; to is then as it was. Copying a file onto itself leaves it as
// it was.
void copyHostFile(const std::filesystem::path& from, const std::filesystem::path& to);

// Raises the system's error for a failed host call on path: 53 when the file is missing, 76 when its folder
// is, 75 for a directory, else as numberFromErrno maps err.
[[noreturn]] void raiseHostError(int err, const std::filesystem::path& path);

}  // namespace win
