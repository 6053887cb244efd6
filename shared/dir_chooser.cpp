#include "shared/dir_chooser.h"

#include "platform/error.h"
#include "shared/window_helpers.h"

std::string dirc_path;

VystDirCForm VystDirC;

namespace {
// Set while the drive list is put back after a drive that could not be read, so that its Change
// leaves the directory list where it was.
bool restoringDrive = false;
}  // namespace

VystDirCForm::VystDirCForm() : Form("VystDirC") {
  Drive1.onChange = VystDirC_Drive1_Change;
  Dir1.onChange = VystDirC_Dir1_Change;
  Command1.onClick = VystDirC_Command1_Click;
}

void VystDirCForm::design() {
  setCaption("Directory");
  setBorderStyle(ui::BorderStyle::FixedDialog);
  setClientSize(5940, 6765);
  setCentered(true);
  Label1.move(120, 120, 5655, 255);
  Label1.setCaption("Select the directory:");
  Drive1.move(120, 480, 5655, 315);
  Dir1.move(120, 960, 5655, 5265);
  LabelDir.move(120, 6480, 4455, 255);
  Command1.move(4680, 6360, 1095, 375);
  Command1.setCaption("&OK");
}

void VystDirC_Form_Load() {
  std::string start = dirc_path;
  win::tryStep([&] { VystDirC.Drive1.setDrive(start); });
  win::tryStep([&] { VystDirC.Dir1.setPath(start); });
  SetFormFont(VystDirC);
}

void VystDirC_Drive1_Change() {
  if (restoringDrive) return;
  std::string drive = VystDirC.Drive1.drive();
  if (win::tryStep([&] { VystDirC.Dir1.setPath(drive); })) return;
  // A drive that cannot be read: keep the previous drive and directory, and let the user choose again.
  restoringDrive = true;
  win::tryStep([] { VystDirC.Drive1.setDrive(VystDirC.Dir1.path()); });
  restoringDrive = false;
}

void VystDirC_Dir1_Change() {
  VystDirC.LabelDir.setCaption(VystDirC.Dir1.path());
  dirc_path = VystDirC.LabelDir.caption();
}

void VystDirC_Command1_Click() { VystDirC.unload(); }

void ChooseDirectory(std::string& directory) {
  std::string remembered = dirc_path;
  dirc_path = directory;
  VystDirC.showModal();
  directory = dirc_path;
  dirc_path = remembered;
}
