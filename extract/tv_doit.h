#pragma once
// The run page: writes one output file per chosen movie, a player stub first where the output kind has
// one, with the progress shown block by block; then offers Exit. The page is in tv_doit.cpp, the run
// (DoIt and the copies) in tv_doit_run.cpp.
#include <cstdint>
#include <optional>
#include <string>

#include "extract/wizard_page.h"
#include "extract/wizard_state.h"
#include "platform/ui/progress_bar.h"
#include "shared/pending_output.h"

void TVDoIt_Form_Load();
void TVDoIt_ButtonCancel_Click();
void TVDoIt_ButtonNext_Click();
void TVDoIt_Form_Unload();

class TVDoItForm : public WizardPage {
 public:
  TVDoItForm();

  // The run; RunTVDoIt calls it once the page shows. Returns at once while a run is going on.
  void DoIt();
  // Copies count bytes from the input file's position to the output file's position with CopyBlocks, a
  // progress step and a yield after each block.
  void copypartX(int16_t in, int16_t out, int32_t count);

  // Closes the run's files and removes the output it was writing; the program ends after it.
  void AbortRun();

  // The open input (stub or source) and output of the run, 0 when none.
  int16_t FileIn = 0;
  int16_t FileOut = 0;

  ui::Label LabelProgress{this, "LabelProgress"};
  ui::ProgressBar ProgressBar1{this, "ProgressBar1"};  // bytes written of SpaceNeeded

 protected:
  void design() override;
  void onLoad() override { TVDoIt_Form_Load(); }
  void onUnload() override { TVDoIt_Form_Unload(); }

 private:
  void writeMovie(const MovieEntry& movie, const std::string& outputName, const std::string& stubPath,
                  int64_t stubLength, const std::string& sourcePath, const std::string& targetDir);
  void copyExtra(const std::string& from, const std::string& to);
  void advance(int64_t bytes);
  void closeRunFiles();
  void recordFailure(const std::string& outputName, const std::string& reason);

  bool running_ = false;
  int64_t progress_ = 0;  // bytes copied; the bar's single-precision Value only shows it
  std::optional<PendingOutput> pending_;
  std::string failures_;  // one line per output that could not be written
};
extern TVDoItForm TVDoIt;
