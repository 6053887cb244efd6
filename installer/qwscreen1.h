#pragma once
// The base-directory screen: shown modal by the start procedure when the family has no base directory
// yet; creates it with vyst.ini and names it in C:\VYST.CFG.
#include "installer/installer_screen.h"
#include "platform/ui/basic_controls.h"
#include "platform/ui/text_box.h"

void QWScreen1_Form_Load();
// Each failing check shows the error box and leaves the screen open for another try; success unloads it.
void QWScreen1_ButtonNext_Click();
void QWScreen1_ButtonCancel_Click();  // ends the program at once

class QWScreen1Form : public InstallerScreen {
 public:
  QWScreen1Form();

  ui::Label LabelSup{this, "LabelSup"};    // why a directory is asked for
  ui::TextBox TextDir{this, "TextDir"};    // the base directory to create
  ui::Label LabelLong{this, "LabelLong"};  // the note on C:\VYST.CFG

 protected:
  void design() override;
  void onLoad() override { QWScreen1_Form_Load(); }
};
extern QWScreen1Form QWScreen1;
