#include "files.h"

#include <fcntl.h>
#include <linux/falloc.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <span>

#include "drives.h"
#include "error.h"
#include "folder_listings.h"
#include "host_files.h"
#include "text.h"

namespace fs = std::filesystem;

namespace win {
namespace {

// Bytes per step of a copy that goes through the program: a small buffer for a short copy, a larger one for
// a long copy, where fewer steps pay.
constexpr size_t kBufferedCopy = 32768;
constexpr size_t kLongBufferedCopy = 1 << 20;
constexpr int64_t kPage = 4096;
// Bytes that text input reads at a time: a line costs no reading of its own.
constexpr size_t kReadAhead = 65536;

struct OpenFile {
  Descriptor file;                               // unless it is a replacement
  std::unique_ptr<ReplacementFile> replacement;  // from openReplacement until it is committed
  OpenMode mode = OpenMode::BinaryRead;
  int64_t pos = 0;        // 0-based
  std::string readAhead;  // what text input read from readAheadAt on
  int64_t readAheadAt = 0;
  int fd() const { return replacement ? replacement->fd() : file.get(); }
};

std::map<int, OpenFile>& table() {
  static std::map<int, OpenFile> files;
  return files;
}

OpenFile& fileOf(int number) {
  auto it = table().find(number);
  if (it == table().end()) raise(BadFileNameOrNumber, "#" + std::to_string(number));
  return it->second;
}

bool reads(OpenMode m) {
  return m == OpenMode::BinaryRead || m == OpenMode::BinaryReadWrite || m == OpenMode::BinaryNew ||
         m == OpenMode::Input;
}
bool writes(OpenMode m) { return m != OpenMode::BinaryRead && m != OpenMode::Input; }

// Reads up to n bytes at a position, fewer only where the file ends.
size_t readAt(const OpenFile& f, char* buf, size_t n, int64_t at) {
  size_t got = 0;
  while (got < n) {
    ssize_t r = ::pread(f.fd(), buf + got, n - got, at + static_cast<int64_t>(got));
    if (r < 0) {
      if (errno == EINTR) continue;
      raise(numberFromErrno(errno) == PathFileAccessError ? DeviceIOError : numberFromErrno(errno));
    }
    if (r == 0) break;
    got += static_cast<size_t>(r);
  }
  return got;
}

// Writes n bytes at a position; done counts the bytes written even when it fails. The error number, or 0.
int writeAt(const OpenFile& f, const char* data, size_t n, int64_t at, size_t& done) {
  while (done < n) {
    ssize_t w = ::pwrite(f.fd(), data + done, n - done, at + static_cast<int64_t>(done));
    if (w < 0) {
      if (errno == EINTR) continue;
      return numberFromErrno(errno);
    }
    if (w == 0) return DiskFull;
    done += static_cast<size_t>(w);
  }
  return 0;
}

// Whether text input read the byte at the position ahead: then it is there, without asking the file system.
bool readAheadHolds(const OpenFile& f, int64_t at) {
  return at >= f.readAheadAt && at < f.readAheadAt + static_cast<int64_t>(f.readAhead.size());
}

// The bytes of the file from the position on, none only where the file ends there: from what text input read
// ahead when that holds the position, else read ahead anew.
std::string_view bytesAhead(OpenFile& f, int64_t at) {
  if (!readAheadHolds(f, at)) {
    f.readAhead.resize(kReadAhead);
    f.readAhead.resize(readAt(f, f.readAhead.data(), kReadAhead, at));
    f.readAheadAt = at;
  }
  return std::string_view(f.readAhead).substr(static_cast<size_t>(at - f.readAheadAt));
}

// What the kernel copied at both positions, advancing them; 0 when it refuses or finds nothing.
size_t kernelCopy(OpenFile& source, OpenFile& target, size_t n) {
  off64_t from = source.pos, to = target.pos;
  ssize_t r;
  do r = ::copy_file_range(source.fd(), &from, target.fd(), &to, n, 0);
  while (r < 0 && errno == EINTR);
  if (r <= 0) return 0;
  source.pos += r;
  target.pos += r;
  return static_cast<size_t>(r);
}

// One buffer's worth through the program; on a failed write both positions have moved by what was written.
size_t bufferedCopy(OpenFile& source, OpenFile& target, size_t n, std::span<char> buffer) {
  const size_t got = readAt(source, buffer.data(), std::min(n, buffer.size()), source.pos);
  size_t done = 0;
  const int failure = writeAt(target, buffer.data(), got, target.pos, done);
  source.pos += static_cast<int64_t>(done);
  target.pos += static_cast<int64_t>(done);
  if (failure) raise(failure);
  return got;
}

struct SplitPattern {
  std::string directory;  // as given, possibly empty or a bare "D:"
  std::string name;
};

SplitPattern splitPattern(std::string_view pattern) {
  size_t cut = std::string_view::npos;
  for (size_t i = 0; i < pattern.size(); ++i)
    if (isPathSeparator(pattern[i])) cut = i;
  if (cut == std::string_view::npos) {
    if (pattern.size() >= 2 && pattern[1] == ':')
      return {std::string(pattern.substr(0, 2)), std::string(pattern.substr(2))};
    return {"", std::string(pattern)};
  }
  return {std::string(pattern.substr(0, cut + 1)), std::string(pattern.substr(cut + 1))};
}

struct Entry {
  std::string name;
  fs::path host;
  bool directory;
};

std::vector<Entry> listHost(std::string_view winDir, bool* exists = nullptr) {
  std::vector<Entry> out;
  fs::path dir = drives().toHost(winDir.empty() ? std::string_view(".") : winDir);
  std::error_code ec;
  bool isDir = fs::is_directory(dir, ec);
  if (exists) *exists = isDir;
  if (!isDir) return out;
  for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
    fs::path name = it->path().filename();
    if (name.string().starts_with(".")) continue;
    auto ansi = windowsNameOf(name);
    if (!ansi) continue;
    std::error_code sec;
    auto st = fs::status(it->path(), sec);
    if (sec) continue;
    if (fs::is_directory(st))
      out.push_back({*ansi, it->path(), true});
    else if (fs::is_regular_file(st))
      out.push_back({*ansi, it->path(), false});
  }
  std::sort(out.begin(), out.end(), [](const Entry& a, const Entry& b) { return lessNoCase(a.name, b.name); });
  return out;
}

bool matchFrom(std::string_view p, std::string_view n) {
  while (!p.empty()) {
    if (p[0] == '*') {
      while (!p.empty() && p[0] == '*') p.remove_prefix(1);
      if (p.empty()) return true;
      for (size_t i = 0; i <= n.size(); ++i)
        if (matchFrom(p, n.substr(i))) return true;
      return false;
    }
    if (n.empty()) return false;
    if (p[0] != '?' && foldCase(p[0]) != foldCase(n[0])) return false;
    p.remove_prefix(1);
    n.remove_prefix(1);
  }
  return n.empty();
}

// A name without wildcards matches the names equal to it without regard to case, except one ending in "."
// (which also matches the name without it).
bool namesOneFile(std::string_view name) {
  return !name.empty() && name.find_first_of("*?") == std::string_view::npos && name.back() != '.';
}

// What listHost gives for a name without wildcards, found in the folder's kept listing instead of a scan.
std::vector<Entry> entriesNamed(std::string_view winDir, std::string_view name) {
  std::vector<Entry> out;
  const fs::path dir = drives().toHost(winDir.empty() ? std::string_view(".") : winDir);
  for (const Spelling& spelling : spellingsIn(dir, name)) {
    if (spelling.hostName.string().starts_with(".")) continue;
    std::error_code ec;
    const fs::path host = dir / spelling.hostName;
    const auto st = fs::status(host, ec);
    if (!ec && (fs::is_directory(st) || fs::is_regular_file(st)))
      out.push_back({spelling.windowsName, host, fs::is_directory(st)});
  }
  std::sort(out.begin(), out.end(), [](const Entry& a, const Entry& b) { return lessNoCase(a.name, b.name); });
  return out;
}

// The files and directories of the pattern's directory that its name matches.
std::vector<Entry> matchingEntries(const SplitPattern& sp) {
  if (namesOneFile(sp.name)) return entriesNamed(sp.directory, sp.name);
  std::vector<Entry> entries;
  for (auto& e : listHost(sp.directory))
    if (wildcardMatch(sp.name, e.name)) entries.push_back(std::move(e));
  return entries;
}

// The normal files of the pattern's directory that its name matches.
std::vector<Entry> matchingFiles(const SplitPattern& sp) {
  std::vector<Entry> files = matchingEntries(sp);
  std::erase_if(files, [](const Entry& e) { return e.directory; });
  return files;
}

int unlinkError(int err) {
  return err == EACCES || err == EPERM || err == EROFS ? PathFileAccessError : numberFromErrno(err);
}

// The system's names ignore case, so a folder holds one file of a name: once the file is in place, other
// spellings of its name (left by a host program) go, and nobody can open an older one instead.
void removeOtherSpellings(const fs::path& kept) {
  auto keptName = windowsNameOf(kept.filename());
  if (!keptName) return;
  for (const Spelling& spelling : spellingsIn(kept.parent_path(), *keptName)) {
    if (spelling.hostName == kept.filename()) continue;
    const fs::path other = kept.parent_path() / spelling.hostName;
    std::error_code ec;
    if (fs::is_directory(fs::symlink_status(other, ec))) continue;
    if (::unlink(other.c_str()) != 0) raise(PathFileAccessError, other.string());
  }
}

void checkFreeNumber(int number) {
  if (number < 1 || number > 511) raise(BadFileNameOrNumber, "#" + std::to_string(number));
  if (table().count(number)) raise(FileAlreadyOpen, "#" + std::to_string(number));
}

// The identity of the directory at a host path, links followed; nothing when no directory is there.
std::optional<struct stat> directoryAt(const fs::path& host) {
  struct stat st {};
  if (::stat(host.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) return std::nullopt;
  return st;
}

// Also nothing for a path that cannot be mapped.
std::optional<struct stat> directoryAt(std::string_view winPath) {
  try {
    return directoryAt(drives().toHost(winPath));
  } catch (const Error&) {
    return std::nullopt;
  }
}

bool isDirectoryAt(const struct stat& directory, const fs::path& host) {
  auto there = directoryAt(host);
  return there && there->st_dev == directory.st_dev && there->st_ino == directory.st_ino;
}

bool isDriveRoot(const fs::path& host) {
  auto directory = directoryAt(host);
  if (!directory) return false;
  for (char letter : drives().letters())
    if (isDirectoryAt(*directory, *drives().root(letter))) return true;
  return false;
}

}  // namespace

bool wildcardMatch(std::string_view pattern, std::string_view name) {
  if (pattern.empty()) return false;
  if (pattern == "*.*" || pattern == "*") return true;
  if (pattern.size() >= 2 && pattern.substr(pattern.size() - 2) == ".*" && name.find('.') == std::string_view::npos &&
      matchFrom(pattern.substr(0, pattern.size() - 2), name))
    return true;
  if (pattern.back() == '.' && name.find('.') == std::string_view::npos)
    return matchFrom(pattern.substr(0, pattern.size() - 1), name);
  return matchFrom(pattern, name);
}

int freeFile() {
  for (int n = 1; n <= 255; ++n)
    if (!table().count(n)) return n;
  raise(TooManyFiles);
}

void openFile(int number, std::string_view path, OpenMode mode) {
  checkFreeNumber(number);
  fs::path host = drives().toHost(path);
  // Every mode that writes refuses a link at the name: a link planted there is never written through.
  int flags = O_CLOEXEC;
  switch (mode) {
    case OpenMode::BinaryRead:
    case OpenMode::Input: flags |= O_RDONLY; break;
    case OpenMode::BinaryReadWrite: flags |= O_RDWR | O_CREAT | O_NOFOLLOW; break;
    case OpenMode::BinaryNew: flags |= O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW; break;
    case OpenMode::Output: flags |= O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW; break;
    case OpenMode::Append: flags |= O_WRONLY | O_CREAT | O_NOFOLLOW; break;
  }
  Descriptor file(::open(host.c_str(), flags, 0666));
  if (!file.valid() && errno == EEXIST) raise(FileAlreadyExists, host.string());
  if (!file.valid() && errno == ELOOP) raise(PathFileAccessError, host.string() + " is a link");
  if (!file.valid()) raiseHostError(errno, host);
  struct stat st {};
  if (::fstat(file.get(), &st) == 0 && S_ISDIR(st.st_mode)) raise(PathFileAccessError, host.string());
  int64_t pos = mode == OpenMode::Append ? st.st_size : 0;
  OpenFile& opened = table()[number];
  opened.file = std::move(file);
  opened.mode = mode;
  opened.pos = pos;
}

void openReplacement(int number, std::string_view path) {
  checkFreeNumber(number);
  const fs::path host = drives().toHost(path);
  auto file = std::make_unique<ReplacementFile>(host);
  if (!file->created()) raiseHostError(file->error(), host);
  OpenFile& opened = table()[number];
  opened.replacement = std::move(file);
  opened.mode = OpenMode::BinaryNew;
}

void commitReplacement(int number) {
  OpenFile& f = fileOf(number);
  if (!f.replacement) raise(BadFileMode);
  const std::unique_ptr<ReplacementFile> file = std::move(f.replacement);
  table().erase(number);
  if (!file->commit(Sync::Later)) raise(numberFromErrno(file->error()), file->path().string());
  removeOtherSpellings(file->path());
}

void closeFile(int number) { table().erase(number); }

void closeAllFiles() { table().clear(); }

bool isOpen(int number) { return table().count(number) != 0; }

ScopedFile::ScopedFile(std::string_view path, OpenMode mode) : number_(freeFile()) { openFile(number_, path, mode); }

ScopedFile::~ScopedFile() { closeFile(number_); }

size_t getBytes(int number, void* buf, size_t n) {
  OpenFile& f = fileOf(number);
  if (!reads(f.mode)) raise(BadFileMode);
  auto* out = static_cast<char*>(buf);
  const size_t got = readAt(f, out, n, f.pos);
  if (got < n) std::memset(out + got, 0, n - got);
  f.pos += static_cast<int64_t>(n);
  return got;
}

int32_t getLong(int number) {
  unsigned char b[4];
  getBytes(number, b, 4);
  uint32_t v = uint32_t(b[0]) | (uint32_t(b[1]) << 8) | (uint32_t(b[2]) << 16) | (uint32_t(b[3]) << 24);
  return static_cast<int32_t>(v);
}

void putBytes(int number, const void* buf, size_t n) {
  OpenFile& f = fileOf(number);
  if (!writes(f.mode)) raise(PathFileAccessError, "file is open for reading");
  size_t done = 0;
  const int failure = writeAt(f, static_cast<const char*>(buf), n, f.pos, done);
  f.pos += static_cast<int64_t>(done);
  if (failure) raise(failure);
}

void reserveBytes(int number, int64_t n) {
  OpenFile& f = fileOf(number);
  if (n > 0 && writes(f.mode)) ::fallocate(f.fd(), FALLOC_FL_KEEP_SIZE, f.pos, n);
}

size_t copyBytes(int in, int out, size_t n) {
  OpenFile& source = fileOf(in);
  OpenFile& target = fileOf(out);
  if (!reads(source.mode)) raise(BadFileMode);
  if (!writes(target.mode)) raise(PathFileAccessError, "file is open for reading");
  size_t copied = 0;
  // When the two positions lie at different places within a page (a part of a file at an odd offset, such as
  // an archive entry's data or a movie in a library), the kernel's copy is slower than reading and writing
  // 1 MiB at a time, but faster than a read and a write of one short buffer.
  bool inKernel = (source.pos - target.pos) % kPage == 0 || n <= kBufferedCopy;
  // One buffer for every copy: a copy made block by block would otherwise allocate and clear one per block.
  static std::vector<char> buffers;
  std::span<char> buffer;
  while (copied < n) {
    const size_t left = n - copied;
    size_t step = inKernel ? kernelCopy(source, target, left) : 0;
    if (step == 0) {
      // Refused, or nothing found to copy: a read tells the end of the input from a kernel that cannot
      // copy this pair (some special files even look empty to it), and gives the read's error numbers.
      inKernel = false;
      if (buffer.empty()) {
        const size_t size = n > kLongBufferedCopy ? kLongBufferedCopy : kBufferedCopy;
        if (buffers.size() < size) buffers.resize(size);
        buffer = std::span<char>(buffers.data(), size);
      }
      step = bufferedCopy(source, target, left, buffer);
      if (step < std::min(left, buffer.size())) return copied + step;  // the read found the end
    }
    copied += step;
  }
  return copied;
}

void putLong(int number, int32_t value) {
  auto v = static_cast<uint32_t>(value);
  unsigned char b[4] = {static_cast<unsigned char>(v), static_cast<unsigned char>(v >> 8),
                        static_cast<unsigned char>(v >> 16), static_cast<unsigned char>(v >> 24)};
  putBytes(number, b, 4);
}

int64_t seek(int number) { return fileOf(number).pos + 1; }

void seek(int number, int64_t position) {
  OpenFile& f = fileOf(number);
  if (position < 1) raise(BadRecordNumber);
  f.pos = position - 1;
}

int64_t lof(int number) {
  OpenFile& f = fileOf(number);
  struct stat st {};
  if (::fstat(f.fd(), &st) != 0) raise(DeviceIOError);
  return st.st_size;
}

bool eof(int number) {
  const OpenFile& f = fileOf(number);
  return !readAheadHolds(f, f.pos) && f.pos >= lof(number);
}

std::string lineInput(int number) {
  OpenFile& f = fileOf(number);
  if (!reads(f.mode)) raise(BadFileMode);
  if (!readAheadHolds(f, f.pos) && f.pos >= lof(number)) raise(InputPastEndOfFile);
  std::string line;
  for (;;) {
    const std::string_view rest = bytesAhead(f, f.pos);
    if (rest.empty()) return line;
    const size_t end = rest.find('\r');
    line.append(rest.substr(0, end));
    if (end == std::string_view::npos) {
      f.pos += static_cast<int64_t>(rest.size());
      continue;
    }
    f.pos += static_cast<int64_t>(end) + 1;
    if (bytesAhead(f, f.pos).starts_with('\n')) f.pos += 1;
    return line;
  }
}

void printText(int number, std::string_view text) { putBytes(number, text.data(), text.size()); }

void printLine(int number, std::string_view text) {
  printText(number, text);
  putBytes(number, "\r\n", 2);
}

std::vector<std::string> dirSearch(std::string_view pattern, Search what) {
  std::vector<std::string> out;
  if (pattern.empty()) return out;
  SplitPattern sp = splitPattern(pattern);
  if (sp.name.empty()) sp.name = "*";
  for (auto& e : matchingEntries(sp))
    if (!e.directory || what == Search::FilesAndDirectories) out.push_back(e.name);
  return out;
}

std::vector<std::string> subdirectories(std::string_view directory) {
  std::vector<std::string> out;
  for (auto& e : listHost(directory))
    if (e.directory) out.push_back(e.name);
  return out;
}

bool directoryExists(std::string_view path) {
  try {
    std::error_code ec;
    return fs::is_directory(drives().toHost(path), ec);
  } catch (const Error&) {
    return false;
  }
}

void kill(std::string_view pattern) {
  SplitPattern sp = splitPattern(pattern);
  if (sp.name.empty()) raise(FileNotFound, toUtf8(pattern));
  bool any = false;
  for (auto& e : matchingFiles(sp)) {
    if (::unlink(e.host.c_str()) != 0) raise(unlinkError(errno), e.host.string());
    any = true;
  }
  if (!any) raise(FileNotFound, toUtf8(pattern));
}

std::vector<std::string> killEach(std::string_view pattern,
                                  const std::function<bool(const std::string& winPath)>& spare) {
  SplitPattern sp = splitPattern(pattern);
  std::vector<std::string> kept;
  if (sp.name.empty()) return kept;
  for (auto& e : matchingFiles(sp)) {
    std::string path = sp.directory + e.name;
    if (spare && spare(path)) continue;
    if (::unlink(e.host.c_str()) != 0) kept.push_back(std::move(path));
  }
  return kept;
}

void removeFile(std::string_view path) {
  fs::path host = drives().toHost(path);
  struct stat st {};
  if (::lstat(host.c_str(), &st) != 0) raise(FileNotFound, host.string());
  if (S_ISDIR(st.st_mode)) raise(PathFileAccessError, host.string());
  if (::unlink(host.c_str()) != 0) raise(PathFileAccessError, host.string());
}

void mkDir(std::string_view path) {
  fs::path host = drives().toHost(path);
  if (::mkdir(host.c_str(), 0777) != 0) {
    if (errno == EEXIST) raise(PathFileAccessError, host.string());
    if (errno == ENOENT || errno == ENOTDIR) raise(PathNotFound, host.string());
    raise(errno == EACCES || errno == EROFS || errno == EPERM ? PathFileAccessError : numberFromErrno(errno),
          host.string());
  }
}

void rmDir(std::string_view path) {
  fs::path host = drives().toHost(path);
  if (isDriveRoot(host)) raise(PathFileAccessError, host.string() + " is the root of a drive");
  if (::rmdir(host.c_str()) != 0) {
    if (errno == ENOENT || errno == ENOTDIR) raise(PathNotFound, host.string());
    raise(PathFileAccessError, host.string());
  }
}

void fileCopy(std::string_view from, std::string_view to) { copyHostFile(drives().toHost(from), drives().toHost(to)); }

void moveOrCopyFile(std::string_view from, std::string_view to) {
  fs::path src = drives().toHost(from);
  fs::path dst = drives().toHost(to);
  struct stat st {};
  if (::lstat(src.c_str(), &st) != 0) raiseHostError(errno, src);
  // Only a regular file is moved: a link is copied, so the target never becomes a link.
  if (S_ISREG(st.st_mode)) {
    if (::rename(src.c_str(), dst.c_str()) == 0) return;
    if (errno != EXDEV) raiseHostError(errno, dst);
  }
  copyHostFile(src, dst);
  if (::unlink(src.c_str()) != 0) raiseHostError(errno, src);
}

int64_t fileLen(std::string_view path) {
  fs::path host = drives().toHost(path);
  struct stat st {};
  if (::stat(host.c_str(), &st) != 0) raiseHostError(errno, host);
  if (S_ISDIR(st.st_mode)) raise(FileNotFound, host.string());
  return st.st_size;
}

void name(std::string_view from, std::string_view to) {
  fs::path src = drives().toHost(from);
  fs::path dst = drives().toHost(to);
  struct stat source {};
  struct stat target {};
  if (::lstat(src.c_str(), &source) != 0) raise(FileNotFound, src.string());
  // A link at the target, even one leading nowhere, holds the name.
  if (::lstat(dst.c_str(), &target) == 0 && (source.st_dev != target.st_dev || source.st_ino != target.st_ino))
    raise(FileAlreadyExists, dst.string());
  if (::rename(src.c_str(), dst.c_str()) != 0)
    raise(errno == EXDEV ? RenameAcrossDrives : PathFileAccessError, dst.string());
}

void replaceFile(std::string_view from, std::string_view to) {
  fs::path src = drives().toHost(from);
  fs::path dst = drives().toHost(to);
  if (::rename(src.c_str(), dst.c_str()) != 0) raiseHostError(errno, src);
  removeOtherSpellings(dst);
}

bool entryExists(std::string_view path) {
  struct stat st {};
  return ::lstat(drives().toHost(path).c_str(), &st) == 0;
}

bool sameFile(std::string_view a, std::string_view b) {
  struct stat sa {
  }, sb{};
  if (::stat(drives().toHost(a).c_str(), &sa) != 0 || ::stat(drives().toHost(b).c_str(), &sb) != 0) return false;
  return S_ISREG(sa.st_mode) && sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
}

bool sameDirectory(std::string_view a, std::string_view b) {
  auto first = directoryAt(a);
  auto second = directoryAt(b);
  return first && second && first->st_dev == second->st_dev && first->st_ino == second->st_ino;
}

bool holdsHostFolder(std::string_view directory, const fs::path& hostFolder) {
  auto holder = directoryAt(directory);
  std::error_code named, real;
  // With a link on the way, both the folders above the name and those above its real place hold it.
  const fs::path paths[] = {fs::absolute(hostFolder, named).lexically_normal(), fs::canonical(hostFolder, real)};
  if (!holder || hostFolder.empty() || named || real) return false;
  for (const fs::path& path : paths)
    for (fs::path folder = path;; folder = folder.parent_path()) {
      if (isDirectoryAt(*holder, folder)) return true;
      if (folder == folder.parent_path()) break;
    }
  return false;
}

bool syncFileSystems(const std::vector<std::string>& paths) {
  std::set<dev_t> synced;
  bool written = true;
  for (const std::string& path : paths) {
    fs::path host;
    if (!tryStep([&] { host = drives().toHost(path); })) continue;
    Descriptor entry(::open(host.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    struct stat st {};
    if (!entry.valid() || ::fstat(entry.get(), &st) != 0 || !synced.insert(st.st_dev).second) continue;
    written = ::syncfs(entry.get()) == 0 && written;
  }
  return written;
}

}  // namespace win
