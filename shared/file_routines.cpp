#include "shared/routines.h"

#include <vector>

#include "platform/error.h"
#include "platform/files.h"

namespace {

// The directory search lists a whole directory for a name ending in a separator or a bare drive:
// such a name is no file.
bool namesNoFile(std::string_view path) {
  char last = path.back();
  return last == '\\' || last == '/' || (path.size() == 2 && last == ':');
}

}  // namespace

bool FileExists(std::string_view path) {
  if (!IsValue(path) || namesNoFile(path)) return false;
  try {
    return !win::dirSearch(path, win::Search::Files).empty();
  } catch (const win::Error&) {
    return false;
  }
}

void KillFile(std::string_view path) {
  if (FileExists(path)) win::kill(path);
}

void SeekTo(int fileNumber, int64_t offset) { win::seek(fileNumber, offset + 1); }

void ReadFixedString(int fileNumber, std::string& text, int width) {
  text.clear();
  if (width <= 0) return;
  std::vector<char> field(static_cast<size_t>(width));
  win::getBytes(fileNumber, field.data(), field.size());
  for (char c : field) {
    if (c == '\0') break;
    text += c;
  }
}
