#include "platform/ui/font.h"

#include <QFontDatabase>
#include <QStringList>

#include "platform/drives.h"
#include "platform/error.h"
#include "platform/files.h"
#include "platform/system.h"
#include "platform/ui/qt_text.h"

namespace ui {

bool registerFont(std::string_view winPath) {
  std::filesystem::path host;
  try {
    host = win::drives().toHost(winPath);
  } catch (const win::Error&) {
    return false;
  }
  return QFontDatabase::addApplicationFont(QString::fromStdString(host.string())) >= 0;
}

void registerInstalledFonts() {
  const win::SpecialFolder fonts = win::specialFolder(win::CSIDL_FONTS);
  if (!fonts.path) return;
  std::vector<std::string> names;
  try {
    names = win::dirSearch(*fonts.path + "\\*");
  } catch (const win::Error&) {
    return;
  }
  for (const std::string& name : names) registerFont(*fonts.path + "\\" + name);
}

bool fontFamilyAvailable(std::string_view family) {
  return QFontDatabase::families().contains(detail::toQt(family), Qt::CaseInsensitive);
}

}  // namespace ui
