#include "extract/tv_main.h"

// The run page is not part of the program yet; Finish then simply returns to the target page.
void RunTVDoIt() {}
