#include "installer/installer_state.h"

ModuleTable modules;
std::array<std::string, kModeCount> mode_names;
std::string module_dir;
std::string inf_dir;
