#include <algorithm>
#include <vector>

#include "extract/output_names.h"
#include "extract/tv_doit.h"
#include "platform/error.h"
#include "platform/files.h"
#include "platform/system.h"
#include "platform/ui/application.h"
#include "shared/block_copy.h"
#include "shared/error_report.h"
#include "shared/identity.h"
#include "shared/routines.h"

namespace {

constexpr char kSucceeded[] = "The process completed successfully. Thanks for using Vortane Manager Tools!";
constexpr char kFailed[] =
    "The process ended with errors: not every file could be written. Files that were not written "
    "completely were left out.";

// Clears the run's flag however the run is left, also when the program ends at a yield.
class RunningFlag {
 public:
  explicit RunningFlag(bool& flag) : flag_(flag) { flag_ = true; }
  ~RunningFlag() { flag_ = false; }
  RunningFlag(const RunningFlag&) = delete;
  RunningFlag& operator=(const RunningFlag&) = delete;

 private:
  bool& flag_;
};

}  // namespace

void TVDoItForm::DoIt() {
  if (running_) return;
  RunningFlag runningFlag(running_);
  failures_.clear();

  // The run works on the choices as they were when it started, whatever runs at its yields.
  const MovieTable movies = Movies;
  const int count = std::clamp<int>(MovieCount, 0, MovieTable::kCapacity);
  const std::string sourcePath = SourcePath;
  const std::string stubFile = StubFile;
  const int16_t outputKind = mode2;
  const std::string mainDir = AddPathSeparator(pfad_main);

  const std::string stubPath = IsValue(stubFile) ? mainDir + "stub\\" + stubFile : std::string();
  int64_t stubLength = 0;
  if (!stubPath.empty()) win::tryStep([&] { stubLength = win::fileLen(stubPath); });
  TargetDir = AddPathSeparator(TargetDir);
  const std::string targetDir = TargetDir;
  ProgressBar1.setMin(0);
  ProgressBar1.setMax(static_cast<float>(SpaceNeeded));
  ProgressBar1.setValue(0);
  progress_ = 0;

  const std::vector<std::string> names = OutputNames(movies, count, outputKind);
  for (int k = 1; k <= count; ++k) {
    LabelProgress.setCaption("Processing " + names[k - 1] + "...");
    writeMovie(movies[k], names[k - 1], stubPath, stubLength, sourcePath, targetDir);
  }

  ButtonCancel.setEnabled(false);
  ButtonNext.setEnabled(true);
  ButtonNext.setCaption("E&xit");
  // Exit is the page's default button: with the focus on it, Enter ends the program, and not About,
  // which has the focus while the run goes on.
  ButtonNext.setFocus();
  if (outputKind == kDosExe) {
    win::desktop().startTextViewer(mainDir + "DOSPLAY.TXT");
    copyExtra(mainDir + "HMI\\hmidet.386", targetDir + "hmidet.386");
    copyExtra(mainDir + "HMI\\hmidrv.386", targetDir + "hmidrv.386");
  }
  Label1.setCaption(failures_.empty() ? kSucceeded : kFailed);
  ProgressBar1.setVisible(false);
  LabelProgress.setVisible(false);
  refresh();
  if (!failures_.empty()) ShowError("", "Extraction failed", "These files could not be written:\r\n" + failures_);
}

void TVDoItForm::writeMovie(const MovieEntry& movie, const std::string& outputName, const std::string& stubPath,
                            int64_t stubLength, const std::string& sourcePath, const std::string& targetDir) {
  const std::string outputPath = targetDir + outputName;
  try {
    if (win::sameFile(outputPath, sourcePath)) {
      recordFailure(outputName, "it is the source file itself");
      return;
    }
    pending_.emplace(outputPath);
    FileOut = static_cast<int16_t>(pending_->fileNumber());
    if (!stubPath.empty()) {
      FileIn = static_cast<int16_t>(win::freeFile());
      win::openFile(FileIn, stubPath, win::OpenMode::BinaryRead);
      copypartX(FileIn, FileOut, static_cast<int32_t>(stubLength));
      win::closeFile(FileIn);
    }
    FileIn = static_cast<int16_t>(win::freeFile());
    win::openFile(FileIn, sourcePath, win::OpenMode::BinaryRead);
    SeekTo(FileIn, movie.Offset);
    copypartX(FileIn, FileOut, movie.Size);
    // The output's number is the pending output's own: its commit closes it.
    FileOut = 0;
    closeRunFiles();
    pending_->commit();
    pending_.reset();
  } catch (const win::Error& e) {
    AbortRun();
    recordFailure(outputName, win::Error::description(e.number()));
  }
}

void TVDoItForm::copyExtra(const std::string& from, const std::string& to) {
  std::string name, directory;
  SplitPath(to, directory, name);
  try {
    if (win::sameFile(from, to)) return;  // the target is the folder the file comes from
    win::fileCopy(from, to);
  } catch (const win::Error& e) {
    recordFailure(name, win::Error::description(e.number()));
  }
}

void TVDoItForm::copypartX(int16_t in, int16_t out, int32_t count) {
  CopyBlocks(in, out, count, [this](int64_t bytes) {
    advance(bytes);
    ui::doEvents();
  });
}

void TVDoItForm::advance(int64_t bytes) {
  progress_ += bytes;
  ProgressBar1.setValue(static_cast<float>(progress_));
}

void TVDoItForm::recordFailure(const std::string& outputName, const std::string& reason) {
  failures_ += "\r\n" + outputName + " (" + reason + ")";
}
