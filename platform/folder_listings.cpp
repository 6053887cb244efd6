#include "platform/folder_listings.h"

#include <dirent.h>
#include <fcntl.h>
#include <limits.h>
#include <linux/magic.h>
#include <pthread.h>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <sys/vfs.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <unordered_set>

#include "platform/drives.h"
#include "platform/host_files.h"
#include "platform/text.h"

namespace fs = std::filesystem;

namespace win {
namespace {

// Enough for the folders one step of a program works in (an archive's temporary folder, a target, its parents).
constexpr size_t kKeptFolders = 8;
// What changes the names of a folder. The kernel adds IN_IGNORED when a watch ends (the folder deleted or its
// file system unmounted) and IN_Q_OVERFLOW when reports were lost.
constexpr uint32_t kNameChanges = IN_CREATE | IN_DELETE | IN_MOVED_FROM | IN_MOVED_TO | IN_ONLYDIR;

// Local file systems, whose every change passes through this kernel and so is reported; folders elsewhere
// (network, FUSE, /proc and the like) are never kept.
constexpr std::array<uint64_t, 14> kReportingFileSystems = {
    EXT4_SUPER_MAGIC,     XFS_SUPER_MAGIC,           BTRFS_SUPER_MAGIC,      TMPFS_MAGIC,          F2FS_SUPER_MAGIC,
    0x2FC12FC1 /* zfs */, 0xCA451A4E /* bcachefs */, 0x3153464A /* jfs */,   ISOFS_SUPER_MAGIC,    UDF_SUPER_MAGIC,
    MSDOS_SUPER_MAGIC,    EXFAT_SUPER_MAGIC,         0x7366746E /* ntfs3 */, OVERLAYFS_SUPER_MAGIC};

// The Windows name of a host name that has one, in upper case.
std::string foldedWindowsName(const std::string& hostName) {
  std::string name = windowsNameOf(hostName).value_or(std::string());
  for (char& c : name) c = foldCase(c);
  return name;
}

// Host names that are one Windows name without regard to case are alike: hashed and compared by it.
struct AlikeNames {
  size_t operator()(const std::string& hostName) const { return std::hash<std::string>()(foldedWindowsName(hostName)); }
  bool operator()(const std::string& a, const std::string& b) const {
    return foldedWindowsName(a) == foldedWindowsName(b);
  }
};

// The names of one folder that Windows programs can see, found by their Windows names without regard to
// case. Only the host names are held, so a folder of many files costs little memory.
class Listing {
 public:
  void add(const std::string& hostName) {
    if (!windowsNameOf(hostName)) return;
    auto [first, last] = names_.equal_range(hostName);
    if (std::find(first, last, hostName) == last) names_.insert(hostName);
  }

  void remove(const std::string& hostName) {
    auto [first, last] = names_.equal_range(hostName);
    if (auto it = std::find(first, last, hostName); it != last) names_.erase(it);
  }

  std::vector<Spelling> spellingsOf(std::string_view ansiName) const {
    std::vector<Spelling> out;
    auto [first, last] = names_.equal_range(toUtf8(ansiName));
    for (auto it = first; it != last; ++it) out.push_back({*it, *windowsNameOf(*it)});
    std::sort(out.begin(), out.end(), [](const Spelling& a, const Spelling& b) { return a.hostName < b.hostName; });
    return out;
  }

 private:
  std::unordered_multiset<std::string, AlikeNames, AlikeNames> names_;
};

// Reads the folder open at fd, which it closes; false when reading failed part-way.
bool readFolder(int fd, Listing& listing) {
  std::unique_ptr<DIR, int (*)(DIR*)> folder(::fdopendir(fd), ::closedir);
  if (!folder) {
    ::close(fd);
    return false;
  }
  for (;;) {
    errno = 0;
    const dirent* entry = ::readdir(folder.get());
    if (!entry) return errno == 0;
    const std::string name = entry->d_name;
    if (name != "." && name != "..") listing.add(name);
  }
}

struct FolderId {
  dev_t device = 0;
  ino_t inode = 0;
  bool operator==(const FolderId&) const = default;
};

struct KeptFolder {
  FolderId id;
  uint64_t lastUse = 0;
  Listing listing;
};

class KeptListings {
 public:
  std::vector<Spelling> lookUp(const fs::path& folder, std::string_view ansiName);

 private:
  void useOwnReports();
  void takeInReports();
  int watch(int fd);
  void keep(int watch, FolderId id, Listing&& listing);
  void dropAll();

