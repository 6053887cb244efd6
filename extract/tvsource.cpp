#include "extract/tvsource.h"

#include <string>

#include "extract/containers.h"
#include "extract/tv_main.h"
#include "extract/wizard_state.h"
#include "platform/error.h"
#include "platform/files.h"
#include "shared/error_report.h"
#include "shared/identity.h"
#include "shared/routines.h"
#include "shared/settings.h"
#include "shared/window_helpers.h"

TVSourceForm TVSource;

namespace {

constexpr const char* kSettingsFile = "tovrik32.ini";

std::string ValidVerdict(int32_t value) {
  switch (mode1) {
    case kMveFile: return "Valid Interplay MVE File.";
    case kMvlLibrary: return "Valid MVL library file. Contains " + std::to_string(value) + " MVE files.";
    case kSelfPlayingExe:
      return value == kDosPlayerOffset ? "Valid MVE self-playing file with DOS stub."
                                       : "Valid MVE self-playing file with Win32 stub.";
    case kBifArchive:
    default: return "Valid BIF library file. Contains " + std::to_string(value) + " MVE files.";
  }
}

std::string InvalidVerdict(SourceFault fault) {
  switch (fault) {
    case SourceFault::CannotOpen: return "The file cannot be opened. It may be in use by another program.";
    case SourceFault::TooLarge: return "The file is larger than 2.147.483.647 Bytes, which no movie file can be.";
    default: return mode1 == kBifArchive ? "No BIF file or BIF file contains no MVE files." : "No MVE file.";
  }
}

void ShowInvalid(SourceFault fault) {
  TVSource.LabelError.setCaption(InvalidVerdict(fault));
  TVSource.ButtonNext.setEnabled(false);
}

// The single movie of an MVE file or a self-playing EXE, measured now: the file may have changed since
// it was clicked. False (with the verdict shown) when it can no longer be used.
bool TakeSingleMovie() {
  int32_t offset = 0;
  if (mode1 == kSelfPlayingExe) {
    SourceFault fault = SourceFault::None;
    if (!checkmvefiletype(SourcePath, offset, fault)) {
      if (fault != SourceFault::NotThisKind) ShowInvalid(fault);
      return false;
    }
  }
  int64_t length = 0;
  if (!win::tryStep([&] { length = win::fileLen(SourcePath); })) {
    ShowInvalid(FileExists(SourcePath) ? SourceFault::CannotOpen : SourceFault::Missing);
    return false;
  }
  if (length > kMaxContainerLength) {
    ShowInvalid(SourceFault::TooLarge);
    return false;
  }
  MovieCount = 1;
  Movies[1] = MovieEntry{TVSource.File1.fileName(), offset, static_cast<int32_t>(length - offset)};
  return true;
}

}  // namespace

TVSourceForm::TVSourceForm() : HandOverPage("TVSource") {
  Drive1.onChange = TVSource_Drive1_Change;
  Dir1.onChange = TVSource_Dir1_Change;
  File1.onClick = TVSource_File1_Click;
  File1.onDblClick = TVSource_File1_DblClick;
  ButtonNext.onClick = TVSource_ButtonNext_Click;
  ButtonBack.onClick = TVSource_ButtonBack_Click;
}

void TVSourceForm::design() {
  WizardPage::design();
  Label1.move(2520, 240, 5535, 315);
  Label1.setCaption("Select the file you want to convert.");
  Drive1.move(2520, 660, 2055, 315);
  Drive1.setTabIndex(1);
  Dir1.move(2520, 1080, 2055, 3015);
  Dir1.setTabIndex(2);
  File1.move(4680, 660, 3435, 3405);
  File1.setTabIndex(0);
  LabelError.move(2520, 4380, 5535, 255);
}

void TVSource_Form_Load() {
  std::string remembered;
  win::tryStep([&] { remembered = GetIniString(pfad_main, kSettingsFile, "LastSettings", "SourcePath"); });
  win::tryStep([&] { TVSource.Drive1.setDrive(remembered); });
  win::tryStep([&] { TVSource.Dir1.setPath(remembered); });
  TVSource.PageSwitch = 0;
  const char* patterns[] = {"", "*.MVE", "*.MVL", "*.EXE", "*.BIF"};  // by SourceKind
  if (mode1 < kMveFile || mode1 > kBifArchive) ReportAssertion("Unknown 'mode1'.", true);
  win::tryStep([&] { TVSource.File1.setPattern(patterns[mode1]); });
  SetFormFont(TVSource);
}

void TVSource_Drive1_Change() {
  std::string drive = TVSource.Drive1.drive().substr(0, 2);
  // Going back to the drive the lists are on moves nothing.
  if (UpperCaseAscii(TVSource.Dir1.path().substr(0, 2)) == UpperCaseAscii(drive)) return;
  if (win::tryStep([&] { TVSource.Dir1.setPath(drive); })) return;
  ShowError("", "Drive not ready",
            "Drive " + UpperCaseAscii(drive) + " cannot be read. Insert a disk or choose another drive.");
  win::tryStep([] { TVSource.Drive1.setDrive(TVSource.Dir1.path()); });
}

void TVSource_Dir1_Change() {
  TVSource.File1.setPath(TVSource.Dir1.path());
  TVSource.ButtonNext.setEnabled(false);
}

void TVSource_File1_Click() {
  SourcePath = AddPathSeparator(TVSource.Dir1.path()) + TVSource.File1.fileName();
  int32_t value = 0;
  SourceFault fault = SourceFault::None;
  if (checkmvefiletype(SourcePath, value, fault)) {
    TVSource.LabelError.setCaption(ValidVerdict(value));
    TVSource.ButtonNext.setEnabled(true);
  } else {
    ShowInvalid(fault);
  }
}

void TVSource_File1_DblClick() {
  if (TVSource.ButtonNext.enabled()) TVSource_ButtonNext_Click();
}

void TVSource_ButtonNext_Click() {
  WriteIniString(pfad_main, kSettingsFile, "LastSettings", "SourcePath", TVSource.Dir1.path());
  switch (mode1) {
    case kMveFile:
    case kSelfPlayingExe:
      if (!TakeSingleMovie()) return;
      TVSource.PageSwitch = -1;
      ShowTVTarget();
      break;
    case kMvlLibrary:
    case kBifArchive:
      TVSource.PageSwitch = -1;
      ShowTVMVLSel();
      break;
    default: ReportAssertion("Unknown 'mode1'.", true);
  }
  TVSource.unload();
}

void TVSource_ButtonBack_Click() { TVSource.handOver(ShowTV2Mode); }
