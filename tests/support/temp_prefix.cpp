#include "temp_prefix.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <stdexcept>

#include "platform/error.h"
#include "platform/files.h"

namespace fs = std::filesystem;

namespace testing_support {

TempPrefix::TempPrefix(win::PrefixOptions options) {
  std::string tmpl = (fs::temp_directory_path() / "vm-test-XXXXXX").string();
  if (!mkdtemp(tmpl.data())) throw std::runtime_error("mkdtemp failed");
  root_ = tmpl;
  win::closeAllFiles();
  win::drives().usePrefix(root_, options);
}

TempPrefix::~TempPrefix() {
  win::closeAllFiles();
  std::error_code ec;
  fs::remove_all(root_, ec);
}

fs::path TempPrefix::mapDrive(char letter, const std::string& folderName) {
  fs::path folder = root_ / folderName;
  fs::create_directories(folder);
  win::drives().map(letter, folder);
  return folder;
}

DesktopFoldersIn::DesktopFoldersIn(const TempPrefix& prefix) {
  setenv("XDG_DATA_HOME", (prefix.root() / "xdg-data").c_str(), 1);
  setenv("XDG_CONFIG_HOME", (prefix.root() / "xdg-config").c_str(), 1);
}

DesktopFoldersIn::~DesktopFoldersIn() {
  unsetenv("XDG_DATA_HOME");
  unsetenv("XDG_CONFIG_HOME");
}

HomeFolderIn::HomeFolderIn(const TempPrefix& prefix) : path_(prefix.root() / "home" / "user") {
  if (const char* home = std::getenv("HOME")) former_ = home;
  fs::create_directories(path_);
  setenv("HOME", path_.c_str(), 1);
}

HomeFolderIn::~HomeFolderIn() {
  if (former_)
    setenv("HOME", former_->c_str(), 1);
  else
    unsetenv("HOME");
}

void writeFile(const fs::path& path, const std::string& bytes) {
  fs::create_directories(path.parent_path());
  std::ofstream out(path, std::ios::binary);
  out << bytes;
}

std::string readFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

std::string bytesOf(size_t size, unsigned pattern) {
  std::string bytes(size, '\0');
  uint32_t state = pattern * 2654435761u + 1;
  for (char& c : bytes) {
    state = state * 1664525u + 1013904223u;
    c = static_cast<char>(state >> 24);
  }
  return bytes;
}

std::vector<std::string> namesIn(const fs::path& folder) {
  std::vector<std::string> names;
  std::error_code ec;
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec))
    names.push_back(it->path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

std::string crlfLines(const std::vector<std::string>& lines) {
  std::string out;
  for (const std::string& line : lines) out += line + "\r\n";
  return out;
}

int errorNumberOf(const std::function<void()>& call) {
  try {
    call();
  } catch (const win::Error& e) {
    return e.number();
  }
  return 0;
}

}  // namespace testing_support
