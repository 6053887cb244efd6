#include "shared/pending_output.h"

#include "platform/files.h"

PendingOutput::PendingOutput(std::string_view finalPath) : number_(win::freeFile()) {
  win::openReplacement(number_, finalPath);
}

PendingOutput::~PendingOutput() { discard(); }

void PendingOutput::commit() {
  // A failed commit has removed the temporary file: nothing is left to discard.
  done_ = true;
  win::commitReplacement(number_);
}

void PendingOutput::discard() {
  if (!done_) win::closeFile(number_);
  done_ = true;
}
