#include "shared/pending_output.h"

#include "platform/error.h"
#include "platform/files.h"
#include "shared/routines.h"

PendingOutput::PendingOutput(std::string finalPath) : final_(std::move(finalPath)) {
  temporary_ = final_ + ".~tv";
  for (int n = 2; FileExists(temporary_) || win::directoryExists(temporary_); ++n)
    temporary_ = final_ + ".~tv" + std::to_string(n);
}

void PendingOutput::commit() { win::replaceFile(temporary_, final_); }

void PendingOutput::discard() {
  win::tryStep([&] { win::kill(temporary_); });
}
