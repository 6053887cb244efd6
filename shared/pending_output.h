#pragma once
// An output file written under a temporary name beside its final name and put in place only when it is
// complete, so that a failed or aborted write never leaves a cut-short file under the final name and
// never destroys an older file of that name. The temporary file is created new under a name nobody can
// guess beforehand, so a link planted in the folder is never written through.
#include <string>

class PendingOutput {
 public:
  // Creates the temporary file beside finalPath and opens it for binary read-write under a free file
  // number. Raises win::Error when it cannot be created.
  explicit PendingOutput(std::string finalPath);
  // Discards the temporary file unless it was committed.
  ~PendingOutput();
  PendingOutput(const PendingOutput&) = delete;
  PendingOutput& operator=(const PendingOutput&) = delete;

  int fileNumber() const { return number_; }

  // Closes the file and renames it over the final name, which is replaced whatever it was (a link
  // included, which is not followed); raises win::Error when that fails, and the temporary file stays
  // for discard().
  void commit();
  // Closes and removes the temporary file; nothing when it is gone already.
  void discard();

 private:
  std::string final_;
  std::string temporary_;
  int number_ = 0;
  bool done_ = false;
};
