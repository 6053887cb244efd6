// Arbitrary bytes as a module description: read by ReadModuleInfo, flowed by GetIniSectionText, and
// loaded from an archive by LoadModule against a vyst.ini that records some modules. The flowed text
// has no run of blanks and no blank after a line break; a loaded module has a Name that can be a
// settings key and a proposed mode that it allows.
#include "installer/module_description.h"

#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz/fuzz_support.h"
#include "shared/identity.h"
#include "shared/settings.h"
#include "tools/samples/sample_modules.h"

using fuzzing::require;

namespace {

constexpr char kVystIni[] =
    "[General]\r\nVyst3-Installer=Quarrow32 V1.0\r\n"
    "[Moduls_Dirs]\r\nTOOL=D:\\TOOLS\\TOOL\r\nOLD=C:\\OLD\r\nGONE=\r\n"
    "[Moduls_Versions]\r\nTOOL=2 Beta 1,2,Beta,1,\r\nOLD=1,1,Final,,\r\n";

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  testing_support::writeFile(fuzzing::prefix().driveC() / "VORTANE" / "vyst.ini", kVystIni);
  std::filesystem::create_directories(fuzzing::prefix().driveC() / "VORTANE" / "TEMP");
  pfad_vyst = "C:\\VORTANE\\";
  inf_dir = "C:\\VORTANE\\TEMP\\";
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string description(fuzzing::textOf(data, size));
  testing_support::writeFile(fuzzing::prefix().driveC() / "DESC" / "quarrow.inf", description);
  ModuleInfo read;
  ReadModuleInfo("C:\\DESC", "quarrow.inf", read);
  std::string text = GetIniSectionText("C:\\DESC", "quarrow.inf", "SplashScreen");
  require(text.find("  ") == std::string::npos, "no run of blanks", text);
  require(text.find("\r\n ") == std::string::npos, "no blank after a line break", text);

  testing_support::writeFile(fuzzing::prefix().driveC() / "MODS" / "TEST.QRM",
                             samples::hogArchive({{std::string(kModuleDescriptionFile), description}}));
  ModuleInfo loaded;
  if (!LoadModule("C:\\MODS\\TEST.QRM", loaded)) return 0;
  const std::string& name = loaded.Name;
  require(
      !name.empty() && name.find_first_of("=\r\n") == std::string::npos && name.front() != '[' && name.front() != ';',
      "a loaded module's Name can be a settings key", name);
  require(name == read.Name, "the archive's description is the one read", name);
  require(loaded.Allowed[kSkip] && loaded.Mode >= kSkip && loaded.Mode <= kUpdate && loaded.Allowed[loaded.Mode],
          "the proposed mode is allowed", name);
  return 0;
}
