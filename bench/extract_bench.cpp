// bench_extract [MIB [MOVIES]]: the extraction run against the system's own copy and a plain buffered copy
// of the same bytes.
//
// Builds an MVL library of MOVIES generated movies totalling MIB MiB (default 512 MiB in 8 movies) in a
// temporary folder, then copies it five times each way, in turns: the whole library with the system's own
// copy (copy_file_range over the whole file, as cp copies), its movies by the kernel from their offsets in
// the library (copy_file_range over each movie's bytes, as dd with byte offsets cuts them out), its movies
// with a plain stdio copy, its movies in the run's blocks with nothing between them and no room set aside
// (with copy_file_range, and with pread and pwrite), and its movies with the run page's real run on an
// offscreen window. Prints the best throughput of each, the run's ratios to the first three, what a yield
// and a progress step cost per block, and the memory: the process's peak and how far the resident size grew
// during the runs. The movies lie at offsets that are not page-aligned, as in real libraries, so the copy of
// their byte ranges is the fair limit for the run; the whole-file copy is beside it.
#include <unistd.h>

#include <QApplication>
#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <string>
#include <vector>

#include "bench/bench_support.h"
#include "extract/tv_doit.h"
#include "extract/tv_main.h"
#include "extract/wizard_state.h"
#include "platform/drives.h"
#include "platform/ui/application.h"
#include "platform/ui/form.h"
#include "shared/block_copy.h"
#include "shared/identity.h"
#include "tools/samples/sample_containers.h"

namespace fs = std::filesystem;
using bench::mib;

namespace {

constexpr int kRounds = 5;

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

// The ways of copying, timed in turns: each round starts with the next one, so none always follows another.
enum Way { kSystemCopy, kKernelRanges, kPlainCopy, kKernelBlocks, kBufferedBlocks, kRun, kWays };

// The blocks, and so the progress steps and yields, of a run over the library.
int blocksOf(const Library& library) {
  int blocks = 0;
  for (const MovieEntry& movie : library.movies)
    blocks += static_cast<int>((int64_t{movie.Size} + kCopyBlock - 1) / kCopyBlock);
  return blocks;
}

// What a run does per block beside the copy, on the page as the run shows it: seconds per block of a yield
// alone, and of a progress step with its yield.
std::array<double, 2> perBlockCosts(int blocks, int64_t bytes) {
  TVDoIt.show();
  TVDoIt.refresh();
  TVDoIt.ProgressBar1.setMin(0);
  TVDoIt.ProgressBar1.setMax(static_cast<float>(bytes));
  const double yield = bench::secondsPerCall(blocks, kRounds, [](int) { ui::doEvents(); });
  const double step = bench::secondsPerCall(blocks, kRounds, [](int block) {
    TVDoIt.ProgressBar1.setValue(static_cast<float>(int64_t(block + 1) * kCopyBlock));
    ui::doEvents();
  });
  ui::tearDownAllForms();
  return {yield, step};
}

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
    // The generator's memory is not the run's.
    bench::runApart([&] { writeLibrary(library); });
    const double libraryBytes = double(fs::file_size(library.file)), movieBytes = double(library.bytes);

    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    ui::applyClassicLook();  // as the program shows its pages
    win::drives().usePrefix(folder / "prefix");
    win::drives().map('T', folder);
    pfad_main = "C:\\";
    ui::setProgramTitle("TOVRIK32");

