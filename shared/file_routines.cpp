#include <algorithm>
#include <array>

#include "platform/drives.h"
#include "platform/error.h"
#include "platform/files.h"
#include "shared/block_copy.h"
#include "shared/routines.h"

namespace {

// The directory search lists a whole directory for a name ending in a separator or a bare drive:
// such a name is no file.
bool namesNoFile(std::string_view path) {
  char last = path.back();
  return win::isPathSeparator(last) || (path.size() == 2 && last == ':');
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

int32_t FilePos0(int fileNumber) { return static_cast<int32_t>(win::seek(fileNumber) - 1); }

void CopyFileBytes(int in, int out, int32_t count) { CopyBlocks(in, out, count); }

void ReadFixedString(int fileNumber, std::string& text, int width) {
  text.clear();
  // The whole field is consumed; it is read in blocks so that a width read from a damaged file costs no
  // memory of its size.
  std::array<char, 4096> block;
  bool stopped = false;
  for (size_t left = width > 0 ? static_cast<size_t>(width) : 0; left > 0;) {
    size_t n = std::min(left, block.size());
    win::getBytes(fileNumber, block.data(), n);
    for (size_t i = 0; i < n && !stopped; ++i) {
      if (block[i] == '\0')
        stopped = true;
      else
        text += block[i];
    }
    left -= n;
  }
}
