#include "extract/wizard_state.h"

int16_t mode1 = 0;
int16_t mode2 = 0;
std::string StubFile;
std::string SourcePath;
MovieTable Movies;
int16_t MovieCount = 0;
int64_t SpaceNeeded = 0;
std::string TargetDir;
