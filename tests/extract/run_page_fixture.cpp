#include "run_page_fixture.h"

#include <algorithm>

#include "extract/tv_doit.h"
#include "platform/drives.h"
#include "platform/ui/application.h"
#include "shared/error_box.h"
#include "shared/identity.h"

namespace fs = std::filesystem;

namespace testing_support {

RunPageTest::RunPageTest() {
  ui::setProgramTitle("TOVRIK32");
  pfad_main = "C:\\VORTANE\\TOVRIK32\\";
  fs::create_directories(host(pfad_main + "stub"));
  sourceFolder = prefix.mapDrive('D', "cd");
  targetFolder = prefix.driveC() / "OUT";
  fs::create_directories(targetFolder);
  TargetDir = "C:\\OUT";
  outputKind(1);
}

void RunPageTest::source(const std::string& bytes, const std::string& name) {
  writeFile(sourceFolder / name, bytes);
  SourcePath = "D:\\" + name;
}

void RunPageTest::choose(const std::vector<MovieEntry>& movies) {
  MovieCount = static_cast<int16_t>(movies.size());
  int64_t stub = 0;
  if (!StubFile.empty() && fs::exists(host(pfad_main + "stub\\" + StubFile)))
    stub = static_cast<int64_t>(fs::file_size(host(pfad_main + "stub\\" + StubFile)));
  SpaceNeeded = 0;
  for (size_t i = 0; i < movies.size(); ++i) {
    Movies[static_cast<int>(i) + 1] = movies[i];
    SpaceNeeded += movies[i].Size + stub;
  }
}

void RunPageTest::outputKind(int16_t kind) {
  mode2 = kind;
  StubFile = kind == kWin32Exe ? "w32stub.lib" : kind == kDosExe ? "dosstub.lib" : "";
}

void RunPageTest::mainFile(const std::string& relative, const std::string& bytes) {
  writeFile(host(pfad_main + relative), bytes);
}

fs::path RunPageTest::host(const std::string& winPath) const { return win::drives().toHost(winPath); }

std::vector<std::string> RunPageTest::targetFiles() const {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(targetFolder)) names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

void RunPageTest::expectErrorBox() {
  user.onModal("VystEMsg", [this](ui::Form& form) {
    errorCaption = emsg_caption;
    errorMessage = emsg_text;
    form.unload();
  });
}

}  // namespace testing_support
