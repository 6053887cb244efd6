// bench_extract [MIB [MOVIES]]: the extraction run against a plain buffered copy of the same bytes.
//
// Builds an MVL library of MOVIES generated movies totalling MIB MiB (default 512 MiB in 8 movies) in a
// temporary folder, then copies its movies out five times each way, alternating: with a plain stdio copy,
// and with the run page's real run on an offscreen window. Prints the best throughput of each, their
// ratio, and the memory: the process's peak and how far the resident size grew during the runs.
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <string>
#include <vector>

#include "extract/tv_doit.h"
#include "extract/tv_main.h"
#include "extract/wizard_state.h"
#include "platform/drives.h"
#include "platform/ui/application.h"
#include "platform/ui/form.h"
#include "shared/identity.h"
#include "tools/samples/sample_containers.h"

namespace fs = std::filesystem;

namespace {

constexpr int kRounds = 5;
constexpr size_t kPlainBuffer = 65536;

struct Library {
  fs::path file;
  std::vector<MovieEntry> movies;
  int64_t bytes = 0;
};

// Where each movie lies in an MVL library of count movies sharing totalBytes.
Library planLibrary(const fs::path& file, int64_t totalBytes, int count) {
  Library library{file, {}, 0};
  const int32_t size = static_cast<int32_t>(totalBytes / count);
  int64_t offset = 8 + 17 * count;
  for (int i = 0; i < count; ++i) {
    library.movies.push_back({"MOVIE" + std::to_string(i + 1) + ".MVE", static_cast<int32_t>(offset), size});
    offset += size;
    library.bytes += size;
  }
  return library;
}

// The directory first, then each movie appended as it is made, so that one movie at a time is in memory.
void writeLibrary(const Library& library) {
  std::vector<samples::MvlEntry> directory;
  for (const MovieEntry& movie : library.movies) directory.push_back({movie.Name, "", movie.Size});
  std::ofstream out(library.file, std::ios::binary);
  const std::string head = samples::mvlLibrary(directory);
  out.write(head.data(), static_cast<std::streamsize>(head.size()));
  uint32_t pattern = 1;
  for (const MovieEntry& movie : library.movies) {
    const std::string bytes = samples::mveMovie(static_cast<size_t>(movie.Size), pattern++);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  }
  if (!out) throw std::runtime_error("cannot write " + library.file.string());
}

// The generator's memory is not the run's: it works in a child process.
void writeLibraryApart(const Library& library) {
  pid_t child = fork();
  if (child == 0) {
    try {
      writeLibrary(library);
      _exit(0);
    } catch (const std::exception& e) {
      std::cerr << e.what() << "\n";
      _exit(1);
    }
  }
  int status = 0;
  waitpid(child, &status, 0);
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) throw std::runtime_error("the generator failed");
}

double seconds(const std::function<void()>& work) {
  auto start = std::chrono::steady_clock::now();
  work();
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void plainCopy(const Library& library, const fs::path& folder) {
  std::vector<char> buffer(kPlainBuffer);
  std::FILE* in = std::fopen(library.file.c_str(), "rb");
  for (const MovieEntry& movie : library.movies) {
    std::FILE* out = std::fopen((folder / movie.Name).c_str(), "wb");
    std::fseek(in, movie.Offset, SEEK_SET);
    for (int64_t left = movie.Size; left > 0;) {
      size_t n = std::fread(buffer.data(), 1, static_cast<size_t>(std::min<int64_t>(left, kPlainBuffer)), in);
      if (n == 0 || std::fwrite(buffer.data(), 1, n, out) != n) throw std::runtime_error("plain copy failed");
      left -= static_cast<int64_t>(n);
    }
    std::fclose(out);
  }
  std::fclose(in);
}

void extractionRun(const Library& library, const std::string& winLibrary, const std::string& winTarget) {
  mode1 = kMvlLibrary;
  mode2 = kMveOutput;
  StubFile.clear();
  SourcePath = winLibrary;
  TargetDir = winTarget;
  MovieCount = static_cast<int16_t>(library.movies.size());
  SpaceNeeded = library.bytes;
  for (size_t i = 0; i < library.movies.size(); ++i) Movies[static_cast<int>(i) + 1] = library.movies[i];
  RunTVDoIt();
  const bool succeeded = TVDoIt.Label1.caption().starts_with("The process completed successfully.");
  ui::tearDownAllForms();
  if (!succeeded) throw std::runtime_error("the extraction run failed");
}

// Each timed copy starts on an empty folder with no dirty pages left over from the last one.
void emptyFolder(const fs::path& folder) {
  fs::remove_all(folder);
  fs::create_directories(folder);
  sync();
}

// A line of /proc/self/status in KiB, such as VmRSS or VmHWM.
long statusKiB(const std::string& key) {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line))
    if (line.starts_with(key + ":")) return std::stol(line.substr(key.size() + 1));
  return -1;
}

