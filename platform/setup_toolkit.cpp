#include "platform/setup_toolkit.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <optional>
#include <string>

#include "platform/drives.h"
#include "platform/error.h"
#include "platform/host_files.h"
#include "platform/system.h"
#include "platform/text.h"

namespace fs = std::filesystem;

namespace win {
namespace {

constexpr int32_t kFailed = 0;
constexpr int32_t kDone = 1;

// Characters that make an Exec argument need quotes, and those that need a backslash inside them.
constexpr std::string_view kReservedInExec = " \t\n\"'\\><~|&;$*?#()`";
constexpr std::string_view kEscapedInQuotes = "\"`$\\";
constexpr std::string_view kElfMagic =
    "\x7f"
    "ELF";
constexpr std::string_view kOpener = "xdg-open";

// The folder's listing must show the name again, so a hidden host name (a leading ".") will not do.
bool isPlainName(std::string_view name) { return isValidWindowsName(name) && name.front() != '.'; }

std::optional<fs::path> hostPathOf(const std::string& winPath) {
  try {
    return drives().toHost(winPath);
  } catch (const Error&) {
    return std::nullopt;
  }
}

// The Windows path of a folder in the Programs folder; nothing when the shell gives that no path.
std::optional<std::string> programsSubfolder(std::string_view folderName) {
  SpecialFolder programs = specialFolder(CSIDL_PROGRAMS);
  if (!programs.path || programs.path->empty()) return std::nullopt;
  return *programs.path + "\\" + std::string(folderName);
}

bool isStandardPrefix() {
  std::error_code here, standard;
  fs::path current = fs::weakly_canonical(drives().prefix(), here);
  fs::path usual = fs::weakly_canonical(Drives::standardPrefix(), standard);
  return !here && !standard && current == usual;
}

// A value of type string: readers undo these escapes first, and drop blanks next to the "=" and at the
// end of the line, so blanks at either end are kept as \s.
std::string stringValue(std::string_view text) {
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    switch (char c = text[i]) {
      case '\\': out += "\\\\"; break;
      case '\n': out += "\\n"; break;
      case '\t': out += "\\t"; break;
      case '\r': out += "\\r"; break;
      case ' ': out += i == 0 || i + 1 == text.size() ? "\\s" : " "; break;
      default: out += c;
    }
  }
  return out;
}

// One argument of Exec, before the string escapes; "%" is doubled, since a single one starts a field code.
std::string execArgument(std::string_view argument) {
  bool quoted = argument.empty() || argument.find_first_of(kReservedInExec) != std::string_view::npos;
  std::string out = quoted ? "\"" : "";
  for (char c : argument) {
    if (quoted && kEscapedInQuotes.find(c) != std::string_view::npos) out += '\\';
    out += c;
    if (c == '%') out += '%';
  }
  if (quoted) out += '"';
  return out;
}

// How a desktop starts the target: by itself, or through its opener as a folder or document.
enum class Start { AsProgram, WithOpener, Impossible };

bool isHostProgram(int fd) {
  char head[4] = {};
  const ssize_t got = ::pread(fd, head, sizeof head, 0);
  const std::string_view start(head, got > 0 ? static_cast<size_t>(got) : 0);
  return start.starts_with(kElfMagic) || start.starts_with("#!");
}

Start startOf(const fs::path& target) {
  constexpr int kReading = O_RDONLY | O_NONBLOCK | O_CLOEXEC;  // a pipe must not block
  Descriptor file(::open(target.c_str(), kReading | O_NOFOLLOW));
  // A link is followed to see what it leads to, but what it leads to is never changed.
  const bool throughLink = !file.valid() && errno == ELOOP;
  if (throughLink) file = Descriptor(::open(target.c_str(), kReading));
  struct stat st {};
  if (!file.valid() || ::fstat(file.get(), &st) != 0) return Start::AsProgram;  // not there yet
  if (S_ISDIR(st.st_mode)) return Start::WithOpener;
  if (!S_ISREG(st.st_mode)) return Start::AsProgram;
  if (!isHostProgram(file.get())) return Start::WithOpener;
  const mode_t runnable = st.st_mode | ((st.st_mode & 0444) >> 2);
  if (runnable != st.st_mode && (throughLink || ::fchmod(file.get(), runnable & 07777) != 0)) return Start::Impossible;
  return Start::AsProgram;
}

std::string desktopEntry(std::string_view linkName, const fs::path& target, Start start, std::string_view arguments) {
  std::string exec;
  if (!isStandardPrefix()) exec = "env " + execArgument("VORTANE_PREFIX=" + drives().prefix().string()) + " ";
  if (start == Start::WithOpener) exec += std::string(kOpener) + " ";
  exec += execArgument(target.string());
  if (!arguments.empty()) exec += " " + execArgument(toUtf8(arguments));
  return "[Desktop Entry]\n"
         "Type=Application\n"
         "Name=" +
         stringValue(toUtf8(linkName)) + "\nExec=" + stringValue(exec) +
         "\nPath=" + stringValue(target.parent_path().string()) + "\n";
}

}  // namespace

int32_t fCreateShellFolder(std::string_view folderName) {
  if (!isPlainName(folderName)) return kFailed;
  auto winFolder = programsSubfolder(folderName);
  auto folder = winFolder ? hostPathOf(*winFolder) : std::nullopt;
  if (!folder) return kFailed;
  std::error_code ec;
  fs::create_directories(*folder, ec);
  return fs::is_directory(*folder, ec) ? kDone : kFailed;
}

int32_t fCreateShellLink(std::string_view folderName, std::string_view linkName, std::string_view targetPath,
                         std::string_view arguments) {
  if (!isPlainName(folderName) || !isPlainName(linkName)) return kFailed;
  auto winFolder = programsSubfolder(folderName);
  auto file = winFolder ? hostPathOf(*winFolder + "\\" + std::string(linkName) + ".desktop") : std::nullopt;
  auto target = hostPathOf(std::string(targetPath));
  if (!file || !target) return kFailed;
  const Start start = startOf(*target);
  if (start == Start::Impossible) return kFailed;
  return replaceWholeFile(*file, desktopEntry(linkName, *target, start, arguments)) ? kDone : kFailed;
}

}  // namespace win
