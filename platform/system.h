#pragma once
// System services: the Windows and System directories, special folders, the running program,
// sleeping, free disk space, and the desktop (documents, web addresses, a text viewer, wave sounds).
// Everything a test must observe or control goes through a replaceable interface.
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace win {

std::string windowsDirectory();  // "C:\WINDOWS"
std::string systemDirectory();   // "C:\WINDOWS\SYSTEM"

enum : int { CSIDL_PROGRAMS = 2, CSIDL_DRIVES = 17, CSIDL_FONTS = 20 };
struct SpecialFolder {
  bool known = false;               // the shell knows the identifier
  std::optional<std::string> path;  // its file-system path; empty when it has none
};
SpecialFolder specialFolder(int csidl);
// Tests replace the shell's folder table to see folders it does not know or gives no path; an empty
// function restores the real one.
void setSpecialFolderSource(std::function<SpecialFolder(int)> source);

// The running program: its folder as a Windows path (no trailing separator), its file name without
// extension, and its command line as one text.
void initApplication(int argc, char** argv);
std::string appPath();
std::string appExeName();
std::string commandLine();
void setAppPath(std::string winPath);
void setAppExeName(std::string name);
void setCommandLine(std::string text);

// The host user's home folder: $HOME, else the user's entry in the password database; empty when neither
// names one.
std::filesystem::path homeFolder();

// Blocks the thread; tests replace the sleeper to record the wait instead.
void sleepMs(uint32_t ms);
void setSleeper(std::function<void(uint32_t)> sleeper);  // empty restores the real one

// Free space of the drive of a root path such as "C:" or "C:\".
struct DiskFreeSpace {
  uint32_t sectorsPerCluster = 0;
  uint32_t bytesPerSector = 0;
  uint32_t freeClusters = 0;
  uint32_t totalClusters = 0;
};
class FreeSpaceSource {
 public:
  virtual ~FreeSpaceSource() = default;
  virtual std::optional<DiskFreeSpace> diskFreeSpace(char drive) = 0;  // cluster counts
  virtual std::optional<uint64_t> diskFreeSpaceEx(char drive) = 0;     // free bytes for the caller
};
std::optional<DiskFreeSpace> getDiskFreeSpace(std::string_view root);
std::optional<uint64_t> getDiskFreeSpaceEx(std::string_view root);
void setFreeSpaceSource(std::shared_ptr<FreeSpaceSource> source);  // null restores statvfs

// The desktop: opening a document or web address with its "open" verb, and a text viewer for a file.
// Targets reach the host as one argument, never through a shell.
class Desktop {
 public:
  virtual ~Desktop() = default;
  // Called once with the verdict on a target: true when it was opened.
  using Verdict = std::function<void(bool opened)>;
  // A Windows path or a web address; returns without waiting for the verdict. That comes at once when
  // nothing can open the target (a path on no drive, no opener on the system), else from the event loop
  // whenever the opener ends, however late: false when it found no program there for that kind of target,
  // or the program failed. While a program it started runs, no verdict comes.
  virtual void open(const std::string& target, Verdict verdict) = 0;
  virtual bool startTextViewer(const std::string& winPath) = 0;  // does not wait
};
Desktop& desktop();
void setDesktop(std::shared_ptr<Desktop> d);

// A wave sound device driven by commands, as the multimedia control is.
class SoundDevice {
 public:
  virtual ~SoundDevice() = default;
  virtual void stop() = 0;
  virtual void close() = 0;
  virtual bool open(const std::string& winPath) = 0;
  virtual void play() = 0;  // returns at once; the sound plays on
};
SoundDevice& soundDevice();
void setSoundDevice(std::shared_ptr<SoundDevice> d);

// True for "http://...", "mailto:..." and the like; such targets are not file paths.
bool isWebAddress(std::string_view target);

}  // namespace win
