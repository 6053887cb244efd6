#include "support/desktop_entry_reader.h"

#include <sstream>

#include "support/temp_prefix.h"

namespace testing_support {
namespace {

std::string unescapeValue(const std::string& value, bool& ok) {
  std::string out;
  for (size_t i = 0; i < value.size(); ++i) {
    if (value[i] != '\\') {
      out += value[i];
      continue;
    }
    char next = i + 1 < value.size() ? value[++i] : '\0';
    switch (next) {
      case 's': out += ' '; break;
      case 'n': out += '\n'; break;
      case 't': out += '\t'; break;
      case 'r': out += '\r'; break;
      case '\\': out += '\\'; break;
      default: ok = false;
    }
  }
  return out;
}

std::vector<std::string> splitExec(const std::string& exec, bool& ok) {
  std::vector<std::string> args;
  std::string current;
  bool inArgument = false, quoted = false;
  for (size_t i = 0; i < exec.size(); ++i) {
    char c = exec[i];
    if (quoted) {
      if (c == '"') {
        quoted = false;
      } else if (c == '\\' && i + 1 < exec.size() && std::string("\"`$\\").find(exec[i + 1]) != std::string::npos) {
        current += exec[++i];
      } else {
        current += c;
      }
    } else if (c == ' ') {
      if (inArgument) args.push_back(current), current.clear(), inArgument = false;
    } else if (c == '"') {
      quoted = inArgument = true;
    } else {
      current += c;
      inArgument = true;
    }
  }
  if (quoted) ok = false;
  if (inArgument) args.push_back(current);
  for (std::string& arg : args) {
    std::string plain;
    for (size_t i = 0; i < arg.size(); ++i) {
      if (arg[i] != '%') {
        plain += arg[i];
      } else if (i + 1 < arg.size() && arg[i + 1] == '%') {
        plain += '%';
        ++i;
      } else {
        ok = false;  // a field code, which no entry of ours holds
      }
    }
    arg = plain;
  }
  return args;
}

}  // namespace

DesktopEntry readDesktopEntry(const std::filesystem::path& file) {
  DesktopEntry entry;
  std::istringstream in(readFile(file));
  std::string line, group;
  while (std::getline(in, line)) {
    if (line.empty() || line[0] == '#') continue;
    if (line.front() == '[' && line.back() == ']') {
      group = line.substr(1, line.size() - 2);
      entry.groups.push_back(group);
      continue;
    }
    size_t equals = line.find('=');
    if (equals == std::string::npos || group != "Desktop Entry") continue;
    size_t valueStart = line.find_first_not_of(' ', equals + 1);
    std::string value = valueStart == std::string::npos ? std::string() : line.substr(valueStart);
    entry.keys[line.substr(0, line.find_last_not_of(' ', equals - 1) + 1)] = unescapeValue(value, entry.wellFormed);
  }
  if (entry.keys.count("Exec")) entry.exec = splitExec(entry.keys["Exec"], entry.wellFormed);
  return entry;
}

}  // namespace testing_support
