#include "tools/samples/sample_modules.h"

#include "installer/vm_hog.h"
#include "tools/samples/sample_bytes.h"

namespace samples {

std::string hogArchive(const std::vector<HogFile>& entries) {
  std::string archive(kHogMagic);
  for (const HogFile& entry : entries) {
    putField(archive, entry.name, kHogNameWidth);
    putLong(archive, entry.declaredSize.value_or(static_cast<int32_t>(entry.data.size())));
    archive += entry.data;
  }
  return archive;
}

std::string iniText(const std::vector<IniSection>& sections) {
  std::string text;
  for (const IniSection& section : sections) {
    text += "[" + section.name + "]\r\n";
    for (const std::string& line : section.lines) text += line + "\r\n";
  }
  return text;
}

}  // namespace samples
