#include "extract/tv_main.h"
#include "platform/ui/application.h"
#include "shared/identity.h"

int main(int argc, char** argv) {
  makedirtree_probe = "mscreate.dir";
  ui::setProgramTitle("TOVRIK32");
  return ui::runProgram(argc, argv, Main);
}
