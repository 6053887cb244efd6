#pragma once
// The one block copy of both programs: bytes from the current position of an open numbered file to the
// current position of another, by win::copyBytes, in blocks of kCopyBlock bytes when the caller has
// something to do between them.
#include <cstdint>
#include <functional>

inline constexpr int32_t kCopyBlock = 32768;

// Copies count bytes (nothing for 0 or less): whole blocks while more than a block is left, then the
// rest in one piece. afterBlock, when given, runs after each block copied in full, the rest included,
// with the bytes it moved (progress, a yield). Without it nothing needs the blocks, and the whole count
// goes to win::copyBytes at once, which then copies in the largest steps it has. Both positions advance by
// what was copied. The room for the whole count is set aside first (win::reserveBytes). Raises
// win::Error when a read or write fails, and 62 when the input ends early, after writing what was
// there: unread bytes are never written.
void CopyBlocks(int in, int out, int64_t count, const std::function<void(int64_t bytes)>& afterBlock = {});
