#include "shared/error_box.h"

#include "platform/error.h"
#include "platform/ui/application.h"

std::string emsg_code;
std::string emsg_caption;
std::string emsg_text;

VystEMsgForm VystEMsg;

VystEMsgForm::VystEMsgForm() : Form("VystEMsg") { ButtonOK.onClick = VystEMsg_ButtonOK_Click; }

void VystEMsgForm::design() {
  setCaption("Error");
  setBorderStyle(ui::BorderStyle::FixedDialog);
  setClientSize(5145, 2835);
  setCentered(true);

  Image1.move(240, 300, 480, 480);
  Image1.setPictureResource(":/shared/error_icon.png");

  ErrorHeader.move(840, 480, 4095, 375);
  ErrorHeader.setFontName("Tahoma");
  ErrorHeader.setFontSize(15.75);
  ErrorHeader.setFontBold(true);

  Line1.setCoords(840, 840, 4920, 840);

  ErrorMessage.setMultiLine(true);
  ErrorMessage.move(240, 1080, 4695, 1155);
  ErrorMessage.setFontName("Tahoma");
  ErrorMessage.setFontSize(8.25);
  ErrorMessage.setBackColor(ui::kButtonFace);
  // The message is there to be read and copied, not edited; the keyboard starts on OK, as in a message box.
  ErrorMessage.setLocked(true);
  ErrorMessage.setTabIndex(1);

  ButtonOK.move(3600, 2280, 1335, 375);
  ButtonOK.setCaption("&OK");
  ButtonOK.setFontName("Tahoma");
  ButtonOK.setFontSize(8.25);
  // Enter and Esc both close the box: there is nothing else to answer.
  ButtonOK.setDefault(true);
  ButtonOK.setCancel(true);
  ButtonOK.setTabIndex(0);
}

void VystEMsg_Form_Load() {
  VystEMsg.ErrorHeader.setCaption(emsg_caption + " ");
  VystEMsg.ErrorMessage.setText(emsg_text);
}

void VystEMsg_ButtonOK_Click() { VystEMsg.unload(); }

void ShowError(std::string_view code, std::string_view caption, std::string_view message) {
  emsg_code = code;
  emsg_caption = caption;
  emsg_text = message;
  // Unloading first makes the load handler take the new texts.
  win::tryStep([] { VystEMsg.unload(); });
  win::tryStep([] { VystEMsg.showModal(); });
  win::tryStep([] { VystEMsg.unload(); });
}

void FatalError(std::string_view code, std::string_view caption, std::string_view message) {
  emsg_code = code;
  emsg_caption = caption;
  emsg_text = message;
  win::tryStep([] { VystEMsg.showModal(); });
  ui::endProgram(1);
}

void ReportAssertion(std::string_view message, bool fatal) {
  std::string full = std::string(message) + "\r\n\r\nContact program author with this information!";
  if (fatal) FatalError("", "Assertion failed!", full);
  ShowError("", "Assertion failed!", full);
}
