#pragma once
// The third page: the source file in drive, directory and file lists, checked at every click.
#include "extract/wizard_page.h"
#include "platform/ui/basic_controls.h"
#include "platform/ui/file_lists.h"

void TVSource_Form_Load();
void TVSource_Drive1_Change();
void TVSource_Dir1_Change();
void TVSource_File1_Click();
void TVSource_File1_DblClick();
void TVSource_ButtonNext_Click();
void TVSource_ButtonBack_Click();

class TVSourceForm : public HandOverPage {
 public:
  TVSourceForm();

  ui::DriveListBox Drive1{this, "Drive1"};  // the drive of the source
  ui::DirListBox Dir1{this, "Dir1"};        // the directory of the source
  ui::FileListBox File1{this, "File1"};     // the files of the chosen kind in that directory
  ui::Label LabelError{this, "LabelError"};

 protected:
  void design() override;
  void onLoad() override { TVSource_Form_Load(); }
};
extern TVSourceForm TVSource;