  Descriptor reports_;
  bool started_ = false;
  std::map<int, KeptFolder> byWatch_;
  uint64_t uses_ = 0;
};

// Set in a child process, which shares its parent's reports: only the parent may read them.
bool forked = false;

void KeptListings::useOwnReports() {
  if (started_ && !forked) return;
  static const bool watchingForks = ::pthread_atfork(nullptr, nullptr, [] { forked = true; }) == 0;
  started_ = watchingForks;
  forked = false;
  byWatch_.clear();
  reports_ = Descriptor(::inotify_init1(IN_NONBLOCK | IN_CLOEXEC));
}

void KeptListings::takeInReports() {
  alignas(inotify_event) std::array<char, 65536> buffer;
  constexpr size_t kLargestReport = sizeof(inotify_event) + NAME_MAX + 1;
  for (;;) {
    const ssize_t got = ::read(reports_.get(), buffer.data(), buffer.size());
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) {
      // Nothing more to read, or no reports at all: then nothing kept can be trusted.
      if (got < 0 && errno != EAGAIN) dropAll();
      return;
    }
    // A read that left room for another report took all there were.
    const bool all = static_cast<size_t>(got) + kLargestReport <= buffer.size();
    for (ssize_t at = 0; at < got;) {
      const auto* report = reinterpret_cast<const inotify_event*>(buffer.data() + at);
      at += static_cast<ssize_t>(sizeof(inotify_event) + report->len);
      if (report->mask & IN_Q_OVERFLOW) {
        dropAll();
        continue;
      }
      auto it = byWatch_.find(report->wd);
      if (it == byWatch_.end()) continue;
      if (report->mask & IN_IGNORED) {
        byWatch_.erase(it);
        continue;
      }
      if (report->len == 0) continue;
      const std::string name = report->name;  // padded with NULs
      if (report->mask & (IN_CREATE | IN_MOVED_TO))
        it->second.listing.add(name);
      else if (report->mask & (IN_DELETE | IN_MOVED_FROM))
        it->second.listing.remove(name);
    }
    if (all) return;
  }
}

// The watch of the folder open at fd, or -1 when its changes would not all be reported.
int KeptListings::watch(int fd) {
  struct statfs fileSystem {};
  if (!reports_.valid() || ::fstatfs(fd, &fileSystem) != 0) return -1;
  const auto type = static_cast<uint64_t>(fileSystem.f_type);
  if (std::find(kReportingFileSystems.begin(), kReportingFileSystems.end(), type) == kReportingFileSystems.end())
    return -1;
  // Through the descriptor, so that the folder watched is the one being read, whatever happens to its path.
  const std::string self = "/proc/self/fd/" + std::to_string(fd);
  return ::inotify_add_watch(reports_.get(), self.c_str(), kNameChanges);
}

void KeptListings::dropAll() {
  for (const auto& [watch, _] : byWatch_) ::inotify_rm_watch(reports_.get(), watch);
  byWatch_.clear();
}

void KeptListings::keep(int watch, FolderId id, Listing&& listing) {
  if (byWatch_.size() >= kKeptFolders) {
    auto oldest = std::min_element(byWatch_.begin(), byWatch_.end(),
                                   [](const auto& a, const auto& b) { return a.second.lastUse < b.second.lastUse; });
    ::inotify_rm_watch(reports_.get(), oldest->first);
    byWatch_.erase(oldest);
  }
  byWatch_[watch] = KeptFolder{id, ++uses_, std::move(listing)};
}

std::vector<Spelling> KeptListings::lookUp(const fs::path& folder, std::string_view ansiName) {
  useOwnReports();
  takeInReports();
  struct stat st {};
  if (::stat(folder.c_str(), &st) != 0) return {};
  for (auto& [_, kept] : byWatch_) {
    if (kept.id != FolderId{st.st_dev, st.st_ino}) continue;
    kept.lastUse = ++uses_;
    return kept.listing.spellingsOf(ansiName);
  }
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0 || ::fstat(fd, &st) != 0) {
    if (fd >= 0) ::close(fd);
    return {};
  }
  // Watched before it is read: a change while it is read is both in the listing and reported, and taking
  // the report in again changes nothing.
  const int watched = watch(fd);
  Listing listing;
  const bool whole = readFolder(fd, listing);
  std::vector<Spelling> found = listing.spellingsOf(ansiName);
  if (watched >= 0 && whole)
    keep(watched, FolderId{st.st_dev, st.st_ino}, std::move(listing));
  else if (watched >= 0)
    ::inotify_rm_watch(reports_.get(), watched);
  return found;
}

}  // namespace

std::vector<Spelling> spellingsIn(const fs::path& folder, std::string_view ansiName) {
  static KeptListings listings;
  return listings.lookUp(folder, ansiName);
}

}  // namespace win
