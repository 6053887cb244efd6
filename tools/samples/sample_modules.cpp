#include "tools/samples/sample_modules.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <stdexcept>

#include "installer/vm_hog.h"
#include "platform/host_files.h"
#include "tools/samples/sample_bytes.h"

namespace samples {

namespace {

constexpr size_t kBlock = 1 << 20;

std::string entryHeader(const std::string& name, int32_t size) {
  std::string header;
  putField(header, name, kHogNameWidth);
  putLong(header, size);
  return header;
}

// The size field is 32-bit signed.
int32_t entrySize(uintmax_t size, const std::string& name) {
  if (size > static_cast<uintmax_t>(INT32_MAX)) throw std::runtime_error("entry " + name + " is 2 GiB or more");
  return static_cast<int32_t>(size);
}

}  // namespace

std::string hogArchive(const std::vector<HogFile>& entries) {
  std::string archive(kHogMagic);
  for (const HogFile& entry : entries)
    archive +=
        entryHeader(entry.name, entry.declaredSize.value_or(static_cast<int32_t>(entry.data.size()))) + entry.data;
  return archive;
}

HogWriter::HogWriter(const std::filesystem::path& archive)
    : path_(archive), file_(std::make_unique<win::ReplacementFile>(archive)) {
  if (!file_->created())
    throw std::runtime_error("cannot create " + path_.string() + ": " + std::strerror(file_->error()));
  write(kHogMagic);
}

HogWriter::~HogWriter() = default;

void HogWriter::add(const std::string& name, std::string_view data) {
  write(entryHeader(name, entrySize(data.size(), name)));
  write(data);
}

void HogWriter::addFile(const std::string& name, const std::filesystem::path& source) {
  std::ifstream in(source, std::ios::binary);
  std::error_code ec;
  const uintmax_t size = std::filesystem::file_size(source, ec);
  if (!in || ec) throw std::runtime_error("cannot read " + source.string());
  write(entryHeader(name, entrySize(size, name)));
  std::string block(kBlock, '\0');
  for (uintmax_t left = size; left > 0;) {
    const auto want = static_cast<std::streamsize>(std::min<uintmax_t>(left, kBlock));
    if (!in.read(block.data(), want)) throw std::runtime_error("cannot read " + source.string());
    write(std::string_view(block.data(), static_cast<size_t>(want)));
    left -= static_cast<uintmax_t>(want);
  }
}

void HogWriter::close() {
  if (!file_->commit(win::Sync::BeforeRename))
    throw std::runtime_error("cannot write " + path_.string() + ": " + std::strerror(file_->error()));
}

void HogWriter::write(std::string_view bytes) {
  if (!win::writeAll(file_->fd(), bytes))
    throw std::runtime_error("cannot write " + path_.string() + ": " + std::strerror(errno));
}

std::string iniText(const std::vector<IniSection>& sections) {
  std::string text;
  for (const IniSection& section : sections) {
    text += "[" + section.name + "]\r\n";
    for (const std::string& line : section.lines) text += line + "\r\n";
  }
  return text;
}

}  // namespace samples
