// bench_install [MIB [FILES]]: the install run against the system's own copy and a plain buffered copy of the
// same bytes.
//
// Builds a module archive of FILES generated files (1 to 100000) totalling MIB MiB (default 512 MiB in 8
// files) in a temporary folder, then copies it five times each way, in turns: the whole archive with the
// system's own copy (copy_file_range over the whole file, as cp copies), the same followed by a sync of its
// file system (as durable as the run, which syncs the module's files once), its entries with a plain stdio
// copy, its entries in 32768-byte steps of copy_file_range with nothing between them, and the module installed
// by qrw32's real start and install run on an offscreen window (the archive extracted into the temporary
// directory, each file then moved into place, the files synced once, the records). Prints the best throughput
// of each, in files per second too for the run and the plain copy, the run's ratios to the first three, and
// the memory: the process's peak and how far the resident size grew during the runs.

#include <QApplication>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <string>
#include <vector>

#include "bench/bench_support.h"
#include "installer/qw_main.h"
#include "installer/qwscreen2.h"
#include "installer/vm_hog.h"
#include "platform/drives.h"
#include "platform/profile.h"
#include "platform/system.h"
#include "platform/ui/application.h"
#include "platform/ui/form.h"
#include "tools/samples/sample_modules.h"

namespace fs = std::filesystem;
using bench::mib;

namespace {

constexpr int kRounds = 5;
constexpr int kMaxFiles = 100000;
constexpr int32_t kStep = 32768;
constexpr char kInstalled[] = "C:\\INSTALLED";

struct Entry {
  int64_t offset = 0;  // of its data in the archive
  int64_t size = 0;
};

// The name of the file with that index (from 0): the plan holds no text per file, so that the benchmark's own
// memory stays small beside the run's.
std::string fileName(size_t index) {
  char name[32];
  std::snprintf(name, sizeof name, "F%06zu.BIN", index + 1);
  return name;
}

struct Module {
  fs::path archive;
  std::vector<Entry> entries;
  int64_t bytes = 0;
};

// Where each file's data lies in an archive of count files sharing totalBytes. The description comes last in
// the archive, where the run finds it as well, so that no file's place depends on it.
Module planModule(const fs::path& archive, int64_t totalBytes, int count) {
  Module module{archive, {}, 0};
  int64_t offset = int64_t(kHogMagic.size());
  for (int i = 0; i < count; ++i) {
    const Entry entry{offset + kHogEntryHeaderLength, totalBytes / count};
    module.entries.push_back(entry);
    offset = entry.offset + entry.size;
    module.bytes += entry.size;
  }
  return module;
}

std::string description(const Module& module) {
  std::vector<std::string> files;
  for (size_t i = 0; i < module.entries.size(); ++i) files.push_back(fileName(i) + "," + fileName(i) + ",Main");
  return samples::iniText(
      {{"Module",
        {"Name=BENCH", "Long=Benchmark module", "Desc=Benchmark module", "VersionMajor=1", "VersionStatus=Final"}},
       {"Installation", {std::string("DefaultDirectory=") + kInstalled}},
       {"MkDirs", {"Main"}},
       {"Files", files}});
}

// One file's bytes at a time.
void writeModule(const Module& module) {
  samples::HogWriter writer(module.archive);
  uint32_t state = 1;
  for (size_t i = 0; i < module.entries.size(); ++i) {
    std::string bytes(static_cast<size_t>(module.entries[i].size), '\0');
    for (char& c : bytes) c = static_cast<char>((state = state * 1664525u + 1013904223u) >> 24);
    writer.add(fileName(i), bytes);
  }
  writer.add("quarrow.inf", description(module));
  writer.close();
}

void writeKey(const std::string& file, const char* section, const char* key, const std::string& value) {
  if (!win::writePrivateProfileString(section, key, value, file)) throw std::runtime_error("cannot write " + file);
}

// A family that records nothing yet, and nothing installed or extracted before: every run is a first install.
void freshFamily() {
  fs::remove_all(win::drives().toHost(kInstalled));
  fs::remove_all(win::drives().toHost("C:\\VYST\\_Temp"));
  fs::remove(win::drives().toHost("C:\\VYST\\vyst.ini"));
  writeKey("C:\\VYST\\vyst.ini", "General", "Vyst3-Installer", "bench_install");
}

// qrw32 started beside the archive, then Next: the module is installed with what the screen proposes.
void installRun() {
  Main();
  QWScreen2.ButtonNext.click();
  const bool succeeded = QWScreen2.List1.listCount() == 1 && QWScreen2.List1.list(0) == "There were no errors.";
  const std::string first = QWScreen2.List1.list(0);
  ui::tearDownAllForms();
  if (!succeeded) throw std::runtime_error("the install run listed: " + first);
}

// Whether a file holds exactly the bytes of a range of another, read a block at a time.
bool holdsRange(const fs::path& file, const fs::path& from, int64_t offset, int64_t size) {
  std::ifstream a(file, std::ios::binary), b(from, std::ios::binary);
  b.seekg(offset);
  const auto block = static_cast<size_t>(std::clamp<int64_t>(size, 1, 1 << 20));
  std::vector<char> x(block), y(block);
  for (int64_t left = size; left > 0;) {
    const auto n = static_cast<std::streamsize>(std::min<int64_t>(left, int64_t(x.size())));
    if (!a.read(x.data(), n) || !b.read(y.data(), n) || !std::equal(x.begin(), x.begin() + n, y.begin())) return false;
    left -= n;
  }
  return a.peek() == std::ifstream::traits_type::eof();
}

enum Way { kSystemCopy, kSyncedCopy, kPlainCopy, kKernelSteps, kInstallRun, kWays };

}  // namespace