    std::cout << "library: " << count << " movies, " << library.bytes << " bytes (" << mib(movieBytes)
              << " MiB) in one MVL file\n";
    const fs::path out = folder / "out";
    auto copyMovies = [&](const std::function<void(const MovieEntry&, const fs::path&)>& copy) {
      for (const MovieEntry& movie : library.movies) copy(movie, out / movie.Name);
    };
    auto checkRun = [&] {
      for (const MovieEntry& movie : library.movies)
        if (fs::file_size(out / movie.Name) != static_cast<uintmax_t>(movie.Size))
          throw std::runtime_error("the run wrote " + movie.Name + " with the wrong size");
    };
    const std::vector<std::function<void()>> ways = {
        [&] { bench::systemCopy(library.file, out / "MOVIES.MVL"); },
        [&] {
          copyMovies([&](const MovieEntry& m, const fs::path& to) {
            bench::kernelRangeCopy(library.file, m.Offset, m.Size, to);
          });
        },
        [&] {
          copyMovies(
              [&](const MovieEntry& m, const fs::path& to) { bench::plainCopy(library.file, m.Offset, m.Size, to); });
        },
        [&] {
          copyMovies([&](const MovieEntry& m, const fs::path& to) {
            bench::kernelCopyInSteps(library.file, m.Offset, m.Size, to, kCopyBlock);
          });
        },
        [&] {
          copyMovies([&](const MovieEntry& m, const fs::path& to) {
            bench::bufferedCopyInSteps(library.file, m.Offset, m.Size, to, kCopyBlock);
          });
        },
        [&] { extractionRun(library, "T:\\MOVIES.MVL", "T:\\out"); },
    };
    // One copy first, so that the library is in the page cache for every timed one.
    bench::emptyFolder(out);
    ways[kSystemCopy]();
    const long rssBefore = bench::statusKiB("VmRSS");
    const bench::Turns turns = bench::timeInTurns(
        ways, kRounds, [&](int) { bench::emptyFolder(out); }, kRun, checkRun);
    const std::vector<double>& best = turns.best;
    const long runPeak = turns.watchedPeakKiB;
    bench::emptyFolder(out);
    const double emptyRun = bench::seconds([&] { extractionRun(Library{}, "T:\\MOVIES.MVL", "T:\\out"); });
    const int blocks = blocksOf(library);
    const auto [yield, step] = perBlockCosts(blocks, library.bytes);

    const double system = mib(libraryBytes) / best[kSystemCopy], ranges = mib(movieBytes) / best[kKernelRanges],
                 plain = mib(movieBytes) / best[kPlainCopy], inBlocks = mib(movieBytes) / best[kKernelBlocks],
                 buffered = mib(movieBytes) / best[kBufferedBlocks], run = mib(movieBytes) / best[kRun];
    std::printf("system copy:     %8.1f MiB/s (best of %d, copy_file_range over the whole file, as cp copies)\n",
                system, kRounds);
    std::printf(
        "same ranges:     %8.1f MiB/s (best of %d, copy_file_range over each movie's bytes from its offset in the "
        "library, as dd with byte offsets)\n",
        ranges, kRounds);
    std::printf("plain copy:      %8.1f MiB/s (best of %d, %zu-byte buffer)\n", plain, kRounds, bench::kPlainBuffer);
    std::printf("extraction run:  %8.1f MiB/s (best of %d)\n", run, kRounds);
    std::printf("ratios:          %8.1f %% of the same ranges, %.1f %% of the system copy, %.1f %% of the plain copy\n",
                100.0 * run / ranges, 100.0 * run / system, 100.0 * run / plain);
    std::printf(
        "blocks alone:    %8.1f MiB/s copy_file_range in the run's %d blocks of %d bytes, nothing between, no room set "
        "aside\n",
        inBlocks, blocks, kCopyBlock);
    std::printf("                 %8.1f MiB/s pread and pwrite in the same blocks through one buffer\n", buffered);
    std::printf("                 %8.1f %% and %.1f %% of the system copy; the run reaches %.1f %% of the first\n",
                100.0 * inBlocks / system, 100.0 * buffered / system, 100.0 * run / inBlocks);
    std::printf("per block:       %8.2f us a yield with no event pending, %.2f us a progress step and its yield\n",
                1e6 * yield, 1e6 * step);
    std::printf("the page:        %8.1f ms to show, repaint and close it (a run without movies)\n", emptyRun * 1000);
    std::printf("peak memory:     %8.1f MiB (ru_maxrss)\n", bench::peakMiB());
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
