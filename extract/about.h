#pragma once
// The About box: title, version, and four pages of fixed information on a tab strip.
#include "platform/ui/basic_controls.h"
#include "platform/ui/form.h"
#include "platform/ui/list_boxes.h"
#include "platform/ui/pictures.h"
#include "platform/ui/tab_strip.h"

void About_Form_Load();
void About_TabStrip1_Click();
void About_InternetLnk_Click(int Index);
void About_Command2_Click();

class AboutForm : public ui::Form {
 public:
  AboutForm();

  // The pictures beside the title: one of them is shown at a time.
  void DoFreeSpace();
  void DoVortane3();
  void HideFrame(ui::Frame& frame);
  void HideAllFrames();

  ui::Label Label1{this, "Label1"};  // the title with the program's name
  ui::Label version{this, "version"};
  ui::ControlArray<ui::PictureBox> Picture1{this, "Picture1", {0, 1, 2}};  // the pictures beside the title
  ui::TabStrip TabStrip1{this, "TabStrip1"};                               // chooses which frame shows
  ui::Frame FrameCredits{this, "FrameCredits"};
  ui::ControlArray<ui::Label> LabelCr{this, "LabelCr", {0, 1, 2, 3, 4, 5, 6}};
  ui::Frame FrameImages{this, "FrameImages"};
  ui::ControlArray<ui::Label> LabelIm{this, "LabelIm", {0, 1, 2, 3, 4, 5, 6}};
  ui::Frame FrameThanks{this, "FrameThanks"};
  ui::Label Label16{this, "Label16"};  // the line above the list of thanks
  ui::ListBox ThanksList{this, "ThanksList"};
  ui::Frame FrameTools{this, "FrameTools"};
  ui::ControlArray<ui::Label> LabelTo{this, "LabelTo", {0, 1, 2}};
  ui::ControlArray<ui::CommandButton> InternetLnk{this, "InternetLnk", {0, 1, 2}};
  ui::Label Label12{this, "Label12"};            // the note on names of games and formats
  ui::Label Label2{this, "Label2"};              // the copyright line
  ui::CommandButton Command2{this, "Command2"};  // OK, closes the box

 protected:
  void design() override;
  void onLoad() override { About_Form_Load(); }
};
extern AboutForm About;
