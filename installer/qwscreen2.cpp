#include "installer/qwscreen2.h"

#include "platform/ui/application.h"
#include "shared/error_report.h"
#include "shared/window_helpers.h"

QWScreen2Form QWScreen2;

QWScreen2Form::QWScreen2Form() : InstallerScreen("QWScreen2") { ButtonCancel.onClick = QWScreen2_ButtonCancel_Click; }

void QWScreen2Form::design() {
  InstallerScreen::design();
  LabelSup.move(2520, 240, 5535, 855);
  LabelSup.setWordWrap(true);
  LabelSup.setCaption(
      "Welcome to the Vortane Manager Tools! You can choose the modules to install here (just change their "
      "installation modes) and -if installing them for the first time- change their directories.");

  LabelLong.move(2520, 2460, 5595, 255);
  LabelLong.setFontBold(true);

  LabelMode.move(5040, 2460, 1455, 555);
  LabelMode.setCaption("Mode:");
  LabelMode.setVisible(false);

  LabelProcess.forEach([](ui::Label& step) { step.move(2580, 2760 + 240 * step.index(), 5535, 255); });

  LabelDesc2.move(2520, 3180, 5535, 615);

  const char* versionCaptions[] = {"Module version:", "", "Installed version:", ""};
  LabelVersion.forEach([&](ui::Label& label) {
    int i = label.index();
    bool isName = i % 2 == 1;
    label.move(isName ? 2520 : 4020, i <= 2 ? 3780 : 4020, isName ? 1395 : 4095, 255);
    label.setFontItalic(isName);
    label.setCaption(versionCaptions[i - 1]);
    label.setVisible(false);
  });

  LabelDir.move(2520, 4320, 1155, 255);
  LabelDir.setFontItalic(true);
  LabelDir.setCaption("Directory:");
  LabelDir.setVisible(false);

  List1.move(2520, 1080, 5535, 1230);
  List1.setTabIndex(0);

  ComboMode.move(6540, 2400, 1515, 315);
  ComboMode.setVisible(false);
  ComboMode.setTabIndex(1);

  TextDesc.setMultiLine(true);
  TextDesc.move(2580, 2760, 5535, 915);
  TextDesc.setVerticalScrollBar(true);
  TextDesc.setBackColor(ui::kButtonFace);
  TextDesc.setFontItalic(true);
  TextDesc.setText(
      "Select a module in the list above to edit its installation mode and/or its destination directory.\r\n");
  TextDesc.setTabIndex(2);

  TextDir.move(4020, 4260, 4035, 315);
  TextDir.setVisible(false);
  TextDir.setTabIndex(3);

  ButtonBack.setEnabled(false);
}

void QWScreen2_Form_Load() {
  SetFormFont(QWScreen2);
  QWScreen2.ShowProgVersion();
  QWScreen2.LabelProcess.forEach([](ui::Label& step) { step.setVisible(false); });
  if (QWScreen2.List1.listCount() == 0)
    FatalError("", "No modules", "No *.QRM modules found in current directory, nothing to install! Exiting program...");
}

void QWScreen2_ButtonCancel_Click() { QWScreen2.CloseScreen(); }

void QWScreen2Form::CloseScreen() { unload(); }

// Nothing of the installer is open beside its main window.
void QWScreen2Form::onUnload() { ui::endProgram(); }
