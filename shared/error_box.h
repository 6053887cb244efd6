#pragma once
// The library's error box, the one place where both programs report errors.
#include <string>
#include <string_view>

#include "platform/ui/basic_controls.h"
#include "platform/ui/form.h"
#include "platform/ui/pictures.h"
#include "platform/ui/text_box.h"

// The box's three texts; the code is kept but never shown.
extern std::string emsg_code;
extern std::string emsg_caption;
extern std::string emsg_text;

// Shows the box modal and returns when the user has closed it; fails in no visible way.
void ShowError(std::string_view code, std::string_view caption, std::string_view message);
// Shows the box modal, then ends the program with a non-zero exit status.
[[noreturn]] void FatalError(std::string_view code, std::string_view caption, std::string_view message);
// Reports a failed internal check under the caption "Assertion failed!"; ends the program when fatal.
void ReportAssertion(std::string_view message, bool fatal);

void VystEMsg_Form_Load();
void VystEMsg_ButtonOK_Click();

class VystEMsgForm : public ui::Form {
 public:
  VystEMsgForm();

  ui::Image Image1{this, "Image1"};
  ui::Label ErrorHeader{this, "ErrorHeader"};
  ui::Line Line1{this, "Line1"};
  ui::TextBox ErrorMessage{this, "ErrorMessage"};
  ui::CommandButton ButtonOK{this, "ButtonOK"};

 protected:
  void design() override;
  void onLoad() override { VystEMsg_Form_Load(); }
};
extern VystEMsgForm VystEMsg;
