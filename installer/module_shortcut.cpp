#include "installer/module_shortcut.h"

#include "platform/setup_toolkit.h"
#include "shared/routines.h"

std::string ShortcutLinkName(std::string_view desc) {
  std::string name(desc);
  while (ReplaceVariable(name, "/", " ")) {
  }
  return name;
}

bool CreateModuleShortcut(std::string_view linkName, std::string_view targetPath) {
  // The folder may be there already; only the link's result counts.
  win::fCreateShellFolder(kShortcutFolder);
  return win::fCreateShellLink(kShortcutFolder, ShortcutLinkName(linkName), targetPath, "") != 0;
}
