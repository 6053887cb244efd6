#include "platform/drives.h"
#include "shared/routines.h"

std::string AddPathSeparator(std::string_view path) {
  char separator = (!path.empty() && path.front() == '/') || path.find("//") != std::string_view::npos ? '/' : '\\';
  std::string out(path);
  if (out.size() >= 3 && !win::isPathSeparator(out.back())) out += separator;
  return out;
}

void SplitPath(std::string_view path, std::string& directory, std::string& fileName) {
  size_t cut = path.find_last_of(win::kPathSeparators);
  if (cut == std::string_view::npos) {
    directory.clear();
    fileName = path;
    return;
  }
  directory = path.substr(0, cut + 1);
  fileName = path.substr(cut + 1);
}

void SplitFileName(std::string_view name, std::string& base, std::string& extension) {
  size_t dot = name.rfind('.');
  if (dot == std::string_view::npos) {
    base = name;
    extension.clear();
    return;
  }
  base = name.substr(0, dot);
  extension = name.substr(dot + 1);
}

std::string ChangeExtension(std::string_view name, std::string_view extension) {
  std::string base, oldExtension;
  SplitFileName(name, base, oldExtension);
  return base + "." + std::string(extension);
}
