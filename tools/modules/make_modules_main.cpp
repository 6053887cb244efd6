// vm-make-modules SOURCE_TREE WIZARD_PROGRAM FOLDER: writes the family's own module archives into FOLDER,
// with the project's version.
#include <exception>
#include <iostream>

#include "tools/modules/family_modules.h"

int main(int argc, char** argv) {
  if (argc != 4) {
    std::cerr << "usage: vm-make-modules SOURCE_TREE WIZARD_PROGRAM FOLDER\n";
    return 2;
  }
  try {
    WriteFamilyModules(argv[1], argv[2], {VM_MODULE_VERSION_MAJOR, "Beta", "02", VM_MODULE_VERSION_BUILD}, argv[3]);
  } catch (const std::exception& e) {
    std::cerr << "vm-make-modules: " << e.what() << "\n";
    return 1;
  }
  return 0;
}
