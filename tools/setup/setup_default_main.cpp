// vm-setup-default SOURCE_TREE: fills the prefix ($VORTANE_PREFIX or the default) with a ready family
// when it has none yet.
#include <exception>
#include <iostream>

#include "platform/drives.h"
#include "platform/error.h"
#include "tools/setup/default_prefix.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: vm-setup-default SOURCE_TREE\n";
    return 2;
  }
  try {
    win::drives().usePrefix(win::Drives::defaultPrefix());
    const DefaultPrefixVersion version{VM_VERSION_MAJOR_MINOR, "Beta", "02", VM_VERSION_BUILD};
    if (FillDefaultPrefix(argv[1], version))
      std::cout << "vm-setup-default: a ready family is in " << win::drives().prefix().string() << "\n";
    else
      std::cout << "vm-setup-default: " << win::drives().prefix().string() << " has a family already\n";
  } catch (const std::exception& e) {
    std::cerr << "vm-setup-default: " << e.what() << "\n";
    return 1;
  }
  return 0;
}
