#pragma once
// The one block copy of both programs: bytes from the current position of an open numbered file to the
// current position of another, in blocks of kCopyBlock bytes through one buffer.
#include <cstdint>
#include <functional>

inline constexpr int32_t kCopyBlock = 32768;

// Copies count bytes (nothing for 0 or less): whole blocks while more than a block is left, then the
// rest in one piece. afterBlock, when given, runs after each whole block with the bytes it moved
// (progress, a yield). Both positions advance by what was copied. Raises win::Error when a write fails, and when the
// input ends early, after writing what was read: unread bytes are never written.
void CopyBlocks(int in, int out, int64_t count, const std::function<void(int64_t bytes)>& afterBlock = {});
