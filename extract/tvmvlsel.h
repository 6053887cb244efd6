#pragma once
// The library page: the movies of an MVL library or a BIF archive, to choose from.
#include "extract/wizard_page.h"
#include "extract/wizard_state.h"
#include "platform/ui/basic_controls.h"
#include "platform/ui/list_boxes.h"

void TVMVLSel_Form_Load();
void TVMVLSel_List1_Click();
void TVMVLSel_CommandSel_Click();
void TVMVLSel_CommandDeSel_Click();
void TVMVLSel_ButtonNext_Click();
void TVMVLSel_ButtonBack_Click();

class TVMVLSelForm : public HandOverPage {
 public:
  TVMVLSelForm();

  MovieTable Entries;  // the library's directory; line i of List1 shows entry i + 1

  ui::ListBox List1{this, "List1"};  // the library's movies, one line each
  ui::CommandButton CommandSel{this, "CommandSel"};
  ui::CommandButton CommandDeSel{this, "CommandDeSel"};

 protected:
  void design() override;
  void onLoad() override { TVMVLSel_Form_Load(); }
};
extern TVMVLSelForm TVMVLSel;
