#pragma once
// The target page: where the movies go, the space they need and the space the drive has.
#include "extract/wizard_page.h"
#include "platform/ui/basic_controls.h"
#include "platform/ui/text_box.h"

void TVTarget_Form_Load();
void TVTarget_Text1_Change();
void TVTarget_CommandBrowse_Click();
void TVTarget_ButtonNext_Click();
void TVTarget_ButtonBack_Click();

class TVTargetForm : public HandOverPage {
 public:
  TVTargetForm();

  ui::TextBox Text1{this, "Text1"};  // the target directory, typed or chosen
  ui::CommandButton CommandBrowse{this, "CommandBrowse"};
  ui::Label LabelTextNeeded{this, "LabelTextNeeded"};
  ui::Label LabelSpaceNeeded{this, "LabelSpaceNeeded"};
  ui::Label LabelTextAvailable{this, "LabelTextAvailable"};
  ui::Label LabelSpaceAvailable{this, "LabelSpaceAvailable"};

 protected:
  void design() override;
  void onLoad() override { TVTarget_Form_Load(); }
};
extern TVTargetForm TVTarget;
