#include "shared/pending_output.h"

#include "platform/error.h"
#include "platform/files.h"
#include "platform/host_files.h"

namespace {

constexpr int kAttempts = 100;

}  // namespace

PendingOutput::PendingOutput(std::string finalPath) : final_(std::move(finalPath)) {
  number_ = win::freeFile();
  for (int attempt = 1;; ++attempt) {
    temporary_ = final_ + win::randomNameSuffix();
    try {
      win::openFile(number_, temporary_, win::OpenMode::BinaryNew);
      return;
    } catch (const win::Error& e) {
      // Another file holds the name: take the next one; any other failure is the caller's.
      if (e.number() != win::FileAlreadyExists || attempt == kAttempts) throw;
    }
  }
}

PendingOutput::~PendingOutput() {
  if (!done_) discard();
}

void PendingOutput::commit() {
  win::closeFile(number_);
  win::replaceFile(temporary_, final_);
  done_ = true;
}

void PendingOutput::discard() {
  win::closeFile(number_);
  if (!done_) win::tryStep([&] { win::removeFile(temporary_); });
  done_ = true;
}
