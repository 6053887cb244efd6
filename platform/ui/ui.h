#pragma once
// The window layer: forms and controls on Qt Widgets that behave as the original platform's did.
//
// A form is a class derived from ui::Form with its controls as members (declared in the order they are
// created, containers before their contents) and a single global instance:
//
//   class Greeting : public ui::Form {
//    public:
//     Greeting() : Form("Greeting") {
//       buttonOK.onClick = [this] { unload(); };
//       option1.on(&ui::OptionButton::onClick, [this](int index) { choice = index; });
//     }
//     int choice = 0;  // survives unloading
//
//     ui::Label label1{this, "Label1"};
//     ui::ControlArray<ui::OptionButton> option1{this, "Option1", {1, 2}};
//     ui::CommandButton buttonOK{this, "ButtonOK"};
//
//    protected:
//     void design() override {  // the design state, rebuilt at every load
//       setCaption("Greeting");
//       setBorderStyle(ui::BorderStyle::FixedDialog);
//       setClientSize(4000, 2000);  // twips
//       setCentered(true);
//       setKeyPreview(true);
//       label1.move(120, 120, 3000, 255);
//       label1.setCaption("Hello");
//       option1[1].move(120, 480, 1500, 255);
//       option1[1].setCaption("&One");
//       option1[2].move(120, 780, 1500, 255);
//       option1[2].setCaption("&Two");
//       buttonOK.move(2520, 1440, 1335, 375);
//       buttonOK.setCaption("&OK");
//       buttonOK.setDefault(true);
//     }
//     void onLoad() override { label1.setCaption("Hello again"); }
//     void onKeyDown(int& keyCode, int) override { if (keyCode == 112) buttonOK.click(); }
//   };
//   inline Greeting greeting;
//
//   greeting.showModal();  // loads (design, onLoad), shows, returns when it is unloaded or hidden
//
// Every handler runs through ui::dispatch: an uncaught win::Error shows the run-time error box and ends
// the program. ui::endProgram ends it at once from anywhere. Tests install a ui::TestHook (test_hook.h;
// test support provides one) that answers message boxes, modal forms, popup menus and yields.
#include "platform/error.h"
#include "platform/ui/application.h"
#include "platform/ui/basic_controls.h"
#include "platform/ui/control.h"
#include "platform/ui/file_lists.h"
#include "platform/ui/font.h"
#include "platform/ui/form.h"
#include "platform/ui/list_boxes.h"
#include "platform/ui/menu.h"
#include "platform/ui/message_box.h"
#include "platform/ui/pictures.h"
#include "platform/ui/progress_bar.h"
#include "platform/ui/tab_strip.h"
#include "platform/ui/text_box.h"
#include "platform/ui/tree_view.h"
#include "platform/ui/units.h"
