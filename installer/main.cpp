#include "installer/qw_main.h"
#include "platform/ui/application.h"

int main(int argc, char** argv) {
  ui::setProgramTitle("QRW32");
  return ui::runProgram(argc, argv, Main);
}
