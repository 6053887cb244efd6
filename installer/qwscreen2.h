#pragma once
// The module screen, the installer's main window: one line per module archive of pfad_main with its mode
// and directory, and the details of the selected module, whose mode and directory the user chooses. List
// line i belongs to slot i + 1 of modules. Its unload ends the program.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "installer/installer_screen.h"
#include "installer/installer_state.h"
#include "platform/ui/basic_controls.h"
#include "platform/ui/control.h"
#include "platform/ui/list_boxes.h"
#include "platform/ui/text_box.h"

// Ends the program through the fatal error box when no module could be loaded.
void QWScreen2_Form_Load();
// Shows the selected module's details and reloads it, keeping the mode and directory the user gave it.
void QWScreen2_List1_Click();
// The chosen mode and the typed directory go into the selected module and its list line. Nothing happens
// while no line is selected, as with a click.
void QWScreen2_ComboMode_Click();
void QWScreen2_TextDir_Change();
void QWScreen2_ButtonCancel_Click();
// The install run (install_run.cpp): carries out each module's mode in list order, showing its steps, then
// shows the error list and leaves Exit as the only action.
void QWScreen2_ButtonNext_Click();

// The run's error list, lines numbered 1 to 32.
struct ErrorLines {
  static constexpr int kCapacity = 32;
  std::array<std::string, kCapacity> values;
  std::string& operator[](int i) { return values.at(static_cast<size_t>(i - 1)); }
  const std::string& operator[](int i) const { return values.at(static_cast<size_t>(i - 1)); }
};

// The look of a step label of the run.
enum StepState : int16_t { kStepPending = 0, kStepRunning = 1, kStepDone = 2 };

// The labels come first: they lie beneath the list and the text boxes, which some of them overlap.
class QWScreen2Form : public InstallerScreen {
 public:
  QWScreen2Form();

  ui::Label LabelSup{this, "LabelSup"};    // heading; the run replaces it
  ui::Label LabelLong{this, "LabelLong"};  // the selected module's description; the run's progress line
  ui::Label LabelMode{this, "LabelMode"};
  ui::ControlArray<ui::Label> LabelProcess{this, "LabelProcess", {0, 1, 2, 3, 4}};  // the run's five steps
  ui::Label LabelDesc2{this, "LabelDesc2"};
  // 1 and 3 name the versions shown by 2 (offered) and 4 (installed).
  ui::ControlArray<ui::Label> LabelVersion{this, "LabelVersion", {1, 2, 3, 4}};
  ui::Label LabelDir{this, "LabelDir"};
  ui::ListBox List1{this, "List1"};           // one line per loaded module; after the run, the error list
  ui::ComboBox ComboMode{this, "ComboMode"};  // the modes the selected module allows
  ui::TextBox TextDesc{this, "TextDesc"};     // the selected module's long description
  ui::TextBox TextDir{this, "TextDir"};       // the selected module's directory

  // Loads the module archives of pfad_main, at most 32 in the platform's order, into the slots from 1
  // on, one list line each; an archive that does not load takes no slot.
  void InitList();
  void CloseScreen();  // as Cancel

  // The run's methods (install_run.cpp). SetStepState makes a step label italic when pending, bold while
  // running, plain when done, and repaints it at once. AddError appends a line to ErrorList; from the
  // 33rd on, line 32 reads "Too many errors. Rest of error list skipped." instead.
  void SetStepState(ui::Label& label, int16_t state);
  void AddError(std::string_view text);
  ErrorLines ErrorList;    // lines 1 to ErrorCount; line 1 is preset with the run's first line
  int16_t ErrorCount = 0;  // 0 to 32

 protected:
  void design() override;
  void onLoad() override { QWScreen2_Form_Load(); }
  void onUnload() override;
};
extern QWScreen2Form QWScreen2;

// A module's list line: the name of its mode, " ", Long, " in ", Directory.
std::string ModuleListText(const ModuleInfo& module);
