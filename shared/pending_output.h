#pragma once
// An output file written under a temporary name beside its final name and put in place only when it is
// complete, so that a failed or aborted write never leaves a cut-short file under the final name and
// never destroys an older file of that name: the numbered face of the platform's one atomic writer
// (win::openReplacement), so a link planted in the folder is never written through, every write and the
// close are checked, and the committed file keeps the permission bits of the file it replaces. Its bytes
// are not synced on their own (win::Sync::Later): the install run syncs a module's files once before it
// records them, and the wizard's outputs are left to the system's writeback like any copy.
#include <string_view>

class PendingOutput {
 public:
  // Creates the temporary file beside finalPath and opens it for binary read-write under a free file
  // number. Raises win::Error when it cannot be created.
  explicit PendingOutput(std::string_view finalPath);
  // Discards the temporary file unless it was committed.
  ~PendingOutput();
  PendingOutput(const PendingOutput&) = delete;
  PendingOutput& operator=(const PendingOutput&) = delete;

  int fileNumber() const { return number_; }

  // Closes the file and renames it over the final name, which is replaced whatever it was (a link
  // included, which is not followed); the file number is free afterwards. Raises win::Error when that
  // fails; the temporary file is then gone and the final name as it was.
  void commit();
  // Closes and removes the temporary file; nothing when it is committed or discarded already.
  void discard();

 private:
  int number_ = 0;
  bool done_ = false;
};
