#pragma once
// An output file written under a temporary name beside its final name and put in place only when it is
// complete, so that a failed or aborted write never leaves a cut-short file under the final name and
// never destroys an older file of that name.
#include <string>

class PendingOutput {
 public:
  // Picks a temporary name in the final file's directory that no file uses yet.
  explicit PendingOutput(std::string finalPath);

  const std::string& finalPath() const { return final_; }
  const std::string& temporaryPath() const { return temporary_; }

  // Renames the temporary file over the final name; raises win::Error when that fails.
  void commit();
  // Removes the temporary file; nothing when it is not there.
  void discard();

 private:
  std::string final_;
  std::string temporary_;
};
