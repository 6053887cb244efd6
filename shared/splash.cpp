#include "shared/splash.h"

#include <array>

#include "platform/error.h"
#include "platform/files.h"
#include "platform/system.h"
#include "platform/ui/application.h"
#include "platform/ui/message_box.h"
#include "platform/ui/on_screen.h"
#include "shared/family_directories.h"
#include "shared/identity.h"
#include "shared/routines.h"

VystSplashForm VystSplash;

namespace {

constexpr ui::Color kGrey = 0x808080;
constexpr const char* kWarningTitle = "Vortane Manager warning";
constexpr const char* kPictureMissing =
    "Splash screen image not found! Reinstall Vortane Manager please! You can still work with it by pressing OK "
    "now.";
constexpr const char* kPictureModified =
    "Splash screen image was modified! Not good! Vortane Manager will work, but you will always have to select "
    "OK in this dialog until you have installed the right one again!";

void labelSizedToText(ui::Label& label, double left, double top, const char* font, double points, bool bold) {
  label.setTransparent(true);
  label.setAutoSize(true);
  label.setFontName(font);
  label.setFontSize(points);
  label.setFontBold(bold);
  label.move(left, top);
}

// A right-aligned label sized to its text keeps its right edge: it grows to the left.
void setRightAlignedCaption(ui::Label& label, std::string_view caption) {
  double right = label.left() + label.width();
  label.setCaption(caption);
  label.setLeft(right - label.width());
}

void warnOrEnd(const char* text, int defaultButton) {
  if (ui::msgBox(text, ui::kOkCancel | defaultButton, kWarningTitle) == ui::kIdCancel) ui::endProgram(0);
}

}  // namespace

void VystSplashForm::design() {
  setTitleBar(false);
  setBorderStyle(ui::BorderStyle::FixedDialog);
  setBackColor(ui::kWhite);
  setClientSize(6225, 3825);
  setCentered(true);

  Picture2.move(0, 0, 735, 3915);
  Image3.setContainer(Picture2);
  Image3.move(60, 720, 330, 2415);
  Image3.setPictureResource(":/shared/splash_strip.png");
  ImageVM.move(5460, 840, 795, 795);
  Image1.move(720, 840, 5520, 2985);

  lbl32.setTransparent(true);
  lbl32.setAlignment(ui::Alignment::Right);
  lbl32.move(2520, 120, 855, 735);
  lbl32.setFontName("Times New Roman");
  lbl32.setFontSize(21.75);
  lbl32.setFontBold(true);
  lbl32.setForeColor(ui::rgb(255, 0, 0));
  lbl32.setCaption("32");

  labelSizedToText(lblProductName[0], 795, -45, "Tahoma", 26.25, true);
  lblProductName[0].setForeColor(ui::kBlack);
  lblProductName[0].setCaption("...");
  labelSizedToText(lblProductName[1], 780, -45, "Tahoma", 26.25, true);
  lblProductName[1].setForeColor(kGrey);
  lblProductName[1].setCaption("...");

  for (ui::Label* label : {&lblLicenseTo, &lblVersion, &lblPlatform}) label->setAlignment(ui::Alignment::Right);
  labelSizedToText(lblLicenseTo, 5670, 75, "Tahoma", 8.25, false);
  labelSizedToText(lblVersion, 5580, 600, "Tahoma", 9, false);
  labelSizedToText(lblPlatform, 795, 480, "Tahoma", 14.25, false);
  lblPlatform.setCaption("for Windows 9x/NT");
}

std::optional<uint8_t> PictureSum(std::string_view winPath) {
  std::optional<uint8_t> result;
  int number = 0;
  win::tryStep([&] {
    number = win::freeFile();
    win::openFile(number, winPath, win::OpenMode::BinaryRead);
    // The end test is true right after the last byte, so every byte is combined exactly once.
    uint8_t sum = 0;
    std::array<unsigned char, 65536> block;
    while (!win::eof(number)) {
      size_t got = win::getBytes(number, block.data(), block.size());
      for (size_t i = 0; i < got; ++i) sum ^= block[i];
    }
    result = sum == 0 ? 1 : sum;
  });
  if (number) win::closeFile(number);
  return result;
}

void SplashStart(uint8_t expectedSum, ui::Color color32, bool, bool, std::string_view creditText) {
  win::tryStep([] { VystSplash.load(); });
  std::string credit(IsValue(creditText) ? creditText : kLibraryCreditLine);
  std::string title = prog_title;
  if (title.ends_with("32")) CutRight(title, 2);

  win::tryStep([&] {
    ui::Label& front = VystSplash.lblProductName[0];
    ui::Label& shadow = VystSplash.lblProductName[1];
    front.setCaption(title);
    shadow.setCaption(title);
    setRightAlignedCaption(VystSplash.lblVersion, "Version " + prog_version);
    shadow.move(front.left() + 4 * ui::twipsPerPixelX(), front.top() + 4 * ui::twipsPerPixelY());
    setRightAlignedCaption(VystSplash.lblLicenseTo, credit);
    for (ui::Label* label : {&VystSplash.lblPlatform, &VystSplash.lblLicenseTo, &VystSplash.lblVersion})
      label->setForeColor(ui::kBlack);
    VystSplash.lbl32.setForeColor(color32);
    VystSplash.lbl32.setLeft(front.left() + front.width() - 720);
  });

  FindBaseDirectory();
  FindMainDirectory();

  std::string picture = AddPathSeparator(pfad_main) + ChangeExtension(win::appExeName(), "jpg");
  bool pictureFound = FileExists(picture);
  if (pictureFound)
    win::tryStep([&] { VystSplash.Image1.loadPicture(picture); });
  else
    warnOrEnd(kPictureMissing, ui::kDefaultButton1);
  win::tryStep([&] { VystSplash.ImageVM.loadPicture(ChangeExtension(picture, "gif")); });
  win::tryStep([] {
    VystSplash.show();
    ui::paintOnScreen(VystSplash);
  });

  // A missing or unreadable picture has no sum to test: its warning, if any, has been shown.
  if (!pictureFound || expectedSum == 0) return;
  std::optional<uint8_t> sum = PictureSum(picture);
  if (sum && *sum != expectedSum) warnOrEnd(kPictureModified, ui::kDefaultButton2);
}

void SplashEnd(int32_t delayMs) {
  // The wait handles nothing: boxes closed over the splash since it showed must be gone from the screen, and
  // the splash whole, before it starts.
  win::tryStep([] { ui::paintOnScreen(VystSplash); });
  win::sleepMs(delayMs < 0 ? 0 : static_cast<uint32_t>(delayMs));
  VystSplash.unload();
}
