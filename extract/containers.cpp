#include "extract/containers.h"

#include <algorithm>
#include <cstdio>

#include "platform/error.h"
#include "platform/files.h"
#include "shared/binary_reading.h"
#include "shared/error_report.h"
#include "shared/routines.h"

namespace {

constexpr const char* kSignature = "Interplay MVE File";
constexpr int kSignatureWidth = 18;
constexpr int kMvlEntryWidth = 17;
constexpr int kMvlNameWidth = 13;
constexpr int kBifTableStart = 20;
constexpr int kBifEntryWidth = 16;
// Entries hold 128, but only entries 1 to 127 are ever listed.
constexpr int kLastListedEntry = 127;

bool checkKind(int file, int32_t& value) {
  switch (mode1) {
    case kMveFile: return IsMVEAt(file, 0);
    case kMvlLibrary: {
      bool valid = textAt(file, 0, 4) == "VMVL";
      value = longAt(file, 4);
      return valid;
    }
    case kSelfPlayingExe: {
      bool valid = false;
      for (int32_t offset : kPlayerOffsets) {
        if (IsMVEAt(file, offset)) {
          valid = true;
          value = offset;
        }
      }
      return valid;
    }
    case kBifArchive: {
      if (textAt(file, 0, 4) != "BIFF") return false;
      value = longAt(file, 8);
      // The first entry's offset field is read whatever the count, also for an empty archive.
      return IsMVEAt(file, longAt(file, 24));
    }
    default: ReportAssertion("Unknown 'mode1'.", true); return false;
  }
}

// Whether a movie's bytes lie in a file of the given length; the one byte of slack past the end is
// what the listing has always allowed.
bool isWhole(int64_t offset, int64_t size, int64_t length) {
  return offset >= 0 && size >= 0 && offset <= kMaxContainerLength && offset + size <= length + 1;
}

DirectoryVerdict readMvl(int file, int64_t length, int32_t count, MovieTable& entries, const EntryHandler& onEntry) {
  int64_t dataStart = int64_t{count} * kMvlEntryWidth + 8;
  SeekTo(file, 8);
  for (int i = 1; i <= std::min(count, kLastListedEntry); ++i) {
    MovieEntry& entry = entries[i];
    ReadFixedString(file, entry.Name, kMvlNameWidth);
    entry.Size = win::getLong(file);
    int64_t offset = dataStart;
    dataStart += entry.Size;
    if (!isWhole(offset, entry.Size, length)) return DirectoryVerdict::Ripped;
    entry.Offset = static_cast<int32_t>(offset);
    onEntry(i, entry);
  }
  return DirectoryVerdict::Complete;
}

DirectoryVerdict readBif(int file, int64_t length, int32_t count, std::string_view path, MovieTable& entries,
                         const EntryHandler& onEntry) {
  for (int i = 1; i <= std::min(count, kLastListedEntry); ++i) {
    int64_t record = kBifTableStart + int64_t{kBifEntryWidth} * (i - 1);
    if (record + kBifEntryWidth > length) return DirectoryVerdict::Ripped;
    MovieEntry& entry = entries[i];
    entry.Name = BifEntryName(path, i);
    entry.Offset = longAt(file, record + 4);
    entry.Size = win::getLong(file);
    if (!isWhole(entry.Offset, entry.Size, length)) return DirectoryVerdict::Ripped;
    onEntry(i, entry);
  }
  return DirectoryVerdict::Complete;
}

}  // namespace

bool IsMVEAt(int fileNumber, int32_t offset) {
  // A damaged archive can point before the start of the file.
  if (offset < 0) return false;
  return textAt(fileNumber, offset, kSignatureWidth) == kSignature;
}

bool checkmvefiletype(std::string_view path, int32_t& value, SourceFault& fault) {
  if (!FileExists(path)) {
    fault = SourceFault::Missing;
    return false;
  }
  try {
    win::ScopedFile source(path, win::OpenMode::BinaryRead);
    if (win::lof(source.number()) > kMaxContainerLength) {
      fault = SourceFault::TooLarge;
      return false;
    }
    bool valid = checkKind(source.number(), value);
    fault = valid ? SourceFault::None : SourceFault::NotThisKind;
    return valid;
  } catch (const win::Error&) {
    fault = SourceFault::CannotOpen;
    return false;
  }
}

bool checkmvefiletype(std::string_view path, int32_t& value) {
  SourceFault fault;
  return checkmvefiletype(path, value, fault);
}

std::string BifEntryName(std::string_view sourcePath, int entryNumber) {
  std::string directory, fileName, base, extension;
  SplitPath(sourcePath, directory, fileName);
  SplitFileName(fileName, base, extension);
  char digits[16];
  std::snprintf(digits, sizeof digits, "%02d", entryNumber);  // two digits at least, three from 100 on
  return base + "-movie" + digits + ".mve";
}

DirectoryVerdict ReadLibraryDirectory(std::string_view path, MovieTable& entries, const EntryHandler& onEntry) {
  int32_t count = 0;
  SourceFault fault;
  checkmvefiletype(path, count, fault);
  if (fault == SourceFault::Missing || fault == SourceFault::CannotOpen || fault == SourceFault::TooLarge) {
    return DirectoryVerdict::Unreadable;
  }
  try {
    win::ScopedFile source(path, win::OpenMode::BinaryRead);
    int64_t length = win::lof(source.number());
    switch (mode1) {
      case kMvlLibrary: return readMvl(source.number(), length, count, entries, onEntry);
      case kBifArchive: return readBif(source.number(), length, count, path, entries, onEntry);
      default: ReportAssertion("Unknown 'mode1' in 'TvMVLSel'.", true); return DirectoryVerdict::Unreadable;
    }
  } catch (const win::Error&) {
    return DirectoryVerdict::Unreadable;
  }
}
