// Bold text looks bold: Tahoma's bold texts carry clearly more ink than its regular ones, at every size the
// programs use, whatever bold face the font package ships.
#include <gtest/gtest.h>

#include <QImage>
#include <QPixmap>

#include "platform/ui/ui.h"
#include "support/ui_driver.h"

namespace {

constexpr double kSizes[] = {8.25, 9, 15.75, 26.25};  // options and labels, the splash's version, headlines, titles
constexpr int kLines = std::size(kSizes);

// Each size twice, regular on the left and bold on the right, black on white.
class Specimen : public ui::Form {
 public:
  Specimen() : Form("Specimen") {}
  ui::ControlArray<ui::Label> regular{this, "Regular", {0, 1, 2, 3}};
  ui::ControlArray<ui::Label> bold{this, "Bold", {0, 1, 2, 3}};

 protected:
  void design() override {
    setCaption("Specimen");
    setBorderStyle(ui::BorderStyle::FixedDialog);
    setBackColor(ui::kWhite);
    setClientSize(13440, 2820);
    double top = 60;
    for (int i = 0; i < kLines; ++i) {
      for (auto* labels : {&regular, &bold}) {
        ui::Label& label = (*labels)[i];
        label.move(labels == &regular ? 60 : 6780, top, 6600, 150 + kSizes[i] * 24);
        label.setTransparent(true);
        label.setForeColor(ui::kBlack);
        label.setFontName("Tahoma");
        label.setFontSize(kSizes[i]);
        label.setFontBold(labels == &bold);
        label.setCaption("Vortane Manager MVE file");
      }
      top += 150 + kSizes[i] * 24 + 60;
    }
  }
};
Specimen specimen;

// How much darker than white the label draws.
double inkOf(ui::Label& label) {
  const QImage picture = label.widget()->grab().toImage().convertToFormat(QImage::Format_Grayscale8);
  double ink = 0;
  for (int y = 0; y < picture.height(); ++y) {
    const uchar* line = picture.constScanLine(y);
    for (int x = 0; x < picture.width(); ++x) ink += 255 - line[x];
  }
  return ink;
}

using BoldText = testing_support::UiTest;

TEST_F(BoldText, CarriesClearlyMoreInkThanRegularText) {
  specimen.show();
  for (int i = 0; i < kLines; ++i)
    EXPECT_GT(inkOf(specimen.bold[i]), 1.3 * inkOf(specimen.regular[i])) << kSizes[i] << " pt";
  testing_support::saveScreenshot(specimen, "bold_beside_regular");
}

}  // namespace
