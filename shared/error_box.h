#pragma once
// The library's error box, the form behind ShowError, FatalError and ReportAssertion.
#include "platform/ui/basic_controls.h"
#include "platform/ui/form.h"
#include "platform/ui/pictures.h"
#include "platform/ui/text_box.h"
#include "shared/error_report.h"

void VystEMsg_Form_Load();
void VystEMsg_ButtonOK_Click();

class VystEMsgForm : public ui::Form {
 public:
  VystEMsgForm();

  ui::Image Image1{this, "Image1"};  // the error icon
  ui::Label ErrorHeader{this, "ErrorHeader"};
  ui::Line Line1{this, "Line1"};  // the rule under the header
  ui::TextBox ErrorMessage{this, "ErrorMessage"};
  ui::CommandButton ButtonOK{this, "ButtonOK"};

 protected:
  void design() override;
  void onLoad() override { VystEMsg_Form_Load(); }
};
extern VystEMsgForm VystEMsg;
