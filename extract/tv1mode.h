#pragma once
// The first page: what kind of movie container to open (mode1).
#include "extract/wizard_page.h"
#include "extract/wizard_state.h"
#include "platform/ui/basic_controls.h"
#include "platform/ui/control.h"

void TV1Mode_Form_Load();
void TV1Mode_Option1_Click(int Index);
void TV1Mode_ButtonNext_Click();

class TV1ModeForm : public HandOverPage {
 public:
  TV1ModeForm();

  ui::Label Label3{this, "Label3"};  // the question above the options
  // Indices are the mode1 values; BIF stands above EXE on the page and in the tab order.
  ui::ControlArray<ui::OptionButton> Option1{this, "Option1", {kMveFile, kMvlLibrary, kBifArchive, kSelfPlayingExe}};
  ui::Label Label4{this, "Label4"};  // explains the MVE option
  ui::Label Label5{this, "Label5"};  // explains the MVL option
  ui::Label Label2{this, "Label2"};  // explains the BIF option
  ui::Label Label6{this, "Label6"};  // explains the EXE option

 protected:
  void design() override;
  void onLoad() override { TV1Mode_Form_Load(); }
};
extern TV1ModeForm TV1Mode;
