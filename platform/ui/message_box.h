#pragma once
// The system's message box: text, title, a button set, a default button, no icon.
#include <string_view>

namespace ui {

enum MsgBoxStyle : int {
  kOkOnly = 0,
  kOkCancel = 1,
  kYesNo = 4,
  kDefaultButton1 = 0,
  kDefaultButton2 = 256,
};

enum MsgBoxResult : int { kIdOk = 1, kIdCancel = 2, kIdYes = 6, kIdNo = 7 };

// Texts are ANSI; an empty title means the program's title. Returns the code of the pressed button.
int msgBox(std::string_view text, int style = kOkOnly, std::string_view title = {});

}  // namespace ui
