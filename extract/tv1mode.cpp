#include "extract/tv1mode.h"

#include "extract/kind_options.h"
#include "extract/tv_main.h"
#include "extract/wizard_state.h"
#include "shared/window_helpers.h"

TV1ModeForm TV1Mode;

TV1ModeForm::TV1ModeForm() : HandOverPage("TV1Mode") {
  Option1.on(&ui::OptionButton::onClick, TV1Mode_Option1_Click);
  ButtonNext.onClick = TV1Mode_ButtonNext_Click;
}

void TV1ModeForm::design() {
  WizardPage::design();
  Label1.setCaption(
      "Welcome to Vortane Manager Tovrikall32! This wizard takes the movies out of Vortane 2 and the other "
      "games of the Vortane family, and makes self-playing EXE files out of those movies.");

  Label3.move(2520, 1380, 5535, 255);
  Label3.setCaption("What kind of movie do you want to open in the converter?");

  PlaceKindOptions(Option1, {{kMveFile, 1800, "MVE file"},
                             {kMvlLibrary, 2580, "MVL file"},
                             {kBifArchive, 3120, "BIF file"},
                             {kSelfPlayingExe, 3660, "EXE file"}});

  Label4.move(2820, 2040, 5235, 495);
  Label4.setWordWrap(true);
  Label4.setCaption("As used in Vortane 3, Vortane Arena and most other games of the family. (Directory \\MOVIES)");
  Label5.move(2820, 2820, 5235, 255);
  Label5.setCaption("As used in Vortane 2. (Directory \\V2DATA)");
  Label2.move(2820, 3360, 5235, 255);
  Label2.setCaption("As used in Baldur's Gate. (Directory \\CDn\\MOVIES)");
  Label6.move(2820, 3960, 5235, 735);
  Label6.setWordWrap(true);
  Label6.setCaption(
      "A game trailer that plays itself, or an EXE file made by this tool or by the family's older DOS "
      "movie tool.");

  ButtonBack.setEnabled(false);
}

void TV1Mode_Form_Load() {
  TV1Mode.PageSwitch = 0;
  SetFormFont(TV1Mode);
}

void TV1Mode_Option1_Click(int Index) {
  mode1 = static_cast<int16_t>(Index);
  TV1Mode.ButtonNext.setEnabled(true);
}

void TV1Mode_ButtonNext_Click() { TV1Mode.handOver(ShowTV2Mode); }