int main(int argc, char** argv) {
  const int64_t totalMiB = argc > 1 ? std::atoll(argv[1]) : 512;
  const int count = argc > 2 ? std::atoi(argv[2]) : 8;
  // An archive is read with 32-bit positions, so it must stay below 2 GiB with its headers.
  if (totalMiB < 1 || count < 1 || count > kMaxFiles || totalMiB * 1024 * 1024 + 65536 > INT32_MAX) {
    std::cerr << "usage: bench_install [MIB [FILES]]: MIB below 2047, FILES from 1 to " << kMaxFiles << "\n";
    return 2;
  }
  char folderTemplate[] = "/tmp/vm-bench-XXXXXX";
  if (!mkdtemp(folderTemplate)) return 1;
  const fs::path folder = folderTemplate;
  try {
    const Module module = planModule(folder / "BENCH.QRM", totalMiB * 1024 * 1024, count);
    // The generator's memory is not the run's.
    bench::runApart([&] { writeModule(module); });
    const double archiveBytes = double(fs::file_size(module.archive)), moduleBytes = double(module.bytes);

    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    ui::applyClassicLook();  // as the program shows its screens
    win::drives().usePrefix(folder / "prefix");
    win::drives().map('T', folder);
    // Started from the archive's folder, on a family whose base directory is C:\VYST.
    win::setAppPath("T:\\");
    win::setAppExeName("qrw32");
    win::setCommandLine("");
    ui::setProgramTitle("QRW32");
    fs::create_directories(win::drives().toHost("C:\\VYST"));
    writeKey("C:\\VYST.CFG", "Directories", "Vyst3", "C:\\VYST");

    std::cout << "module: " << count << " files, " << module.bytes << " bytes (" << mib(moduleBytes)
              << " MiB) in one archive\n";
    const fs::path out = folder / "out";
    auto copyEntries = [&](const std::function<void(const Entry&, const fs::path&)>& copy) {
      for (size_t i = 0; i < module.entries.size(); ++i) copy(module.entries[i], out / fileName(i));
    };
    const fs::path installed = win::drives().toHost(kInstalled);
    // Byte for byte after the first run, by size after the others.
    bool compared = false;
    auto checkInstall = [&] {
      for (size_t i = 0; i < module.entries.size(); ++i) {
        const Entry& entry = module.entries[i];
        const fs::path file = installed / fileName(i);
        const bool right = compared ? fs::file_size(file) == static_cast<uintmax_t>(entry.size)
                                    : holdsRange(file, module.archive, entry.offset, entry.size);
        if (!right) throw std::runtime_error("the run installed " + fileName(i) + " wrongly");
      }
      compared = true;
    };
    const std::vector<std::function<void()>> ways = {
        [&] { bench::systemCopy(module.archive, out / "BENCH.QRM"); },
        [&] {
          bench::systemCopy(module.archive, out / "BENCH.QRM");
          bench::syncFileSystemOf(out);
        },
        [&] {
          copyEntries(
              [&](const Entry& e, const fs::path& to) { bench::plainCopy(module.archive, e.offset, e.size, to); });
        },
        [&] {
          copyEntries([&](const Entry& e, const fs::path& to) {
            bench::kernelCopyInSteps(module.archive, e.offset, e.size, to, kStep);
          });
        },
        [&] { installRun(); },
    };
    // Every timed copy starts with its target gone and no dirty pages left over.
    auto prepare = [&](int way) {
      if (way == kInstallRun) freshFamily();
      bench::emptyFolder(out);
    };
    // One copy first, so that the archive is in the page cache for every timed one.
    prepare(kSystemCopy);
    ways[kSystemCopy]();
    const long rssBefore = bench::statusKiB("VmRSS");
    const bench::Turns turns = bench::timeInTurns(ways, kRounds, prepare, kInstallRun, checkInstall);
    const std::vector<double>& best = turns.best;
    const long runPeak = turns.watchedPeakKiB;
    freshFamily();

    const double system = mib(archiveBytes) / best[kSystemCopy], synced = mib(archiveBytes) / best[kSyncedCopy],
                 plain = mib(moduleBytes) / best[kPlainCopy], steps = mib(moduleBytes) / best[kKernelSteps],
                 install = mib(moduleBytes) / best[kInstallRun];
    std::printf("system copy:     %8.1f MiB/s (best of %d, copy_file_range over the whole archive, as cp copies)\n",
                system, kRounds);
    std::printf(
        "synced copy:     %8.1f MiB/s (best of %d, the same followed by a sync of its file system, as the run "
        "syncs the module's)\n",
        synced, kRounds);
    std::printf("plain copy:      %8.1f MiB/s (best of %d, the files out of the archive, %zu-byte buffer)\n", plain,
                kRounds, bench::kPlainBuffer);
    std::printf("install run:     %8.1f MiB/s (best of %d: start, extraction, moves into place, sync, records)\n",
                install, kRounds);
    std::printf("ratios:          %8.1f %% of the system copy, %.1f %% of the synced copy, %.1f %% of the plain copy\n",
                100.0 * install / system, 100.0 * install / synced, 100.0 * install / plain);
    std::printf("files:           %8.0f files/s the run, %.0f files/s the plain copy\n", count / best[kInstallRun],
                count / best[kPlainCopy]);
    std::printf("per file:        %8.1f us the run, %.1f us the plain copy; the run takes %.2f times as long\n",
                1e6 * best[kInstallRun] / count, 1e6 * best[kPlainCopy] / count, best[kInstallRun] / best[kPlainCopy]);
    std::printf(
        "32 KiB steps:    %8.1f MiB/s copy_file_range in %d-byte steps, nothing between (%.1f %% of the "
        "system copy)\n",
        steps, kStep, 100.0 * steps / system);
    std::printf("peak memory:     %8.1f MiB (ru_maxrss)\n", bench::peakMiB());
    std::printf("during the runs: %8.1f MiB resident before, %.1f MiB at the peak (+%.1f MiB)\n", rssBefore / 1024.0,
                runPeak / 1024.0, (runPeak - rssBefore) / 1024.0);
  } catch (const std::exception& e) {
    std::cerr << "bench_install: " << e.what() << "\n";
    fs::remove_all(folder);
    return 1;
  }
  fs::remove_all(folder);
  return 0;
}
