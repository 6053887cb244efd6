#include "tools/modules/family_modules.h"

#include <algorithm>
#include <cstdio>
#include <stdexcept>
#include <vector>

#include "installer/vm_hog.h"
#include "tools/samples/sample_modules.h"

namespace fs = std::filesystem;

namespace {

// One file of a module: its entry in the archive, and where the [Files] line puts it.
struct ModuleFile {
  std::string entry;
  std::string name;
  std::string directory;  // "Main", "Main\sub" or "Vyst\sub": below the module's or the base directory
  fs::path source;
};

struct ModulePlan {
  std::string name, longName, desc, defaultDirectory, exeFile;
  std::vector<std::string> splashScreen;
  std::vector<std::string> mkDirs;
  std::vector<ModuleFile> files;
};

// A [Files] line is split at commas and its fields trimmed, and an entry name has 13 characters at most.
void checkLine(const ModuleFile& file) {
  for (const std::string* field : {&file.entry, &file.name, &file.directory}) {
    if (field->empty() || field->find(',') != std::string::npos || field->front() == ' ' || field->back() == ' ')
      throw std::runtime_error("no [Files] line can name " + file.source.string());
  }
  if (file.entry.size() > static_cast<size_t>(kHogNameWidth))
    throw std::runtime_error("entry name " + file.entry + " is longer than " + std::to_string(kHogNameWidth));
}

std::string description(const ModulePlan& plan, const FamilyVersion& version) {
  std::vector<std::string> files;
  for (const ModuleFile& file : plan.files) {
    checkLine(file);
    files.push_back(file.entry + "," + file.name + "," + file.directory);
  }
  return samples::iniText({{"Module",
                            {"Name=" + plan.name, "Long=" + plan.longName, "Desc=" + plan.desc,
                             "VersionMajor=" + version.major, "VersionStatus=" + version.status,
                             "VersionMinor=" + version.minor, "VersionBuild=" + version.build, "UpdateOnly=0"}},
                           {"Installation", {"DefaultDirectory=" + plan.defaultDirectory, "EXEfile=" + plan.exeFile}},
                           {"SplashScreen", plan.splashScreen},
                           {"MkDirs", plan.mkDirs},
                           {"Files", files}});
}

void writeArchive(const ModulePlan& plan, const FamilyVersion& version, const fs::path& archive) {
  samples::HogWriter writer(archive);
  writer.add("quarrow.inf", description(plan, version));
  for (const ModuleFile& file : plan.files) writer.addFile(file.entry, file.source);
  writer.close();
}

// The help companion looks for its picture and sounds in the base directory, so they come with the program
// that shows it, on "Vyst" lines: placed below the base directory the user chose, and left there by an
// uninstall.
ModulePlan wizardPlan(const fs::path& sourceTree, const fs::path& program) {
  const std::string exe = program.filename().string();
  const fs::path data = sourceTree / "extract" / "data";
  const fs::path help = sourceTree / "help" / "data";
  return {"TOVRIK32",
          "Tovrikall32",
          "Tovrikall32 MVE wizard",
          "C:\\VMTOOLS\\TOVRIK32",
          exe,
          {"Tovrikall32 extracts the MVE movies of Vortane 2 and other games from MVE files, MVL movie",
           "libraries, self-playing EXE movies and BIF archives, and writes them as MVE files or as",
           "self-playing EXE files for Win32 or DOS.", "%",
           "The players for self-playing output come with the game tools: copy them into the stub folder.", "%",
           "The picture and the sounds of Nimbrel, the help companion, go into the family's base directory."},
          {"Main", "Main\\stub", "Vyst\\Nimbrel"},
          {{exe, exe, "Main", program},
           {"Tovrik32.jpg", "Tovrik32.jpg", "Main", data / "Tovrik32.jpg"},
           {"Tovrik32.gif", "Tovrik32.gif", "Main", data / "Tovrik32.gif"},
           {"fs1.gif", "fs1.gif", "Vyst\\Nimbrel", help / "Nimbrel" / "fs1.gif"},
           {"nbactive.wav", "nbactive.wav", "Vyst", help / "nbactive.wav"},
           {"nbfound.wav", "nbfound.wav", "Vyst", help / "nbfound.wav"}}};
}

// The manual keeps its folders, since its topics link to each other by relative paths; its entries get
// short numbered names and the [Files] lines give the real ones.
ModulePlan manualPlan(const fs::path& sourceTree) {
  const fs::path manual = sourceTree / "help" / "manual";
  ModulePlan plan{"TOVRIK32.MAN",
                  "Tovrikall32 manual",
                  "Tovrikall32 manual",
                  "C:\\VMTOOLS\\TOVRIK32\\MANUAL",
                  "welcome.htm",
                  {"The manual of Tovrikall32: every page of the wizard, every kind of source and output, and",
                   "what to do when something goes wrong. The help companion shows its topics beside the wizard."},
                  {"Main"},
                  {}};
  std::vector<fs::path> paths;
  for (const auto& entry : fs::recursive_directory_iterator(manual)) paths.push_back(entry.path());
  if (paths.empty()) throw std::runtime_error("no manual in " + manual.string());
  std::sort(paths.begin(), paths.end());  // a folder before what it holds
  int number = 0;
  for (const fs::path& path : paths) {
    const fs::path relative = path.lexically_relative(manual);
    std::string folder = "Main";
    for (const fs::path& part : relative.parent_path()) folder += "\\" + part.string();
    if (fs::is_directory(path)) {
      plan.mkDirs.push_back(folder + "\\" + relative.filename().string());
      continue;
    }
    char entry[16];
    std::snprintf(entry, sizeof entry, "M%03d", ++number);
    plan.files.push_back({entry + path.extension().string(), relative.filename().string(), folder, path});
  }
  return plan;
}

}  // namespace

void WriteFamilyModules(const fs::path& sourceTree, const fs::path& wizardProgram, const FamilyVersion& version,
                        const fs::path& folder) {
  writeArchive(wizardPlan(sourceTree, wizardProgram), version, folder / kWizardArchive);
  writeArchive(manualPlan(sourceTree), version, folder / kManualArchive);
}
