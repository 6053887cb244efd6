#pragma once
// Small forms built like the programs' windows, for the tests of the window layer.
#include <string>
#include <vector>

#include "platform/error.h"
#include "platform/ui/ui.h"

namespace demo {

class HelpCompanion : public ui::Form {
 public:
  HelpCompanion() : Form("HelpCompanion") {}
  int loads = 0, unloads = 0, activations = 0;
  std::vector<double> resizes;  // the height at each Resize
  ui::ControlArray<ui::Image> image1{this, "Image1", {0, 1, 2}};

 protected:
  void design() override {
    setCaption(" ");
    setBorderStyle(ui::BorderStyle::FixedDialog);
    setShowInTaskbar(false);
    setClientSize(1845, 1380);
    image1.forEach([](ui::Image& i) { i.move(0, 0, 1860, 1380); });
  }
  void onLoad() override {
    ++loads;
    setWidth(1935);
  }
  void onUnload() override { ++unloads; }
  void onActivate() override { ++activations; }
  void onResize() override { resizes.push_back(height()); }
};
inline HelpCompanion helpCompanion;

class Notice : public ui::Form {
 public:
  Notice() : Form("Notice") {
    buttonOK.onClick = [this] { unload(); };
    buttonEnd.onClick = [] { ui::endProgram(2); };
  }
  int unloads = 0;
  ui::Label message{this, "Message"};
  ui::CommandButton buttonOK{this, "ButtonOK"};
  ui::CommandButton buttonEnd{this, "ButtonEnd"};

 protected:
  void design() override {
    setCaption("Error");
    setBorderStyle(ui::BorderStyle::FixedDialog);
    setClientSize(5145, 2835);
    setCentered(true);
    message.move(240, 1080, 4695, 1155);
    buttonOK.move(3600, 2280, 1335, 375);
    buttonOK.setCaption("&OK");
    buttonEnd.move(120, 2280, 1335, 375);
    buttonEnd.setCaption("&End");
  }
  void onUnload() override { ++unloads; }
};
inline Notice notice;

// A wizard page: key preview with F1, a default Next and a cancel button; closing it ends the program
// unless it is handing over.
class Page : public ui::Form {
 public:
  Page() : Form("Page") {
    buttonNext.onClick = [this] { ++nextClicks; };
    buttonCancel.onClick = [] { ui::endProgram(0); };
    buttonHelp.onClick = [this] { helpCompanion.show(*this); };
    buttonAbout.onClick = [] { notice.showModal(); };
    buttonFail.onClick = [] { win::raise(win::PathNotFound); };
    option1.on(&ui::OptionButton::onClick, [this](int index) {
      choice = index;
      buttonNext.setEnabled(true);
    });
  }
  bool pageSwitch = false;
  int choice = 0, nextClicks = 0, loads = 0, unloads = 0;
  std::vector<std::pair<int, int>> keys;  // code, shift

  ui::Label label1{this, "Label1"};
  ui::Frame frame1{this, "Frame1"};
  ui::ControlArray<ui::OptionButton> option1{this, "Option1", {1, 2, 4, 3}};
  ui::ListBox list1{this, "List1"};
  ui::Line line1{this, "Line1"};
  ui::CommandButton buttonAbout{this, "CommandAbout"};
  ui::CommandButton buttonHelp{this, "CommandHelp"};
  ui::CommandButton buttonFail{this, "ButtonFail"};
  ui::CommandButton buttonNext{this, "ButtonNext"};
  ui::CommandButton buttonCancel{this, "ButtonCancel"};

 protected:
  void design() override {
    setCaption("Demo Manager DEMO32");
    setBorderStyle(ui::BorderStyle::FixedDialog);
    setClientSize(8205, 5460);
    setCentered(true);
    setKeyPreview(true);
    label1.move(2520, 240, 5535, 615);
    label1.setCaption("What kind of movie do you want to open in the converter?");
    frame1.move(2520, 900, 2600, 2400);
    frame1.setCaption("Kind");
    const char* captions[] = {"", "MVE file", "MVL file", "EXE file", "BIF file"};
    int top = 240;
    for (int i : {1, 2, 4, 3}) {
      option1[i].setContainer(frame1);
      option1[i].move(120, top, 2300, 255);
      option1[i].setCaption(captions[i]);
      option1[i].setFontBold(true);
      top += 480;
    }
    list1.move(5280, 900, 2775, 2400);
    list1.addItem("INTRO.MVE - 1.234.567 Bytes");
    list1.addItem("END.MVE - 99 Bytes");
    line1.setCoords(120, 4800, 8085, 4800);
    buttonAbout.move(120, 5040, 1275, 375);
    buttonAbout.setCaption("&About");
    buttonHelp.move(1500, 5040, 375, 375);
    buttonHelp.setToolTip("Click to bring up help");
    buttonFail.move(2000, 5040, 1000, 375);
    buttonFail.setCaption("&Fail");
    buttonNext.move(4800, 5040, 1335, 375);
    buttonNext.setCaption("&Next >");
    buttonNext.setDefault(true);
    buttonNext.setEnabled(false);
    buttonCancel.move(6840, 5040, 1335, 375);
    buttonCancel.setCaption("&Cancel");
    buttonCancel.setCancel(true);
  }
  void onLoad() override {
    ++loads;
    pageSwitch = false;
  }
  void onUnload() override {
    ++unloads;
    if (!pageSwitch) ui::endProgram(0);
  }
  void onKeyDown(int& keyCode, int shift) override {
    keys.emplace_back(keyCode, shift);
    if (keyCode == 112) buttonHelp.click();
  }
};
inline Page page;

// A copy loop that yields after every block, with a Cancel that asks first.
class Worker : public ui::Form {
 public:
  Worker() : Form("Worker") {
    buttonCancel.onClick = [] {
      if (ui::msgBox("Are you sure you want to abort?", ui::kYesNo | ui::kDefaultButton2) == ui::kIdYes)
        ui::endProgram(3);
    };
    buttonAbout.onClick = [] { notice.showModal(); };
  }
  int blocks = 0;
  void run(int count) {
    load();
    progress.setMax(float(count));
    for (int i = 0; i < count; ++i) {
      progress.setValue(progress.value() + 1);
      ++blocks;
      ui::doEvents();
    }
  }
  ui::ProgressBar progress{this, "ProgressBar1"};
  ui::CommandButton buttonAbout{this, "CommandAbout"};
  ui::CommandButton buttonCancel{this, "ButtonCancel"};

 protected:
  void design() override {
    setCaption("Worker");
    setBorderStyle(ui::BorderStyle::FixedDialog);
    setClientSize(4000, 1500);
    progress.move(120, 120, 3700, 300);
    buttonAbout.move(120, 900, 1335, 375);
    buttonCancel.move(2500, 900, 1335, 375);
    buttonCancel.setCaption("&Cancel");
    buttonCancel.setCancel(true);
  }
};
inline Worker worker;

}  // namespace demo
