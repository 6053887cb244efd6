#include "installer/installer_screen.h"

#include "shared/identity.h"

void InstallerScreen::design() {
  setCaption(kInstallerCaption);
  setBorderStyle(ui::BorderStyle::FixedDialog);
  setClientSize(8205, 5460);
  setCentered(true);

  Image1.move(120, 120, 2250, 4500);
  Image1.setStretch(false);
  Image1.setPictureResource(":/installer/installer.png");

  Picture2.move(120, 4800, 8055, 60);

  LabelProgVersion.move(120, 5160, 3975, 315);

  ButtonBack.move(3360, 5040, 1335, 375);
  ButtonBack.setCaption("< &Back");

  ButtonNext.move(4800, 5040, 1335, 375);
  ButtonNext.setCaption("&Next >");

  ButtonCancel.move(6840, 5040, 1335, 375);
  ButtonCancel.setCaption("&Cancel");
}

void InstallerScreen::ShowProgVersion() { LabelProgVersion.setCaption("V" + prog_version + " - " + prog_date); }
