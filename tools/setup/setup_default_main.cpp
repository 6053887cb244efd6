// vm-setup-default MODULE_FOLDER: fills the prefix ($VORTANE_PREFIX or the default) with a ready family,
// installed from the module archives of MODULE_FOLDER by the installer's own run, when it has none yet.
#include <QApplication>
#include <exception>
#include <iostream>

#include "platform/drives.h"
#include "tools/setup/default_prefix.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: vm-setup-default MODULE_FOLDER\n";
    return 2;
  }
  // The installer's screens run headless: nothing of them is shown.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  QApplication::setQuitOnLastWindowClosed(false);
  try {
    win::drives().usePrefix(win::Drives::defaultPrefix());
    if (FillDefaultPrefix(argv[1]))
      std::cout << "vm-setup-default: a ready family is in " << win::drives().prefix().string() << "\n";
    else
      std::cout << "vm-setup-default: " << win::drives().prefix().string() << " has a family already\n";
  } catch (const std::exception& e) {
    std::cerr << "vm-setup-default: " << e.what() << "\nRemove " << win::drives().prefix().string()
              << " to start afresh.\n";
    return 1;
  }
  return 0;
}
