#pragma once
// The help companion: a small picture near the lower right of the screen. A left click shows or hides
// the topic window of the installed manual, a right click opens the help's menu; it also plays the
// help's sounds. Show it modeless: Nimbrel.show() at start-up, Nimbrel.show(page) from a page.
#include <cstdint>
#include <string>

#include "platform/ui/form.h"
#include "platform/ui/menu.h"
#include "platform/ui/pictures.h"

void Nimbrel_Form_Load();
void Nimbrel_Form_Activate();
void Nimbrel_Form_Unload();
void Nimbrel_Image1_MouseDown(int Index, int Button, int Shift, double X, double Y);
void Nimbrel_MenuIndex_Click();
void Nimbrel_MenuPlaySounds_Click();
void Nimbrel_MenuInternet_Click();
void Nimbrel_MenuAboutHelp_Click();
void Nimbrel_MenuAboutNB_Click();

class NimbrelForm : public ui::Form {
 public:
  NimbrelForm();

  // Sound codes: 0 stops the sound, 1 plays "nbactive", 2 plays "nbfound". Loads the window first.
  void WAV(int16_t soundCode);
  void HelpNotInstalled();

  std::string helpDir;  // the manual's directory as vyst.ini records it, without a separator added
  bool helpInstalled = false;
  bool PlaySounds = true;

  ui::ControlArray<ui::Image> Image1{this, "Image1", {0, 1, 2}};  // [0] is the companion's picture; 1, 2 stay hidden
  ui::Menu MenuNB{this, "MenuNB"};                                // the right-click menu, never in a menu bar
  ui::Menu MenuIndex{&MenuNB, "MenuIndex"};
  ui::Menu MenuPlaySounds{&MenuNB, "MenuPlaySounds"};
  ui::Menu MenuInternet{&MenuNB, "MenuInternet"};
  ui::Menu MenuSt1{&MenuNB, "MenuSt1"};  // a separator
  ui::Menu MenuAboutHelp{&MenuNB, "MenuAboutHelp"};
  ui::Menu MenuAboutNB{&MenuNB, "MenuAboutNB"};

 protected:
  void design() override;
  void onLoad() override { Nimbrel_Form_Load(); }
  void onActivate() override { Nimbrel_Form_Activate(); }
  void onUnload() override { Nimbrel_Form_Unload(); }
};
extern NimbrelForm Nimbrel;