// Lets VmHWM measure from here on.
void resetPeak() { std::ofstream("/proc/self/clear_refs") << "5"; }

double mib(double bytes) { return bytes / (1024.0 * 1024.0); }

}  // namespace

int main(int argc, char** argv) {
  const int64_t totalMiB = argc > 1 ? std::atoll(argv[1]) : 512;
  const int count = argc > 2 ? std::atoi(argv[2]) : 8;
  if (totalMiB < 1 || count < 1 || count > 127 || totalMiB * 1024 * 1024 / count > INT32_MAX) {
    std::cerr << "usage: bench_extract [MIB [MOVIES]]: MOVIES from 1 to 127, each under 2 GiB\n";
    return 2;
  }
  char folderTemplate[] = "/tmp/vm-bench-XXXXXX";
  if (!mkdtemp(folderTemplate)) return 1;
  const fs::path folder = folderTemplate;
  try {
    const Library library = planLibrary(folder / "MOVIES.MVL", totalMiB * 1024 * 1024, count);
    writeLibraryApart(library);

    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    win::drives().usePrefix(folder / "prefix");
    win::drives().map('T', folder);
    pfad_main = "C:\\";
    ui::setProgramTitle("TOVRIK32");

    std::cout << "library: " << count << " movies, " << library.bytes << " bytes (" << mib(double(library.bytes))
              << " MiB) in one MVL file\n";
    const fs::path plainFolder = folder / "plain", runFolder = folder / "run";
    double plainBest = 1e300, runBest = 1e300, emptyBest = 1e300;
    // One round of the plain copy first, so that the source is in the cache for both.
    emptyFolder(plainFolder);
    plainCopy(library, plainFolder);
    const long rssBefore = statusKiB("VmRSS");
    long runPeak = 0;
    for (int round = 0; round < kRounds; ++round) {
      emptyFolder(plainFolder);
      plainBest = std::min(plainBest, seconds([&] { plainCopy(library, plainFolder); }));
      emptyFolder(runFolder);
      resetPeak();
      runBest = std::min(runBest, seconds([&] { extractionRun(library, "T:\\MOVIES.MVL", "T:\\run"); }));
      runPeak = std::max(runPeak, statusKiB("VmHWM"));
      emptyBest = std::min(emptyBest, seconds([&] { extractionRun(Library{}, "T:\\MOVIES.MVL", "T:\\run"); }));
    }
    for (const MovieEntry& movie : library.movies)
      if (fs::file_size(runFolder / movie.Name) != static_cast<uintmax_t>(movie.Size))
        throw std::runtime_error("the run wrote " + movie.Name + " with the wrong size");

    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const double plainRate = mib(double(library.bytes)) / plainBest, runRate = mib(double(library.bytes)) / runBest;
    std::printf("plain copy:      %8.1f MiB/s (best of %d, %zu-byte buffer)\n", plainRate, kRounds, kPlainBuffer);
    std::printf("extraction run:  %8.1f MiB/s (best of %d)\n", runRate, kRounds);
    std::printf("ratio:           %8.1f %% of the plain copy\n", 100.0 * runRate / plainRate);
    std::printf("of the run:      %8.1f ms to show, repaint and close the page (a run without movies)\n",
                emptyBest * 1000);
    std::printf("peak memory:     %8.1f MiB (ru_maxrss)\n", usage.ru_maxrss / 1024.0);
    std::printf("during the runs: %8.1f MiB resident before, %.1f MiB at the peak (+%.1f MiB)\n", rssBefore / 1024.0,
                runPeak / 1024.0, (runPeak - rssBefore) / 1024.0);
  } catch (const std::exception& e) {
    std::cerr << "bench_extract: " << e.what() << "\n";
    fs::remove_all(folder);
    return 1;
  }
  fs::remove_all(folder);
  return 0;
}
