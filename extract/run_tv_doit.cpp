#include "extract/tv_doit.h"
#include "extract/tv_main.h"

void RunTVDoIt() {
  TVDoIt.show();
  TVDoIt.refresh();
  TVDoIt.DoIt();
}
