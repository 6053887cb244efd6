#include "extract/about.h"

#include "extract/tv_main.h"
#include "shared/identity.h"
#include "shared/window_helpers.h"

AboutForm About;

namespace {
// Every frame takes this place on the tab strip when it is shown.
constexpr double kFrameLeft = 240;
constexpr double kFrameTop = 1440;
constexpr double kFrameWidth = 6375;
constexpr double kFrameHeight = 1860;
constexpr double kFrameInner = 6135;
}  // namespace

AboutForm::AboutForm() : Form("About") {
  TabStrip1.onClick = About_TabStrip1_Click;
  InternetLnk.on(&ui::CommandButton::onClick, About_InternetLnk_Click);
  Command2.onClick = About_Command2_Click;
}

void AboutForm::design() {
  setCaption("About");
  setBorderStyle(ui::BorderStyle::FixedDialog);
  // At design the four frames lie one below the other under the tab strip; the load shortens the box.
  setClientSize(6855, 11880);
  setCentered(true);

  Label1.move(1200, 240, 5535, 255);
  Label1.setCaption("Vortane Manager for Windows 32 - ");
  Label1.setFontBold(true);
  version.move(1200, 480, 5535, 255);
  version.setCaption("Version");

  const char* pictures[] = {":/extract/about0.png", ":/extract/about1.png", ":/extract/about2.png"};
  for (int i = 0; i <= 2; ++i) {
    Picture1[i].move(240, 240, 720, 720);
    Picture1[i].setBorder(false);
    Picture1[i].setStretch(false);
    Picture1[i].setPictureResource(pictures[i]);
  }

  TabStrip1.move(120, 1080, 6615, 2295);
  TabStrip1.addTab("Credits");
  TabStrip1.addTab("Images");
  TabStrip1.addTab("Thanks");
  TabStrip1.addTab("Useful related tools");

  ui::Frame* frames[] = {&FrameCredits, &FrameImages, &FrameThanks, &FrameTools};
  for (int i = 0; i < 4; ++i) frames[i]->move(kFrameLeft, 3960 + i * 1980, kFrameWidth, kFrameHeight);

  for (int i = 0; i <= 6; ++i) {
    LabelCr[i].setContainer(FrameCredits);
    LabelCr[i].move(120, 240 + i * 225, kFrameInner, 225);
    LabelIm[i].setContainer(FrameImages);
    LabelIm[i].move(120, 240 + i * 225, kFrameInner, 225);
  }

  Label16.setContainer(FrameThanks);
  Label16.move(120, 240, kFrameInner, 255);
  Label16.setCaption("Many thanks go to the people who helped to make this program:");
  ThanksList.setContainer(FrameThanks);
  ThanksList.move(120, 540, kFrameInner, 1170);

  for (int i = 0; i <= 2; ++i) {
    LabelTo[i].setContainer(FrameTools);
    LabelTo[i].move(120, 240 + i * 540, 4575, 495);
    LabelTo[i].setWordWrap(true);
    InternetLnk[i].setContainer(FrameTools);
    InternetLnk[i].move(4800, 240 + i * 540, 1455, 375);
    InternetLnk[i].setCaption("Go there NOW!");
    InternetLnk[i].setEnabled(false);
  }

  Label12.move(120, 3450, 5055, 225);
  Label12.setCaption("All names of games and formats belong to their respective owners.");
  Label2.move(120, 3675, 5055, 225);
  Label2.setCaption("Copyright the Vortane Manager team. All rights reserved.");

  Command2.move(5280, 3480, 1455, 375);
  Command2.setCaption("&OK");
  Command2.setDefault(true);
  Command2.setCancel(true);
}

void AboutForm::DoFreeSpace() {
  Picture1[0].setVisible(false);
  Picture1[1].setVisible(true);
  Picture1[2].setVisible(false);
}

void AboutForm::DoVortane3() {
  Picture1[0].setVisible(false);
  Picture1[1].setVisible(false);
  Picture1[2].setVisible(true);
}

void AboutForm::HideFrame(ui::Frame& frame) {
  frame.setVisible(false);
  frame.move(kFrameLeft, kFrameTop);
}

void AboutForm::HideAllFrames() {
  HideFrame(FrameCredits);
  HideFrame(FrameImages);
  HideFrame(FrameThanks);
  HideFrame(FrameTools);
}

void About_Form_Load() {
  About.setHeight(4365);
  About.Label1.setCaption("Vortane Manager for Windows 32 - " + prog_title);
  About.version.setCaption("Version " + prog_version + " - " + prog_date);
  About.HideAllFrames();
  About.FrameCredits.setVisible(true);
  FillAboutTexts();
  SetFormFont(About);
}

void About_TabStrip1_Click() {
  About.HideAllFrames();
  std::string tab = About.TabStrip1.selectedCaption();
  if (tab == "Credits") About.FrameCredits.setVisible(true);
  if (tab == "Images") About.FrameImages.setVisible(true);
  if (tab == "Thanks") About.FrameThanks.setVisible(true);
  if (tab == "Useful related tools") About.FrameTools.setVisible(true);
}

void About_InternetLnk_Click(int Index) { ShellOpen(About.InternetLnk[Index].tag()); }

void About_Command2_Click() { About.unload(); }
