#pragma once
// What the files of the install run share (install_run.cpp, install_steps.cpp, uninstall_steps.cpp): the
// steps of one module's turn, the list sections of its description, and the run's step labels. During a
// turn inf_dir holds the module's own description and module_dir is its Directory.
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>

#include "installer/installer_state.h"

// The install steps of Install, Repair and Update (install_steps.cpp).
void InstallSteps(const ModuleInfo& module);
// The uninstall steps (uninstall_steps.cpp); with a Directory that is not "X:\...", only the records go.
void UninstallSteps(const ModuleInfo& module);

enum class ListOrder { FirstToLast, LastToFirst };

// A list section of the description in inf_dir, counted once when made, then walked line by line, each
// line taken by its number from one reading of the description per walk. A description that cannot be read
// has no lines.
class ListSection {
 public:
  explicit ListSection(std::string_view name);
  void forEachLine(ListOrder order, const std::function<void(const std::string& line)>& action) const;

 private:
  std::string name_;
  int32_t count_ = 0;
};

// The captions of the step labels from label 0 on; the others keep theirs.
void SetStepCaptions(std::initializer_list<std::string_view> captions);
// SetStepState of the step label with that index (0 to 4).
void SetStep(int label, int16_t state);
// Every normal file matching the pattern is deleted but the family's own (IsFamilyFile); each one that
// cannot be deleted is listed as "Could not delete " and its path. Nothing matching is no error.
void DeleteMatchingFiles(std::string_view pattern);
