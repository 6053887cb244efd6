#pragma once
// The second page: what kind of movie file to write (mode2 and the player stub).
#include "extract/wizard_page.h"
#include "extract/wizard_state.h"
#include "platform/ui/basic_controls.h"
#include "platform/ui/control.h"

void TV2Mode_Form_Load();
void TV2Mode_Option1_Click(int Index);
void TV2Mode_ButtonNext_Click();
void TV2Mode_ButtonBack_Click();

class TV2ModeForm : public HandOverPage {
 public:
  TV2ModeForm();

  ui::Label Label3{this, "Label3"};  // the question above the options
  ui::ControlArray<ui::OptionButton> Option1{
      this, "Option1", {kMveOutput, kWin32Exe, kDosExe}};  // indices are the mode2 values
  ui::Label Label4{this, "Label4"};                        // explains the MVE output
  ui::Label Label5{this, "Label5"};                        // explains the Win32 EXE output
  ui::Label Label6{this, "Label6"};                        // explains the DOS EXE output

 protected:
  void design() override;
  void onLoad() override { TV2Mode_Form_Load(); }
};
extern TV2ModeForm TV2Mode;
