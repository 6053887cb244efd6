#include "installer/qwscreen1.h"

#include <string>
#include <string_view>

#include "installer/drive_path.h"
#include "platform/error.h"
#include "platform/ui/application.h"
#include "shared/error_report.h"
#include "shared/routines.h"
#include "shared/settings.h"
#include "shared/vyst32.h"
#include "shared/window_helpers.h"

QWScreen1Form QWScreen1;

namespace {

void showInvalidDir() { ShowError("", "Invalid dir", "Could not install Vyst3 in that directory. Choose another!"); }

}  // namespace

QWScreen1Form::QWScreen1Form() : InstallerScreen("QWScreen1") {
  ButtonNext.onClick = QWScreen1_ButtonNext_Click;
  ButtonCancel.onClick = QWScreen1_ButtonCancel_Click;
}

void QWScreen1Form::design() {
  InstallerScreen::design();
  LabelSup.move(2520, 240, 5535, 855);
  LabelSup.setWordWrap(true);
  LabelSup.setCaption(
      "Quarrow has detected, that no Vyst3-module has yet been installed, so we need to install Vyst3 first. "
      "Please specify a directory, where to install Vyst3:");

  TextDir.move(2520, 1200, 5535, 315);
  TextDir.setText("C:\\VMTOOLS\\_VYST");
  TextDir.setTabIndex(0);

  LabelLong.move(2520, 1680, 5535, 855);
  LabelLong.setWordWrap(true);
  LabelLong.setCaption(
      "(Note: Additionally a small file called C:\\VYST.CFG will be created, please make sure that you have "
      "write access to C:\\ and there are at least 512 bytes free on C:)");
}

void QWScreen1_Form_Load() {
  // The library has not started yet, so the screen registers the font itself.
  CheckTahomaFont();
  SetFormFont(QWScreen1);
  QWScreen1.ShowProgVersion();
}

void QWScreen1_ButtonNext_Click() {
  std::string typed = QWScreen1.TextDir.text();
  if (!IsValue(typed)) {
    ShowError("", "No dir specified", "Enter a directory for Vyst3!");
    return;
  }
  // The settings layer trims what it reads back, so blanks at the ends could never be recorded.
  TrimBlanks(typed);
  if (!IsAbsoluteDrivePath(typed)) {
    showInvalidDir();
    return;
  }
  pfad_vyst = typed;
  // A failing step is skipped; a directory that could not be made shows in the vyst.ini test.
  win::tryStep([] { MakeDirTree(pfad_vyst); });
  win::tryStep(
      [] { WriteIniString(pfad_vyst, "vyst.ini", "General", "Vyst3-Installer", "Quarrow32 V" + prog_version); });
  if (!FileExists(AddPathSeparator(pfad_vyst) + "vyst.ini")) {
    showInvalidDir();
    return;
  }
  win::tryStep([] { WriteIniString("c:\\", "vyst.cfg", "Directories", "Vyst3", pfad_vyst); });
  std::string recorded;
  win::tryStep([&] { recorded = GetIniString("c:\\", "vyst.cfg", "Directories", "Vyst3"); });
  if (recorded != pfad_vyst) {
    ShowError("", "Access error", "Could not create/write file C:\\VYST.CFG");
    return;
  }
  QWScreen1.unload();
}

void QWScreen1_ButtonCancel_Click() { ui::endProgram(); }
