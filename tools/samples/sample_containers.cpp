#include "tools/samples/sample_containers.h"

#include <algorithm>
#include <stdexcept>

#include "platform/host_files.h"
#include "tools/samples/sample_bytes.h"

namespace samples {
namespace {

constexpr size_t kChunkPayload = 16384;
constexpr uint16_t kDataChunk = 1;
constexpr uint16_t kEndChunk = 5;

// Deterministic bytes, so that every run of the generator makes the same files.
class Noise {
 public:
  explicit Noise(uint32_t pattern) : state_(pattern ? pattern : 0x9E3779B9u) {}
  char next() {
    state_ ^= state_ << 13;
    state_ ^= state_ >> 17;
    state_ ^= state_ << 5;
    return static_cast<char>(state_ & 0xFF);
  }
  void fill(std::string& out, size_t n) {
    for (size_t i = 0; i < n; ++i) out += next();
  }

 private:
  uint32_t state_;
};

void writeHostFile(const std::filesystem::path& path, const std::string& bytes) {
  if (!win::replaceWholeFile(path, bytes)) throw std::runtime_error("cannot write " + path.string());
}

}  // namespace

std::string mveMovie(size_t size, uint32_t pattern) {
  if (size < kShortestMovie) throw std::invalid_argument("an MVE movie needs at least 30 bytes");
  std::string movie = kMveSignature;
  movie += std::string("\x1A\x00\x1A\x00\x00\x01\x33\x11", 8);
  Noise noise(pattern);
  size_t rest = size - kMveHeaderLength;
  // Each data chunk leaves at least the end chunk's four header bytes behind it.
  while (rest > 8) {
    size_t payload = std::min(rest - 8, kChunkPayload);
    putShort(movie, static_cast<uint16_t>(payload));
    putShort(movie, kDataChunk);
    noise.fill(movie, payload);
    rest -= 4 + payload;
  }
  putShort(movie, static_cast<uint16_t>(rest - 4));
  putShort(movie, kEndChunk);
  movie.append(rest - 4, '\0');
  return movie;
}

std::string mvlLibrary(const std::vector<MvlEntry>& entries, const MvlOptions& options) {
  std::string library;
  putField(library, options.magic, 4);
  putLong(library, options.declaredCount.value_or(static_cast<int32_t>(entries.size())));
  for (const MvlEntry& entry : entries) {
    putField(library, entry.name, 13);
    putLong(library, entry.declaredSize.value_or(static_cast<int32_t>(entry.data.size())));
  }
  for (const MvlEntry& entry : entries) library += entry.data;
  return library;
}

std::string bifArchive(const std::vector<BifEntry>& entries, const BifOptions& options) {
  std::string archive;
  putField(archive, options.magic, 4);
  archive += "V1  ";
  putLong(archive, options.declaredCount.value_or(static_cast<int32_t>(entries.size())));
  archive.append(8, '\0');
  size_t dataAt = archive.size() + 16 * entries.size();
  for (const BifEntry& entry : entries) {
    putLong(archive, 0);
    putLong(archive, entry.declaredOffset.value_or(static_cast<int32_t>(dataAt)));
    putLong(archive, entry.declaredSize.value_or(static_cast<int32_t>(entry.data.size())));
    putLong(archive, 0);
    dataAt += entry.data.size();
  }
  for (const BifEntry& entry : entries) archive += entry.data;
  return archive;
}

std::string selfPlayingExe(const std::string& movie, int32_t movieOffset) {
  std::string exe = "MZ";
  Noise noise(static_cast<uint32_t>(movieOffset));
  noise.fill(exe, static_cast<size_t>(std::max(movieOffset, 2)) - 2);
  exe.resize(static_cast<size_t>(movieOffset));
  return exe + movie;
}

std::string truncated(std::string container, size_t missingBytes) {
  container.resize(container.size() - std::min(missingBytes, container.size()));
  return container;
}

void writeSampleFolder(const std::filesystem::path& folder) {
  std::filesystem::create_directories(folder);
  writeHostFile(folder / "MOVIES.MVL", mvlLibrary({{"INTRO.MVE", mveMovie(45000, 1), {}},
                                                   {"BATTLE.MVE", mveMovie(131072, 2), {}},
                                                   {"ENDING.MVE", mveMovie(200001, 3), {}}}));
  writeHostFile(
      folder / "AREA.BIF",
      bifArchive({{mveMovie(40960, 4), {}, {}}, {mveMovie(65537, 5), {}, {}}, {mveMovie(150000, 6), {}, {}}}));
  writeHostFile(folder / "TRAILER.EXE", selfPlayingExe(mveMovie(98305, 7), 76800));
  writeHostFile(folder / "LOGO.MVE", mveMovie(307200, 8));
}

}  // namespace samples
