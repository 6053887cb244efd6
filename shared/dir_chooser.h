#pragma once
// The directory chooser: a drive list and a directory list, and no way to cancel.
#include <string>

#include "platform/ui/basic_controls.h"
#include "platform/ui/file_lists.h"
#include "platform/ui/form.h"

// The directory the chooser starts from and hands back; meaningful only while ChooseDirectory runs.
extern std::string dirc_path;

// Shows the chooser modal from the given directory; afterwards it holds the user's choice.
void ChooseDirectory(std::string& directory);

void VystDirC_Form_Load();
void VystDirC_Drive1_Change();
void VystDirC_Dir1_Change();
void VystDirC_Command1_Click();

class VystDirCForm : public ui::Form {
 public:
  VystDirCForm();

  ui::Label Label1{this, "Label1"};  // the request above the lists
  ui::DriveListBox Drive1{this, "Drive1"};
  ui::DirListBox Dir1{this, "Dir1"};
  ui::Label LabelDir{this, "LabelDir"};
  ui::CommandButton Command1{this, "Command1"};  // OK, the one way to close the chooser

 protected:
  void design() override;
  void onLoad() override { VystDirC_Form_Load(); }
};
extern VystDirCForm VystDirC;
