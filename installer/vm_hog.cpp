#include "installer/vm_hog.h"

#include <algorithm>
#include <array>
#include <cstdint>

#include "platform/drives.h"
#include "platform/error.h"
#include "platform/files.h"
#include "shared/error_report.h"
#include "shared/pending_output.h"
#include "shared/routines.h"

namespace {

constexpr int16_t kMaxCount = INT16_MAX;
constexpr std::string_view kInvalidCaption = "HOG file error";
constexpr std::string_view kInvalidMessage = "HOG file contains invalid data.";

// The data must lie wholly inside the archive: a size read from a damaged file is never trusted.
bool isWhole(const HogEntry& entry, int64_t archiveLength) {
  return entry.Size >= 0 && int64_t{entry.DataPos} + entry.Size <= archiveLength;
}

// All or nothing: a write that fails leaves the file that was there.
bool writeEntry(int archive, const HogEntry& entry, const std::string& targetDirectory) {
  return win::tryStep([&] {
    PendingOutput out(targetDirectory + entry.Name);
    CopyFileBytes(archive, out.fileNumber(), entry.Size);
    out.commit();
  });
}

}  // namespace

bool IsHogFile(int fileNumber) {
  std::array<char, kHogMagic.size()> bytes{};
  win::getBytes(fileNumber, bytes.data(), bytes.size());
  return std::string_view(bytes.data(), bytes.size()) == kHogMagic;
}

void ReadHogEntryHeader(int fileNumber, HogEntry& entry) {
  std::string name;
  ReadFixedString(fileNumber, name, kHogNameWidth);
  entry.Name = UpperCaseAscii(name);
  entry.Size = win::getLong(fileNumber);
  entry.DataPos = FilePos0(fileNumber);
}

int16_t Extract_HOG(std::string_view archivePath, std::string_view mask, std::string_view targetDirectory, int flags,
                    std::vector<std::string>* written) {
  int16_t count = 0;
  std::string target = AddPathSeparator(targetDirectory);
  if (!FileExists(archivePath)) return 0;
  win::tryStep([&] {
    win::ScopedFile archive(archivePath, win::OpenMode::BinaryRead);
    int in = archive.number();
    if (!IsHogFile(in)) {
      if (flags & kHogReportInvalid) ShowError("", kInvalidCaption, kInvalidMessage);
      return;
    }
    // Positions are 32-bit, so that is as far as an archive can be read.
    const int64_t length = std::min<int64_t>(win::lof(in), INT32_MAX);
    while (length - FilePos0(in) >= kHogEntryHeaderLength) {
      HogEntry entry;
      ReadHogEntryHeader(in, entry);
      if (!isWhole(entry, length)) break;
      if (MatchWild(mask, entry.Name) && win::isPlainFileName(entry.Name) && writeEntry(in, entry, target)) {
        if (count < kMaxCount) ++count;
        if (written) written->push_back(entry.Name);
      }
      SeekTo(in, int64_t{entry.DataPos} + entry.Size);
    }
  });
  return count;
}

bool MatchWild(std::string_view mask, std::string_view name) {
  std::string lowerMask = LowerCaseAscii(mask);
  std::string lowerName = LowerCaseAscii(name);
  if (lowerName == lowerMask || lowerMask == "*.*") return true;
  std::string maskBase, maskExtension, nameBase, nameExtension;
  SplitFileName(lowerMask, maskBase, maskExtension);
  SplitFileName(lowerName, nameBase, nameExtension);
  return MatchWildPart(maskBase, nameBase) && MatchWildPart(maskExtension, nameExtension);
}

bool MatchWildPart(std::string_view maskPart, std::string_view namePart) {
  std::string mask = LowerCaseAscii(maskPart);
  std::string name = LowerCaseAscii(namePart);
  for (size_t i = 0; i < mask.size(); ++i) {
    if (mask[i] == '*') return true;
    if (i >= name.size() || (mask[i] != '?' && mask[i] != name[i])) return false;
  }
  // No star was met, so only a name of the mask's length matches.
  return mask.size() == name.size();
}
