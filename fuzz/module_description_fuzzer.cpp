// Arbitrary bytes as a module description: read by ReadModuleInfo, flowed by GetIniSectionText, and
// loaded from an archive by LoadModule against a vyst.ini that records some modules.
// Properties: the flowed text has no run of blanks and no blank after a line break; a loaded module
// has a Name that can be a settings key and a proposed mode that it allows.
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "installer/module_description.h"
#include "platform/drives.h"
#include "shared/identity.h"
#include "shared/settings.h"
#include "tools/samples/sample_modules.h"

namespace fs = std::filesystem;

namespace {

constexpr char kVystIni[] =
    "[General]\r\nVyst3-Installer=Quarrow32 V1.0\r\n"
    "[Moduls_Dirs]\r\nTOOL=D:\\TOOLS\\TOOL\r\nOLD=C:\\OLD\r\nGONE=\r\n"
    "[Moduls_Versions]\r\nTOOL=2 Beta 1,2,Beta,1,\r\nOLD=1,1,Final,,\r\n";

fs::path writeHostFile(const fs::path& path, const std::string& bytes) {
  fs::create_directories(path.parent_path());
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return path;
}

const fs::path& root() {
  static fs::path made = [] {
    std::string folder = (fs::temp_directory_path() / "vm-fuzz-module-XXXXXX").string();
    if (!mkdtemp(folder.data())) std::abort();
    win::drives().usePrefix(folder, {.installFonts = false});
    writeHostFile(fs::path(folder) / "drive_c" / "VORTANE" / "vyst.ini", kVystIni);
    fs::create_directories(fs::path(folder) / "drive_c" / "VORTANE" / "TEMP");
    pfad_vyst = "C:\\VORTANE\\";
    inf_dir = "C:\\VORTANE\\TEMP\\";
    std::atexit([] { fs::remove_all(root()); });
    return fs::path(folder);
  }();
  return made;
}

void check(bool holds) {
  if (!holds) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const fs::path& folder = root();
  std::string description(reinterpret_cast<const char*>(data), size);

  writeHostFile(folder / "drive_c" / "DESC" / "quarrow.inf", description);
  ModuleInfo read;
  ReadModuleInfo("C:\\DESC", "quarrow.inf", read);
  std::string text = GetIniSectionText("C:\\DESC", "quarrow.inf", "SplashScreen");
  check(text.find("  ") == std::string::npos);
  check(text.find("\r\n ") == std::string::npos);

  writeHostFile(folder / "drive_c" / "MODS" / "TEST.QRM",
                samples::hogArchive({{std::string(kModuleDescriptionFile), description}}));
  ModuleInfo loaded;
  if (LoadModule("C:\\MODS\\TEST.QRM", loaded)) {
    check(!loaded.Name.empty() && loaded.Name.find_first_of("=\r\n") == std::string::npos);
    check(loaded.Name.front() != '[' && loaded.Name.front() != ';');
    check(loaded.Name == read.Name);
    check(loaded.Mode >= kSkip && loaded.Mode <= kUpdate && loaded.Allowed[loaded.Mode] && loaded.Allowed[kSkip]);
  }
  return 0;
}
