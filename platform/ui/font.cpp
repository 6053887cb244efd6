#include "platform/ui/font.h"

#include <QFontDatabase>
#include <QStringList>

#include "platform/drives.h"
#include "platform/error.h"
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

bool fontFamilyAvailable(std::string_view family) {
  return QFontDatabase::families().contains(detail::toQt(family), Qt::CaseInsensitive);
}

}  // namespace ui
