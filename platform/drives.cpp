#include "drives.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <system_error>

#include "error.h"
#include "folder_listings.h"
#include "host_files.h"
#include "ini_lines.h"
#include "text.h"

namespace fs = std::filesystem;

namespace win {
namespace {

constexpr char kDefaultMap[] = "[Drives]\r\nZ=/\r\n";

bool isLetter(char c) {
  c = foldCase(c);
  return c >= 'A' && c <= 'Z';
}

std::vector<std::string> splitComponents(std::string_view s) {
  std::vector<std::string> out;
  std::string cur;
  for (char c : s) {
    if (isPathSeparator(c)) {
      if (!cur.empty()) out.push_back(cur);
      cur.clear();
    } else {
      cur += c;
    }
  }
  if (!cur.empty()) out.push_back(cur);
  return out;
}

// Windows drops trailing dots and blanks of a name.
std::string trimName(std::string name) {
  while (name.size() > 1 && (name.back() == '.' || name.back() == ' ') && name != "..") name.pop_back();
  return name;
}

std::map<char, fs::path> readMap(const fs::path& file) {
  std::map<char, fs::path> roots;
  std::ifstream in(file, std::ios::binary);
  std::string data(std::istreambuf_iterator<char>(in), {});
  bool inSection = false;
  for (const ini::Line& line : ini::splitLines(data)) {
    if (auto name = ini::headerName(line.text)) {
      inSection = equalsNoCase(*name, "Drives");
      continue;
    }
    auto entry = ini::keyLine(line.text);
    if (!inSection || !entry) continue;
    std::string_view folder = ini::withoutQuotes(entry->value);
    if (entry->key.size() == 1 && isLetter(entry->key[0]) && !folder.empty())
      roots[foldCase(entry->key[0])] = fs::path(folder);
  }
  return roots;
}

// A font there already, or a link leading to one, is kept; a link leading nowhere is replaced, not followed.
void copyFont(const fs::path& from, const fs::path& to) {
  std::error_code ec;
  if (fs::exists(from, ec) && !fs::exists(to, ec)) tryStep([&] { copyHostFile(from, to); });
}

// The entry of the folder that bears the name in another spelling than the exact one, which is not there: the
// first in byte order, unless one shows the programs the very name (host bytes that spell it otherwise).
std::optional<fs::path> otherSpelling(const fs::path& folder, const std::string& name) {
  std::vector<Spelling> spellings = spellingsIn(folder, name);
  if (spellings.empty()) return std::nullopt;
  for (const Spelling& spelling : spellings)
    if (spelling.windowsName == name) return spelling.hostName;
  return spellings.front().hostName;
}

// The entry of the folder that bears the name: the exact spelling when there is one, found without reading the
// folder, else another one.
std::optional<fs::path> entryNamed(const fs::path& folder, const std::string& name) {
  fs::path exact = toUtf8(name);
  struct stat st {};
  if (::lstat((folder / exact).c_str(), &st) == 0) return exact;
  return otherSpelling(folder, name);
}

// Most paths stand on the host as they are spelt, all their names or all but the last: one look at the path
// finds them then, with no search of a folder. nullopt for any other path.
std::optional<fs::path> asSpelt(const fs::path& root, const std::vector<std::string>& names) {
  if (names.empty()) return std::nullopt;
  fs::path folder = root;
  for (size_t i = 0; i + 1 < names.size(); ++i) folder /= toUtf8(names[i]);
  const fs::path whole = folder / toUtf8(names.back());
  struct stat st {};
  if (::lstat(whole.c_str(), &st) == 0) return whole;
  if (errno != ENOENT || ::stat(folder.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) return std::nullopt;
  return folder / otherSpelling(folder, names.back()).value_or(toUtf8(names.back()));
}

}  // namespace

bool isValidWindowsName(std::string_view name) {
  if (name.empty() || name == "." || name == "..") return false;
  for (char c : name) {
    auto b = static_cast<unsigned char>(c);
    if (b < 0x20 || b == 0x7F) return false;
    switch (c) {
      case '\\':
      case '/':
      case ':':
      case '*':
      case '?':
      case '"':
      case '<':
      case '>':
      case '|': return false;
      default: break;
    }
  }
  return true;
}

bool isPlainFileName(std::string_view name) {
  if (!isValidWindowsName(name) || name.front() == '.' || name.back() == '.' || name.back() == ' ') return false;
  for (char c : name) {
    auto b = static_cast<unsigned char>(c);
    if (b == 0x81 || b == 0x8D || b == 0x8F || b == 0x90 || b == 0x9D) return false;
  }
  return true;
}

bool startsWithDriveLetter(std::string_view path) { return path.size() >= 2 && isLetter(path[0]) && path[1] == ':'; }

std::optional<std::string> windowsNameOf(const fs::path& hostName) {
  auto ansi = toAnsi(hostName.string());
  if (!ansi || !isValidWindowsName(*ansi)) return std::nullopt;
  return ansi;
}

fs::path Drives::defaultPrefix() {
  if (const char* p = std::getenv("VORTANE_PREFIX"); p && *p) return fs::path(p);
  return standardPrefix();
}

fs::path Drives::standardPrefix() {
  fs::path data;
  if (const char* x = std::getenv("XDG_DATA_HOME"); x && *x)
    data = x;
  else if (const char* h = std::getenv("HOME"); h && *h)
    data = fs::path(h) / ".local" / "share";
  else
    data = fs::temp_directory_path();
  return data / "vortane" / "prefix";
}

void Drives::usePrefix(const fs::path& prefix, PrefixOptions options) {
  std::error_code ec;
  prefix_ = fs::absolute(prefix, ec);
  fs::path c = prefix_ / "drive_c";
  fs::path windows = c / "WINDOWS";
  fs::create_directories(windows / "SYSTEM", ec);
  fs::create_directories(windows / "FONTS", ec);
  fs::create_directories(windows / "Start Menu" / "Programs", ec);
  if (options.installFonts) {
    const char* src = std::getenv("VORTANE_FONTS_SOURCE");
    fs::path fonts = (src && *src) ? fs::path(src) : fs::path("/usr/share/wine/fonts");
    copyFont(fonts / "tahoma.ttf", windows / "FONTS" / "tahoma.ttf");
    copyFont(fonts / "tahomabd.ttf", windows / "FONTS" / "tahomabd.ttf");
  }
  // A map reached through a link is the user's own and is read; a link leading nowhere is replaced.
  fs::path mapFile = prefix_ / "drives.ini";
  if (!fs::exists(mapFile, ec)) replaceWholeFile(mapFile, kDefaultMap);

  roots_ = readMap(mapFile);
  if (!roots_.count('C')) roots_['C'] = c;
  currentDirs_.clear();
  currentDrive_ = 'C';
  ready_ = true;
}

void Drives::ensure() {
  if (ready_) return;
  usePrefix(defaultPrefix());
  // The process starts in the host's working directory, as a program started from there would.
  std::error_code ec;
  if (auto cwd = toWindows(fs::current_path(ec))) {
    currentDrive_ = foldCase((*cwd)[0]);
    currentDirs_[currentDrive_] = splitComponents(cwd->substr(2));
  }
}

const fs::path& Drives::prefix() {
  ensure();
  return prefix_;
}

std::vector<char> Drives::letters() {
  ensure();
  std::vector<char> out;
  for (auto& [letter, _] : roots_) out.push_back(letter);
  return out;
}

std::optional<fs::path> Drives::root(char letter) {
  ensure();
  auto it = roots_.find(foldCase(letter));
  if (it == roots_.end()) return std::nullopt;
  return it->second;
}

void Drives::map(char letter, const fs::path& hostFolder) {
  ensure();
  roots_[foldCase(letter)] = hostFolder;
  currentDirs_.erase(foldCase(letter));
}

void Drives::unmap(char letter) {
  ensure();
  roots_.erase(foldCase(letter));
  currentDirs_.erase(foldCase(letter));
}

char Drives::currentDrive() {
  ensure();
  return currentDrive_;
}

void Drives::setCurrentDrive(char letter) {
  ensure();
  letter = foldCase(letter);
  if (!roots_.count(letter)) raise(DeviceUnavailable, std::string(1, letter) + ":");
  currentDrive_ = letter;
}

std::string Drives::currentDirectory(char letter) {
  ensure();
  letter = foldCase(letter);
  std::string out(1, letter);
  out += ":\\";
  auto it = currentDirs_.find(letter);
  if (it != currentDirs_.end()) {
    for (size_t i = 0; i < it->second.size(); ++i) {
      if (i) out += '\\';
      out += it->second[i];
    }
  }
  return out;
}

std::string Drives::fullPath(std::string_view path) {
  ensure();
  char letter = currentDrive_;
  std::string_view rest = path;
  if (path.size() >= 2 && path[1] == ':' && isLetter(path[0])) {
    letter = foldCase(path[0]);
    rest = path.substr(2);
  }
  if (!roots_.count(letter)) raise(DeviceUnavailable, std::string(1, letter) + ":");
  if (rest.size() >= 2 && isPathSeparator(rest[0]) && isPathSeparator(rest[1]) && path.size() == rest.size())
    raise(BadFileNameOrNumber, "network paths are not supported");
  std::vector<std::string> parts;
  if (rest.empty() || !isPathSeparator(rest[0])) {
    auto it = currentDirs_.find(letter);
    if (it != currentDirs_.end()) parts = it->second;
  }
  for (auto& comp : splitComponents(rest)) {
    if (comp == ".") continue;
    if (comp == "..") {
      if (!parts.empty()) parts.pop_back();
      continue;
    }
    std::string name = trimName(comp);
    if (!isValidWindowsName(name)) raise(BadFileNameOrNumber, toUtf8(std::string(path)));
    parts.push_back(name);
  }
  std::string out(1, letter);
  out += ":\\";
  for (size_t i = 0; i < parts.size(); ++i) {
    if (i) out += '\\';
    out += parts[i];
  }
  return out;
}

fs::path Drives::toHost(std::string_view path) {
  std::string full = fullPath(path);
  char letter = full[0];
  fs::path host = roots_.at(letter);
  const std::vector<std::string> names = splitComponents(std::string_view(full).substr(3));
  if (auto spelt = asSpelt(host, names)) return *spelt;
  std::error_code ec;
  if (!fs::is_directory(host, ec)) raise(DiskNotReady, std::string(1, letter) + ":");
  bool exists = true;
  for (auto& name : names) {
    if (exists) {
      if (auto entry = entryNamed(host, name)) {
        host /= *entry;
        continue;
      }
      exists = false;
    }
    host /= toUtf8(name);
  }
  return host;
}

std::optional<std::string> Drives::toWindows(const fs::path& hostPath) {
  ensure();
  std::error_code ec;
  fs::path target = fs::weakly_canonical(fs::absolute(hostPath, ec), ec);
  std::optional<std::string> best;
  size_t bestDepth = 0;
  for (auto& [letter, rootPath] : roots_) {
    fs::path root = fs::weakly_canonical(fs::absolute(rootPath, ec), ec);
    auto rel = target.lexically_relative(root);
    if (rel.empty() || *rel.begin() == "..") continue;
    size_t depth = std::distance(root.begin(), root.end());
    if (best && depth <= bestDepth) continue;
    std::string out(1, letter);
    out += ":\\";
    bool ok = true;
    bool first = true;
    for (auto& part : rel) {
      if (part == ".") continue;
      auto ansi = windowsNameOf(part);
      if (!ansi) {
        ok = false;
        break;
      }
      if (!first) out += '\\';
      out += *ansi;
      first = false;
    }
    if (!ok) continue;
    best = out;
    bestDepth = depth;
  }
  return best;
}

void Drives::changeDirectory(std::string_view path) {
  std::string full = fullPath(path);
  std::error_code ec;
  if (!fs::is_directory(toHost(full), ec)) raise(PathNotFound, toUtf8(full));
  currentDirs_[full[0]] = splitComponents(std::string_view(full).substr(3));
}

Drives& drives() {
  static Drives instance;
  return instance;
}

}  // namespace win
