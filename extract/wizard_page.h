#pragma once
// What every page of the wizard has in common: the look, the picture, the separator, the six buttons,
// F1, and the way one page hands over to the next.
#include <cstdint>
#include <functional>
#include <string>

#include "platform/ui/basic_controls.h"
#include "platform/ui/form.h"
#include "platform/ui/pictures.h"

// The caption of every page.
inline constexpr const char* kWizardCaption = "Vortane Manager TOVRIKALL32";
// Key code of F1.
inline constexpr int kKeyF1 = 112;

// A page of the wizard. Its unload ends the program; pages that hand over derive from HandOverPage.
// The common controls are declared first, so a page's own controls follow them in the tab order unless
// the page gives tab indices.
class WizardPage : public ui::Form {
 public:
  explicit WizardPage(std::string name);

  ui::Image Image1{this, "Image1"};           // the wizard picture down the left side
  ui::Label Label1{this, "Label1"};           // the page's explanation at the top
  ui::PictureBox Picture2{this, "Picture2"};  // the separator line above the buttons
  ui::CommandButton CommandAbout{this, "CommandAbout"};
  ui::CommandButton CommandHelp{this, "CommandHelp"};
  ui::CommandButton ButtonBack{this, "ButtonBack"};
  ui::CommandButton ButtonNext{this, "ButtonNext"};
  ui::CommandButton ButtonCancel{this, "ButtonCancel"};

  // The common handlers. A page replaces a button's onClick where its own action differs.
  void CommandAbout_Click();  // the About box, modal, without owner
  void CommandHelp_Click();   // the help companion, modeless, owned by this page
  void ButtonCancel_Click();  // ends the program at once

 protected:
  // The common design state; a page's design() calls it first, then places its own controls.
  void design() override;
  // F1 acts as the help button whichever control has the focus; every other key goes on.
  void onKeyDown(int& keyCode, int shift) override;
  // Closing a page ends the program.
  void onUnload() override;
};

// A page with the flag PageSwitch: set while it hands over, so that its unload does not end the program.
class HandOverPage : public WizardPage {
 public:
  using WizardPage::WizardPage;

  // 0 while the page is simply open, -1 while it hands over. Each page's load clears it before anything
  // that can hand over.
  int16_t PageSwitch = 0;

  // Sets the flag, changes the wizard state as the page's step asks, unloads this page, then shows the
  // next one.
  void handOver(const std::function<void()>& showNext);
  void handOver(const std::function<void()>& changeState, const std::function<void()>& showNext);

 protected:
  void onUnload() override;
};
