#pragma once
// What the installer's two screens have in common: the window, the picture at the left, the separator
// above the buttons, the version line and the three buttons.
#include <string>

#include "platform/ui/basic_controls.h"
#include "platform/ui/form.h"
#include "platform/ui/pictures.h"

// The caption of both screens.
inline constexpr const char* kInstallerCaption = "Vortane Manager QUARROW32";

// The common controls are declared first; a screen gives its own controls tab indices so that they come
// first in the tab order. The version line comes before the buttons, which it overlaps, so it never
// covers them.
class InstallerScreen : public ui::Form {
 public:
  explicit InstallerScreen(std::string name) : Form(std::move(name)) {}

  ui::Image Image1{this, "Image1"};           // decoration at the left
  ui::PictureBox Picture2{this, "Picture2"};  // separator line above the buttons
  ui::Label LabelProgVersion{this, "LabelProgVersion"};
  ui::CommandButton ButtonBack{this, "ButtonBack"};
  // The default (Enter) and cancel (Esc) buttons on the module screen only: the base-directory screen has
  // neither, so that Enter and Esc while typing the directory press nothing.
  ui::CommandButton ButtonNext{this, "ButtonNext"};
  ui::CommandButton ButtonCancel{this, "ButtonCancel"};

  // LabelProgVersion reads "V", prog_version, " - " and prog_date.
  void ShowProgVersion();

 protected:
  // The common design state; a screen's design() calls it first, then places its own controls.
  void design() override;
};
