#pragma once
// Installs module archives into the current prefix through qrw32's own start procedure, screens and install
// run, headless, as a user would: the base directory typed on the base-directory screen, each module's
// directory typed on the module screen, then Next. So a family is laid out one way only, by the installer.
#include <filesystem>
#include <map>
#include <string>

// The archives of moduleFolder are installed with their proposed modes. baseDirectory is typed as the base
// directory; directories gives, by module Name, the directory typed for a module (one not named keeps the
// directory proposed). Needs the application object. The program globals it changes for the installer (test
// hook, program folder, file name and command line, title) are restored afterwards. Throws
// std::runtime_error with what the boxes or the run's error list said when anything failed.
void InstallModulesHeadless(const std::filesystem::path& moduleFolder, const std::string& baseDirectory,
                            const std::map<std::string, std::string>& directories);
