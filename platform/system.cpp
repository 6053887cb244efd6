#include "system.h"

#include <pwd.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <thread>

#include "drives.h"
#include "text.h"

namespace fs = std::filesystem;

namespace win {
namespace {

struct AppState {
  std::string path;
  std::string exeName;
  std::string commandLine;
  bool pathSet = false;
};
AppState& app() {
  static AppState a;
  return a;
}

std::function<void(uint32_t)>& sleeper() {
  static std::function<void(uint32_t)> s;
  return s;
}

class StatvfsSource : public FreeSpaceSource {
 public:
  std::optional<DiskFreeSpace> diskFreeSpace(char drive) override {
    auto st = stat(drive);
    if (!st) return std::nullopt;
    DiskFreeSpace d;
    d.bytesPerSector = 512;
    uint64_t cluster = st->f_frsize ? st->f_frsize : st->f_bsize;
    if (cluster < 512) cluster = 512;
    d.sectorsPerCluster = static_cast<uint32_t>(cluster / 512);
    auto clamp = [](uint64_t v) { return static_cast<uint32_t>(std::min<uint64_t>(v, 0xFFFFFFFFu)); };
    d.freeClusters = clamp(st->f_bavail * (st->f_frsize ? st->f_frsize : st->f_bsize) / cluster);
    d.totalClusters = clamp(st->f_blocks * (st->f_frsize ? st->f_frsize : st->f_bsize) / cluster);
    return d;
  }
  std::optional<uint64_t> diskFreeSpaceEx(char drive) override {
    auto st = stat(drive);
    if (!st) return std::nullopt;
    return static_cast<uint64_t>(st->f_bavail) * (st->f_frsize ? st->f_frsize : st->f_bsize);
  }

 private:
  std::optional<struct statvfs> stat(char drive) {
    auto root = drives().root(drive);
    if (!root) return std::nullopt;
    struct statvfs st {};
    if (::statvfs(root->c_str(), &st) != 0) return std::nullopt;
    return st;
  }
};

std::shared_ptr<FreeSpaceSource>& freeSpace() {
  static std::shared_ptr<FreeSpaceSource> s = std::make_shared<StatvfsSource>();
  return s;
}

std::optional<char> driveOf(std::string_view root) {
  if (root.size() < 2 || root[1] != ':') return std::nullopt;
  char c = foldCase(root[0]);
  if (c < 'A' || c > 'Z') return std::nullopt;
  return c;
}

class NoDesktop : public Desktop {
 public:
  void open(const std::string&, Verdict verdict) override { verdict(false); }
  bool startTextViewer(const std::string&) override { return false; }
};

class NoSound : public SoundDevice {
 public:
  void stop() override {}
  void close() override {}
  bool open(const std::string&) override { return false; }
  void play() override {}
};

std::function<SpecialFolder(int)>& specialFolderSource() {
  static std::function<SpecialFolder(int)> s;
  return s;
}

SpecialFolder shellFolder(int csidl) {
  switch (csidl) {
    case CSIDL_PROGRAMS: return {true, windowsDirectory() + "\\Start Menu\\Programs"};
    case CSIDL_FONTS: return {true, windowsDirectory() + "\\FONTS"};
    case CSIDL_DRIVES: return {true, std::nullopt};
    default: return {};
  }
}

std::shared_ptr<Desktop>& desktopPtr() {
  static std::shared_ptr<Desktop> d = std::make_shared<NoDesktop>();
  return d;
}
std::shared_ptr<SoundDevice>& soundPtr() {
  static std::shared_ptr<SoundDevice> d = std::make_shared<NoSound>();
  return d;
}

}  // namespace

std::string windowsDirectory() { return "C:\\WINDOWS"; }
std::string systemDirectory() { return "C:\\WINDOWS\\SYSTEM"; }

SpecialFolder specialFolder(int csidl) {
  if (specialFolderSource()) return specialFolderSource()(csidl);
  return shellFolder(csidl);
}
void setSpecialFolderSource(std::function<SpecialFolder(int)> source) { specialFolderSource() = std::move(source); }

void initApplication(int argc, char** argv) {
  std::error_code ec;
  fs::path exe = fs::read_symlink("/proc/self/exe", ec);
  if (ec && argc > 0) exe = fs::absolute(argv[0], ec);
  app().exeName = exe.stem().string();
  if (auto w = drives().toWindows(exe.parent_path())) app().path = *w;
  app().pathSet = true;
  std::string cmd;
  for (int i = 1; i < argc; ++i) {
    if (i > 1) cmd += ' ';
    cmd += argv[i];
  }
  app().commandLine = cmd;
}

std::string appPath() {
  if (!app().pathSet) initApplication(0, nullptr);
  std::string p = app().path;
  if (p.size() > 3 && (p.back() == '\\')) p.pop_back();
  return p;
}
std::string appExeName() {
  if (!app().pathSet) initApplication(0, nullptr);
  return app().exeName;
}
std::string commandLine() { return app().commandLine; }
// The other values still come from the running program, and a later query must not undo this one.
void setAppPath(std::string winPath) {
  if (!app().pathSet) initApplication(0, nullptr);
  app().path = std::move(winPath);
}
void setAppExeName(std::string name) {
  if (!app().pathSet) initApplication(0, nullptr);
  app().exeName = std::move(name);
}
void setCommandLine(std::string text) { app().commandLine = std::move(text); }

fs::path homeFolder() {
  if (const char* home = std::getenv("HOME"); home && *home) return home;
  const passwd* user = ::getpwuid(::getuid());
  return user && user->pw_dir ? fs::path(user->pw_dir) : fs::path();
}

void sleepMs(uint32_t ms) {
  if (sleeper()) return sleeper()(ms);
  std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}
void setSleeper(std::function<void(uint32_t)> s) { sleeper() = std::move(s); }

std::optional<DiskFreeSpace> getDiskFreeSpace(std::string_view root) {
  auto d = driveOf(root);
  if (!d) return std::nullopt;
  return freeSpace()->diskFreeSpace(*d);
}
std::optional<uint64_t> getDiskFreeSpaceEx(std::string_view root) {
  auto d = driveOf(root);
  if (!d) return std::nullopt;
  return freeSpace()->diskFreeSpaceEx(*d);
}
void setFreeSpaceSource(std::shared_ptr<FreeSpaceSource> source) {
  freeSpace() = source ? std::move(source) : std::make_shared<StatvfsSource>();
}

Desktop& desktop() { return *desktopPtr(); }
void setDesktop(std::shared_ptr<Desktop> d) { desktopPtr() = d ? std::move(d) : std::make_shared<NoDesktop>(); }
SoundDevice& soundDevice() { return *soundPtr(); }
void setSoundDevice(std::shared_ptr<SoundDevice> d) { soundPtr() = d ? std::move(d) : std::make_shared<NoSound>(); }

bool isWebAddress(std::string_view t) {
  size_t colon = t.find(':');
  if (colon == std::string_view::npos || colon < 2) return false;  // "C:" is a drive
  for (size_t i = 0; i < colon; ++i) {
    char c = t[i];
    bool ok = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
              (i > 0 && ((c >= '0' && c <= '9') || c == '+' || c == '-' || c == '.'));
    if (!ok) return false;
  }
  return true;
}

}  // namespace win
