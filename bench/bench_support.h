#pragma once
// What the benchmarks share: timing, the copies a program's run is measured against (a plain buffered
// copy, the system's own copy, the run's blocks copied with nothing between them), a page cache that is
// fair to every timed copy, and the memory used. Every failure throws std::runtime_error naming the file.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace bench {

inline constexpr size_t kPlainBuffer = 65536;

// Seconds the work takes by the steady clock.
double seconds(const std::function<void()>& work);

// The best seconds of each way over rounds rounds, the ways taken in turns, each round starting one way
// further on so that none always follows another. before(way) runs untimed before each. For the way
// watched, the peak resident size is read (VmHWM, reset just before it) and afterWatched runs untimed
// after it, for a check.
struct Turns {
  std::vector<double> best;
  long watchedPeakKiB = 0;
};
Turns timeInTurns(const std::vector<std::function<void()>>& ways, int rounds,
                  const std::function<void(int way)>& before, int watched, const std::function<void()>& afterWatched);

// Runs work in a child process, so that its memory is not the benchmark's; throws when it fails.
void runApart(const std::function<void()>& work);

// Seconds per call of the shortest of rounds runs of calls calls each; call gets the call's index.
double secondsPerCall(int calls, int rounds, const std::function<void(int index)>& call);

// A range of a file (offset from 0) into a new file, through a stdio buffer of kPlainBuffer bytes.
void plainCopy(const std::filesystem::path& from, int64_t offset, int64_t size, const std::filesystem::path& to);

// A whole file into a new one as cp copies it: copy_file_range over the whole length, nothing else.
void systemCopy(const std::filesystem::path& from, const std::filesystem::path& to);
// A range of a file (offset from 0) into a new file by the kernel at once: copy_file_range over the range, as
// dd with byte offsets cuts it out, with no byte passing through the program. Ranges at offsets that are not
// page-aligned are as far as the kernel gets for a part of a file.
void kernelRangeCopy(const std::filesystem::path& from, int64_t offset, int64_t size, const std::filesystem::path& to);

// A range of a file into a new file in steps of step bytes, without what a program does between the
// blocks: inside the kernel with copy_file_range, or with pread and pwrite through one buffer.
void kernelCopyInSteps(const std::filesystem::path& from, int64_t offset, int64_t size, const std::filesystem::path& to,
                       size_t step);
void bufferedCopyInSteps(const std::filesystem::path& from, int64_t offset, int64_t size,
                         const std::filesystem::path& to, size_t step);

// Writes to the disk what the file system holding the path still keeps in memory (syncfs), as a program does
// before it records that its files are there.
void syncFileSystemOf(const std::filesystem::path& path);

// Empties the folder (creating it) and writes back every dirty page, so that the next timed copy starts
// with no writeback left over from the last one.
void emptyFolder(const std::filesystem::path& folder);

// The peak resident size of the process so far, in MiB (ru_maxrss).
double peakMiB();
// A line of /proc/self/status in KiB, such as VmRSS or VmHWM; -1 when missing.
long statusKiB(const std::string& key);
// Lets VmHWM measure from here on.
void resetPeak();

inline double mib(double bytes) { return bytes / (1024.0 * 1024.0); }

}  // namespace bench
