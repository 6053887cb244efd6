#include "bench/bench_support.h"

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iostream>
#include <limits>
#include <stdexcept>
#include <vector>

#include "platform/host_files.h"

namespace fs = std::filesystem;

namespace bench {
namespace {

[[noreturn]] void fail(const std::string& what, const fs::path& file) {
  throw std::runtime_error(what + " " + file.string() + ": " + std::strerror(errno));
}

win::Descriptor openHost(const fs::path& file, int flags) {
  win::Descriptor descriptor(::open(file.c_str(), flags | O_CLOEXEC, 0644));
  if (!descriptor.valid()) fail("cannot open", file);
  return descriptor;
}

constexpr int kNewFile = O_WRONLY | O_CREAT | O_EXCL;

// copy_file_range from offset until size bytes are copied, asking for at most step bytes at a time.
void copyRange(const fs::path& from, int64_t offset, int64_t size, const fs::path& to, size_t step) {
  const win::Descriptor in = openHost(from, O_RDONLY), out = openHost(to, kNewFile);
  off64_t inPos = offset, outPos = 0;
  for (int64_t left = size; left > 0;) {
    const ssize_t r =
        ::copy_file_range(in.get(), &inPos, out.get(), &outPos, std::min<uint64_t>(uint64_t(left), step), 0);
    if (r < 0 && errno == EINTR) continue;
    if (r <= 0) fail("cannot copy", from);
    left -= r;
  }
}

}  // namespace

double seconds(const std::function<void()>& work) {
  const auto start = std::chrono::steady_clock::now();
  work();
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

Turns timeInTurns(const std::vector<std::function<void()>>& ways, int rounds,
                  const std::function<void(int way)>& before, int watched, const std::function<void()>& afterWatched) {
  const int count = static_cast<int>(ways.size());
  Turns turns{std::vector<double>(ways.size(), std::numeric_limits<double>::infinity()), 0};
  for (int round = 0; round < rounds; ++round) {
    for (int turn = 0; turn < count; ++turn) {
      const int way = (round + turn) % count;
      before(way);
      if (way == watched) resetPeak();
      const size_t at = static_cast<size_t>(way);
      turns.best[at] = std::min(turns.best[at], seconds(ways[at]));
      if (way == watched) {
        turns.watchedPeakKiB = std::max(turns.watchedPeakKiB, statusKiB("VmHWM"));
        afterWatched();
      }
    }
  }
  return turns;
}

void runApart(const std::function<void()>& work) {
  const pid_t child = fork();
  if (child < 0) throw std::runtime_error("cannot start a child process");
  if (child == 0) {
    try {
      work();
      _exit(0);
    } catch (const std::exception& e) {
      std::cerr << e.what() << "\n";
      _exit(1);
    }
  }
  int status = 0;
  waitpid(child, &status, 0);
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) throw std::runtime_error("the child process failed");
}

double secondsPerCall(int calls, int rounds, const std::function<void(int index)>& call) {
  double best = std::numeric_limits<double>::infinity();
  for (int round = 0; round < rounds; ++round)
    best = std::min(best, seconds([&] {
                      for (int i = 0; i < calls; ++i) call(i);
                    }));
  return best / calls;
}

void plainCopy(const fs::path& from, int64_t offset, int64_t size, const fs::path& to) {
  std::vector<char> buffer(kPlainBuffer);
  std::FILE* in = std::fopen(from.c_str(), "rb");
  if (!in) fail("cannot open", from);
  std::FILE* out = std::fopen(to.c_str(), "wbx");
  if (!out) {
    std::fclose(in);
    fail("cannot create", to);
  }
  bool copied = std::fseek(in, offset, SEEK_SET) == 0;
  for (int64_t left = size; copied && left > 0;) {
    const size_t n = std::fread(buffer.data(), 1, static_cast<size_t>(std::min<int64_t>(left, kPlainBuffer)), in);
    copied = n > 0 && std::fwrite(buffer.data(), 1, n, out) == n;
    left -= static_cast<int64_t>(n);
  }
  copied = std::fclose(out) == 0 && copied;
  std::fclose(in);
  if (!copied) fail("cannot copy", from);
}

void systemCopy(const fs::path& from, const fs::path& to) {
  kernelRangeCopy(from, 0, static_cast<int64_t>(fs::file_size(from)), to);
}

void kernelRangeCopy(const fs::path& from, int64_t offset, int64_t size, const fs::path& to) {
  copyRange(from, offset, size, to, std::numeric_limits<ssize_t>::max());
}

void kernelCopyInSteps(const fs::path& from, int64_t offset, int64_t size, const fs::path& to, size_t step) {
  copyRange(from, offset, size, to, step);
}

void bufferedCopyInSteps(const fs::path& from, int64_t offset, int64_t size, const fs::path& to, size_t step) {
  const win::Descriptor in = openHost(from, O_RDONLY), out = openHost(to, kNewFile);
  std::vector<char> buffer(step);
  for (int64_t done = 0; done < size;) {
    const size_t want = static_cast<size_t>(std::min<int64_t>(size - done, int64_t(step)));
    const ssize_t got = ::pread(in.get(), buffer.data(), want, offset + done);
    if (got <= 0) fail("cannot read", from);
    if (::pwrite(out.get(), buffer.data(), size_t(got), done) != got) fail("cannot write", to);
    done += got;
  }
}

void syncFileSystemOf(const fs::path& path) {
  const win::Descriptor entry = openHost(path, O_RDONLY);
  if (::syncfs(entry.get()) != 0) fail("cannot sync", path);
}

void emptyFolder(const fs::path& folder) {
  fs::remove_all(folder);
  fs::create_directories(folder);
  sync();
}

double peakMiB() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss / 1024.0;
}

long statusKiB(const std::string& key) {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line))
    if (line.starts_with(key + ":")) return std::stol(line.substr(key.size() + 1));
  return -1;
}

void resetPeak() { std::ofstream("/proc/self/clear_refs") << "5"; }

}  // namespace bench
