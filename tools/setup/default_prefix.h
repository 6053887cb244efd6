#pragma once
// A ready family in the current prefix, so that a new user can run the wizard at once: the family's own
// module archives installed by qrw32's own run (the wizard with the help companion's picture and sounds, its
// manual), then a folder of sample containers and the wizard's settings that open its pages on them.
#include <filesystem>

// Installs the archives of moduleFolder with the base directory C:\VORTANE\, the wizard in
// C:\VORTANE\TOVRIK32\ and its manual in C:\VORTANE\TOVRIK32\MANUAL\. Needs the application object. Does
// nothing and reports false when C:\VYST.CFG names a base directory already, so that an existing family
// is never overwritten. Throws std::runtime_error when the installer or a file fails.
bool FillDefaultPrefix(const std::filesystem::path& moduleFolder);
