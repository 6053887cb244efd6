#include "extract/tv2mode.h"

#include "extract/kind_options.h"
#include "extract/tv_main.h"
#include "extract/wizard_state.h"
#include "shared/window_helpers.h"

TV2ModeForm TV2Mode;

TV2ModeForm::TV2ModeForm() : HandOverPage("TV2Mode") {
  Option1.on(&ui::OptionButton::onClick, TV2Mode_Option1_Click);
  ButtonNext.onClick = TV2Mode_ButtonNext_Click;
  ButtonBack.onClick = TV2Mode_ButtonBack_Click;
}

void TV2ModeForm::design() {
  WizardPage::design();
  Label1.setCaption(
      "Dependant on the source file type, you can convert it into multiple file formats. Choose one below.");

  Label3.move(2520, 1380, 5535, 255);
  Label3.setCaption("To what kind of movie do you want to convert the file to?");

  PlaceKindOptions(Option1, {{kMveOutput, 1800, "MVE file"},
                             {kWin32Exe, 2820, "Self-playing EXE file for Win32"},
                             {kDosExe, 3600, "Self-playing EXE file for DOS"}});

  Label4.move(2820, 2040, 5235, 735);
  Label4.setWordWrap(true);
  Label4.setCaption(
      "Extracting the movies from a MVL file to Interplay MVE files. When using on self-playing EXE files it "
      "just strips out the player...");
  Label5.move(2820, 3060, 5235, 495);
  Label5.setWordWrap(true);
  Label5.setCaption("Creates an EXE, that can be played on any Win95, 98 or NT platform.");
  Label6.move(2820, 3900, 5235, 855);
  Label6.setWordWrap(true);
  Label6.setCaption(
      "Creates an EXE, that can be played on any DOS platform. NOTE: to get sound support, you need to call "
      "the EXE with special commandline switches. See DOSPLAY.TXT in the TOVRIK32 directory for details.");
}

void TV2Mode_Form_Load() {
  TV2Mode.PageSwitch = 0;
  // A plain MVE file is already what the first output would make of it.
  TV2Mode.Option1[kMveOutput].setEnabled(mode1 != kMveFile);
  SetFormFont(TV2Mode);
}

void TV2Mode_Option1_Click(int Index) {
  mode2 = static_cast<int16_t>(Index);
  const char* stubs[] = {"", "", "w32stub.lib", "dosstub.lib"};  // by OutputKind
  StubFile = stubs[Index];
  TV2Mode.ButtonNext.setEnabled(true);
}

void TV2Mode_ButtonNext_Click() { TV2Mode.handOver(ShowTVSource); }

void TV2Mode_ButtonBack_Click() {
  TV2Mode.handOver([] { mode1 = 0; }, ShowTV1Mode);
}
