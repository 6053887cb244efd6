#include "platform/profile.h"
#include "shared/routines.h"
#include "shared/settings.h"
#include "shared/settings_path.h"

namespace {

// "$" marks the read's default, so a stored "$" reads as no value at all.
constexpr std::string_view kDefaultMarker = "$";
constexpr size_t kValueBuffer = 512;

}  // namespace

std::string GetIniString(std::string_view directory, std::string_view fileName, std::string_view section,
                         std::string_view key) {
  std::string value =
      win::getPrivateProfileString(section, key, kDefaultMarker, kValueBuffer, settingsPath(directory, fileName));
  return value == kDefaultMarker ? std::string() : value;
}

bool WriteIniString(std::string_view directory, std::string_view fileName, std::string_view section,
                    std::string_view key, std::string_view value) {
  return win::writePrivateProfileString(section, key, value, settingsPath(directory, fileName));
}

void SplitCommaList(std::string line, FieldList& fields) {
  for (auto& slot : fields.values) slot.clear();
  if (line.empty()) return;
  int count = 0;
  for (size_t comma = line.find(','); comma != std::string::npos && count < 15; comma = line.find(',')) {
    ++count;
    fields[count] = line.substr(0, comma);
    line.erase(0, comma + 1);
  }
  fields[count + 1] = line;
  for (int i = 1; i <= count + 1; ++i) TrimBlanks(fields[i]);
}
