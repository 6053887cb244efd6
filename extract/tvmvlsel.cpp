#include "extract/tvmvlsel.h"

#include "extract/containers.h"
#include "extract/tv_main.h"
#include "shared/error_report.h"
#include "shared/routines.h"
#include "shared/window_helpers.h"

TVMVLSelForm TVMVLSel;

TVMVLSelForm::TVMVLSelForm() : HandOverPage("TVMVLSel") {
  List1.onClick = TVMVLSel_List1_Click;
  CommandSel.onClick = TVMVLSel_CommandSel_Click;
  CommandDeSel.onClick = TVMVLSel_CommandDeSel_Click;
  ButtonNext.onClick = TVMVLSel_ButtonNext_Click;
  ButtonBack.onClick = TVMVLSel_ButtonBack_Click;
}

void TVMVLSelForm::design() {
  WizardPage::design();
  Label1.move(2520, 240, 5535, 495);
  Label1.setCaption(
      "Select the movies you want to extract from the library. Hold Ctrl or Shift to select more than one.");
  List1.setMultiSelect(ui::MultiSelect::Extended);
  List1.move(2520, 840, 5535, 3405);
  List1.setTabIndex(0);
  CommandSel.move(2520, 4320, 1335, 375);
  CommandSel.setCaption("Select &All");
  CommandSel.setTabIndex(1);
  CommandDeSel.move(3960, 4320, 1335, 375);
  CommandDeSel.setCaption("&Deselect All");
  CommandDeSel.setTabIndex(2);
}

void TVMVLSel_Form_Load() {
  TVMVLSel.PageSwitch = 0;
  DirectoryVerdict verdict = ReadLibraryDirectory(SourcePath, TVMVLSel.Entries, [](int, const MovieEntry& entry) {
    TVMVLSel.List1.addItem(UpperCaseAscii(entry.Name) + " - " + FormatThousands(entry.Size) + " Bytes");
  });
  if (verdict == DirectoryVerdict::Ripped) {
    ShowError("", mode1 == kMvlLibrary ? "Ripped MVL file" : "Ripped BIF file",
              "The actual movie data from this file was ripped. Cannot extract files from it...");
    TVMVLSel.List1.clear();
  } else if (verdict == DirectoryVerdict::Unreadable) {
    ShowError("", "Cannot read library",
              "The file " + SourcePath + " can no longer be read. Go back and choose the source again.");
    TVMVLSel.List1.clear();
  }
  SetFormFont(TVMVLSel);
}

void TVMVLSel_List1_Click() { TVMVLSel.ButtonNext.setEnabled(TVMVLSel.List1.selCount() >= 1); }

void TVMVLSel_CommandSel_Click() {
  for (int i = 0; i < TVMVLSel.List1.listCount(); ++i) TVMVLSel.List1.setSelected(i, true);
  TVMVLSel_List1_Click();
}

void TVMVLSel_CommandDeSel_Click() {
  for (int i = 0; i < TVMVLSel.List1.listCount(); ++i) TVMVLSel.List1.setSelected(i, false);
  TVMVLSel_List1_Click();
}

void TVMVLSel_ButtonNext_Click() {
  TVMVLSel.handOver(
      [] {
        MovieCount = 0;
        for (int i = 0; i < TVMVLSel.List1.listCount(); ++i) {
          if (!TVMVLSel.List1.selected(i)) continue;
          ++MovieCount;
          Movies[MovieCount] = TVMVLSel.Entries[i + 1];
        }
      },
      ShowTVTarget);
}

void TVMVLSel_ButtonBack_Click() {
  TVMVLSel.handOver([] { MovieCount = 0; }, ShowTVSource);
}
