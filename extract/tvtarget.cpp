#include "extract/tvtarget.h"

#include <string>

#include "extract/tv_main.h"
#include "extract/wizard_state.h"
#include "platform/error.h"
#include "platform/files.h"
#include "platform/ui/message_box.h"
#include "shared/dir_chooser.h"
#include "shared/error_report.h"
#include "shared/identity.h"
#include "shared/routines.h"
#include "shared/settings.h"
#include "shared/vyst32.h"
#include "shared/window_helpers.h"

TVTargetForm TVTarget;

namespace {

constexpr const char* kSettingsFile = "tovrik32.ini";

std::string StubPath() { return AddPathSeparator(pfad_main) + "stub\\" + StubFile; }

// A path that starts with a drive and its root, such as C:\ (the drive letter itself is not checked).
bool StartsWithDrive(const std::string& text) { return text.size() >= 3 && text.compare(1, 2, ":\\") == 0; }

}  // namespace

TVTargetForm::TVTargetForm() : HandOverPage("TVTarget") {
  Text1.onChange = TVTarget_Text1_Change;
  CommandBrowse.onClick = TVTarget_CommandBrowse_Click;
  ButtonNext.onClick = TVTarget_ButtonNext_Click;
  ButtonBack.onClick = TVTarget_ButtonBack_Click;
}

void TVTargetForm::design() {
  WizardPage::design();
  Label1.move(2520, 240, 5535, 735);
  Label1.setCaption(
      "Select a directory where to save the created movies. If the directory you enter does not yet exist, "
      "Tovrikall can create it for you.");
  Text1.move(2520, 1140, 4095, 315);
  Text1.setTabIndex(0);
  CommandBrowse.move(6720, 1110, 1335, 375);
  CommandBrowse.setCaption("&Browse");
  CommandBrowse.setTabIndex(1);
  LabelTextNeeded.move(2520, 1920, 2535, 255);
  LabelTextNeeded.setCaption("Space needed for operation:");
  LabelSpaceNeeded.move(5160, 1920, 2895, 255);
  LabelSpaceNeeded.setAlignment(ui::Alignment::Right);
  LabelSpaceNeeded.setCaption("Bytes");
  LabelTextAvailable.move(2520, 2280, 2535, 255);
  LabelTextAvailable.setCaption("Free space on drive X:");
  LabelSpaceAvailable.move(5160, 2280, 2895, 255);
  LabelSpaceAvailable.setAlignment(ui::Alignment::Right);
  LabelSpaceAvailable.setCaption("Bytes");
  ButtonNext.setCaption("&Finish");
}

void TVTarget_Form_Load() {
  TVTarget.PageSwitch = 0;
  int64_t stubLength = 0;
  if (IsValue(StubFile)) win::tryStep([&] { stubLength = win::fileLen(StubPath()); });
  SpaceNeeded = 0;
  for (int k = 1; k <= MovieCount; ++k) SpaceNeeded += int64_t{Movies[k].Size} + stubLength;
  win::tryStep([] { TVTarget.LabelSpaceNeeded.setCaption(FormatThousands(SpaceNeeded) + " Bytes"); });
  win::tryStep([] { TVTarget.Text1.setText(GetIniString(pfad_main, kSettingsFile, "LastSettings", "TargetDir")); });
  win::tryStep(TVTarget_Text1_Change);
  SetFormFont(TVTarget);
}

void TVTarget_Text1_Change() {
  std::string text = TVTarget.Text1.text();
  if (!StartsWithDrive(text)) {
    TVTarget.ButtonNext.setEnabled(false);
    TVTarget.LabelTextAvailable.setCaption("");
    TVTarget.LabelSpaceAvailable.setCaption("");
    return;
  }
  TVTarget.ButtonNext.setEnabled(true);
  TVTarget.LabelTextAvailable.setCaption("Free space on drive " + UpperCaseAscii(text.substr(0, 2)));
  TVTarget.LabelSpaceAvailable.setCaption(FormatThousands(getfreespace(text)) + " Bytes");
}

void TVTarget_CommandBrowse_Click() {
  std::string directory = TVTarget.Text1.text();
  ChooseDirectory(directory);
  TVTarget.Text1.setText(directory);
}

void TVTarget_ButtonNext_Click() {
  // Without the player there is nothing to write: say so before any directory is made.
  if (IsValue(StubFile) && !FileExists(StubPath())) {
    ShowError("", "Player stub missing",
              "The player file " + StubPath() + " is missing, so no movies can be made of this kind. " +
                  "No files were written.");
    return;
  }
  std::string typed = TVTarget.Text1.text();
  if (getfreespace(typed) < SpaceNeeded) {
    int answer = ui::msgBox("Too less disk space on that drive. Are you sure you want to continue?",
                            ui::kYesNo | ui::kDefaultButton2);
    if (answer == ui::kIdNo) return;
  }
  TargetDir = typed;
  if (!MakeDirTree(TargetDir)) {
    ShowError("", "Could not create dir", "Could not create directory " + TargetDir + ".");
    return;
  }
  WriteIniString(pfad_main, kSettingsFile, "LastSettings", "TargetDir", TargetDir);
  TargetDir = AddPathSeparator(TargetDir);
  TVTarget.PageSwitch = -1;
  // The page stays loaded beneath the run; it must not start a second run or change the state meanwhile.
  for (ui::Control* control : TVTarget.controls()) control->setEnabled(false);
  RunTVDoIt();
  TVTarget.unload();
}

void TVTarget_ButtonBack_Click() {
  TVTarget.handOver([] { TargetDir.clear(); },
                    [] {
                      if (mode1 == kMveFile || mode1 == kSelfPlayingExe)
                        ShowTVSource();
                      else
                        ShowTVMVLSel();
                    });
}
