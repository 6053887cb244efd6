#include "extract/tv_doit.h"

#include "platform/error.h"
#include "platform/files.h"
#include "platform/ui/application.h"
#include "platform/ui/message_box.h"
#include "shared/window_helpers.h"

TVDoItForm TVDoIt;

TVDoItForm::TVDoItForm() : WizardPage("TVDoIt") {
  ButtonCancel.onClick = TVDoIt_ButtonCancel_Click;
  ButtonNext.onClick = TVDoIt_ButtonNext_Click;
}

void TVDoItForm::design() {
  WizardPage::design();
  Label1.setCaption("Please wait, while the movie files are created...");
  LabelProgress.move(2520, 2400, 5535, 255);
  LabelProgress.setCaption("Initializing...");
  ProgressBar1.move(2520, 2760, 5535, 375);
  ButtonBack.setEnabled(false);
}

void TVDoItForm::closeRunFiles() {
  win::closeFile(FileIn);
  win::closeFile(FileOut);
  FileIn = 0;
  FileOut = 0;
}

void TVDoItForm::AbortRun() {
  closeRunFiles();
  if (pending_) pending_->discard();
  pending_.reset();
}

void TVDoIt_Form_Load() { SetFormFont(TVDoIt); }

void TVDoIt_ButtonCancel_Click() {
  win::tryStep([] {
    if (ui::msgBox("Are you sure you want to abort?", ui::kYesNo | ui::kDefaultButton2) != ui::kIdYes) return;
    TVDoIt.AbortRun();
    ui::endProgram();
  });
}

void TVDoIt_ButtonNext_Click() { ui::endProgram(); }

// Closing the page ends the program, during the run too; an output it was writing goes with it.
void TVDoIt_Form_Unload() {
  TVDoIt.AbortRun();
  ui::endProgram();
}
