#pragma once
// The splash window a program shows while it starts, with the test of its picture.
#include <cstdint>
#include <optional>
#include <string_view>

#include "platform/ui/basic_controls.h"
#include "platform/ui/control.h"
#include "platform/ui/form.h"
#include "platform/ui/pictures.h"
#include "platform/ui/units.h"

// Sets pfad_vyst and pfad_main, fills and shows the splash, and tests its picture against
// expectedSum (1 to 255; 0 switches the test off). The two flags have no effect.
void SplashStart(uint8_t expectedSum, ui::Color color32, bool flag1, bool flag2, std::string_view creditText);
// Waits, then closes the splash.
void SplashEnd(int32_t delayMs = 0);

// The XOR of every byte of the file, 0 given as 1; nullopt when the file cannot be read.
std::optional<uint8_t> PictureSum(std::string_view winPath);

// Used when the program passes no credit text of its own.
inline constexpr std::string_view kLibraryCreditLine = "Vortane Manager Tools";

class VystSplashForm : public ui::Form {
 public:
  VystSplashForm() : Form("VystSplash") {}

  // Declared from back to front, so that each control lies in front of those declared before it;
  // containers come before their contents.
  ui::Label lblPlatform{this, "lblPlatform"};
  ui::Label lblVersion{this, "lblVersion"};
  ui::Label lblLicenseTo{this, "lblLicenseTo"};
  ui::ControlArray<ui::Label> lblProductName{this, "lblProductName", {1, 0}};
  ui::Label lbl32{this, "lbl32"};             // the "32" after the product name, in the colour the program asks for
  ui::Image Image1{this, "Image1"};           // the program's own picture, <program>.jpg
  ui::Image ImageVM{this, "ImageVM"};         // the program's small picture, <program>.gif
  ui::PictureBox Picture2{this, "Picture2"};  // the strip down the left edge
  ui::Image Image3{this, "Image3"};           // the picture on that strip

 protected:
  void design() override;
};
extern VystSplashForm VystSplash;
