#include "shared/block_copy.h"

#include "platform/error.h"
#include "platform/files.h"

void CopyBlocks(int in, int out, int64_t count, const std::function<void(int64_t bytes)>& afterBlock) {
  if (count <= 0) return;
  // Room set aside at once lets the file system lay the output out in large pieces, as a whole-file copy
  // does; block by block it would find room for each 32768 bytes on its own.
  win::reserveBytes(out, count);
  if (!afterBlock) {
    if (win::copyBytes(in, out, static_cast<size_t>(count)) < static_cast<size_t>(count))
      win::raise(win::InputPastEndOfFile);
    return;
  }
  auto copyBlock = [&](size_t length) {
    const size_t copied = win::copyBytes(in, out, length);
    if (copied < length) win::raise(win::InputPastEndOfFile);
    afterBlock(static_cast<int64_t>(copied));
  };
  const int64_t end = win::seek(in) + count;
  while (win::seek(in) + kCopyBlock < end) copyBlock(kCopyBlock);
  copyBlock(static_cast<size_t>(end - win::seek(in)));
}
