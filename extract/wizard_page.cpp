#include "extract/wizard_page.h"

#include "extract/about.h"
#include "extract/help_companion.h"
#include "platform/ui/application.h"

WizardPage::WizardPage(std::string name) : Form(std::move(name)) {
  CommandAbout.onClick = [this] { CommandAbout_Click(); };
  CommandHelp.onClick = [this] { CommandHelp_Click(); };
  ButtonCancel.onClick = [this] { ButtonCancel_Click(); };
}

void WizardPage::design() {
  setCaption(kWizardCaption);
  setBorderStyle(ui::BorderStyle::FixedDialog);
  setClientSize(8205, 5460);
  setCentered(true);
  setKeyPreview(true);
  setIcon(":/extract/tovrik32_icon.png");

  Image1.move(120, 120, 2220, 4470);
  Image1.setStretch(false);
  Image1.setPictureResource(":/extract/wizard.png");

  Label1.move(2520, 240, 5535, 1095);
  Label1.setWordWrap(true);

  Picture2.move(120, 4800, 8055, 60);

  CommandAbout.move(120, 5040, 1275, 375);
  CommandAbout.setCaption("&About");
  CommandAbout.setToolTip("Click to see advanced program information");

  CommandHelp.move(1500, 5040, 375, 375);
  CommandHelp.setPictureResource(":/extract/help_button.png");
  CommandHelp.setToolTip("Click to bring up Velnor help");

  ButtonBack.move(3360, 5040, 1335, 375);
  ButtonBack.setCaption("< &Back");

  ButtonNext.move(4800, 5040, 1335, 375);
  ButtonNext.setCaption("&Next >");
  ButtonNext.setDefault(true);
  ButtonNext.setEnabled(false);

  ButtonCancel.move(6840, 5040, 1335, 375);
  ButtonCancel.setCaption("&Cancel");
  ButtonCancel.setCancel(true);
}

void WizardPage::CommandAbout_Click() { About.showModal(); }

void WizardPage::CommandHelp_Click() { ShowHelpCompanion(this); }

void WizardPage::ButtonCancel_Click() { ui::endProgram(); }

void WizardPage::onKeyDown(int& keyCode, int) {
  if (keyCode == kKeyF1) CommandHelp_Click();
}

void WizardPage::onUnload() { ui::endProgram(); }

void HandOverPage::onUnload() {
  if (PageSwitch == 0) ui::endProgram();
}

void HandOverPage::handOver(const std::function<void()>& showNext) {
  handOver([] {}, showNext);
}

void HandOverPage::handOver(const std::function<void()>& changeState, const std::function<void()>& showNext) {
  PageSwitch = -1;
  changeState();
  unload();
  showNext();
}
