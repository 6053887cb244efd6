// vm-make-samples FOLDER: writes one sample container of each kind into a host folder.
#include <exception>
#include <iostream>

#include "tools/samples/sample_containers.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: vm-make-samples FOLDER\n";
    return 2;
  }
  try {
    samples::writeSampleFolder(argv[1]);
  } catch (const std::exception& e) {
    std::cerr << "vm-make-samples: " << e.what() << "\n";
    return 1;
  }
  return 0;
}
