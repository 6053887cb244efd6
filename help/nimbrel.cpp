#include "help/nimbrel.h"

#include <algorithm>

#include "help/nimbrel_index.h"
#include "help/number_text.h"
#include "platform/error.h"
#include "platform/ui/units.h"
#include "shared/error_report.h"
#include "shared/identity.h"
#include "shared/nimbrel_init.h"
#include "shared/routines.h"
#include "shared/settings.h"

NimbrelForm Nimbrel;

namespace {

constexpr double kWidth = 1935;
constexpr double kRightMargin = 1500, kBottomMargin = 2000;  // from the screen's edges
constexpr double kIndexTop = 400;
// On a screen too small for the companion's margins the topic window keeps a usable height.
constexpr double kIndexMinimumHeight = 960;

}  // namespace

NimbrelForm::NimbrelForm() : Form("Nimbrel") {
  Image1.on(&ui::PictureControl::onMouseDown, [](int index, int button, int shift, double x, double y) {
    Nimbrel_Image1_MouseDown(index, button, shift, x, y);
  });
  MenuIndex.onClick = Nimbrel_MenuIndex_Click;
  MenuPlaySounds.onClick = Nimbrel_MenuPlaySounds_Click;
  MenuInternet.onClick = Nimbrel_MenuInternet_Click;
  MenuAboutHelp.onClick = Nimbrel_MenuAboutHelp_Click;
  MenuAboutNB.onClick = Nimbrel_MenuAboutNB_Click;
}

void NimbrelForm::design() {
  setCaption(" ");
  setBorderStyle(ui::BorderStyle::FixedDialog);
  setShowInTaskbar(false);
  setClientSize(1845, 1380);
  Image1.forEach([](ui::Image& image) { image.move(0, 0, 1860, 1380); });

  MenuNB.setCaption("RightClick");
  MenuNB.setVisible(false);
  MenuIndex.setCaption("Show/hide Index");
  MenuPlaySounds.setCaption("Play Sounds");
  MenuPlaySounds.setChecked(true);
  MenuInternet.setCaption("Jump to Internet version of help");
  MenuSt1.setCaption("-");
  MenuAboutHelp.setCaption("About Help File");
  MenuAboutNB.setCaption("About Nimbrel");
}

void NimbrelForm::HelpNotInstalled() { ShowError("", "Help not installed", "Help for this module was not installed."); }

void Nimbrel_Form_Load() {
  NimbrelForm& w = Nimbrel;
  if (!IsValue(nimbrel_url)) ReportAssertion("Nimbrel_Init was not called before.", true);
  if (IsValue(nimbrel_image)) w.Image1[0].loadPicture(nimbrel_image);
  w.Image1[0].setVisible(true);
  w.Image1[1].setVisible(false);
  w.Image1[2].setVisible(false);

  double screenW = RoundHalfEven(ui::screenWidth()), screenH = RoundHalfEven(ui::screenHeight());
  w.move(screenW - w.width() - kRightMargin, screenH - w.height() - kBottomMargin, kWidth, w.height());

  w.PlaySounds = GetIniString(pfad_vyst, "vortane.ini", "Nimbrel", "PlaySounds") != "0";
  w.MenuPlaySounds.setChecked(w.PlaySounds);

  NimbrelIndex.load();
  NimbrelIndex.hide();
  NimbrelIndex.move(w.left() + w.width() - NimbrelIndex.width(), kIndexTop, NimbrelIndex.width(),
                    std::max(w.top() - kIndexTop, kIndexMinimumHeight));

  w.helpDir = GetIniString(pfad_vyst, "vyst.ini", "Moduls_Dirs", prog_key + ".MAN");
  w.helpInstalled = IsValue(w.helpDir);
  if (w.helpInstalled) NimbrelIndex.InitNBXFile(AddPathSeparator(w.helpDir));
}

void Nimbrel_Form_Activate() { Nimbrel.WAV(1); }

void Nimbrel_Form_Unload() {
  win::tryStep([] { Nimbrel.WAV(0); });
}

void Nimbrel_Image1_MouseDown(int, int Button, int, double X, double Y) {
  if (Button == ui::kLeftButton) {
    Nimbrel.WAV(1);
    if (!Nimbrel.helpInstalled) {
      Nimbrel.HelpNotInstalled();
    } else if (NimbrelIndex.isVisible()) {
      NimbrelIndex.hide();
    } else {
      NimbrelIndex.show(Nimbrel);
    }
  } else if (Button == ui::kRightButton) {
    Nimbrel.popupMenu(Nimbrel.MenuNB, X, Y);
  }
}
