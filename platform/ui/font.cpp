#include "platform/ui/font.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRawFont>
#include <QStringList>

#include "platform/drives.h"
#include "platform/error.h"
#include "platform/files.h"
#include "platform/system.h"
#include "platform/ui/qt_text.h"

namespace ui {
namespace {

constexpr int kSamplePixels = 64;
// A bold face darkens the same text by about half again; a face within this of its regular one is none.
constexpr double kBoldInkRatio = 1.15;

// How dark the face draws a sample word: the coverage of its glyph outlines, summed over the pixels.
double inkOf(const QRawFont& face) {
  QImage picture(kSamplePixels * 12, kSamplePixels * 2, QImage::Format_Grayscale8);
  picture.fill(0);
  QPainter painter(&picture);
  painter.setRenderHint(QPainter::Antialiasing);
  const QList<quint32> glyphs = face.glyphIndexesForString("Hamburgefonstiv");
  const QList<QPointF> advances = face.advancesForGlyphIndexes(glyphs);
  QPointF pen(0, kSamplePixels * 1.5);
  for (qsizetype i = 0; i < glyphs.size(); ++i) {
    painter.fillPath(face.pathForGlyph(glyphs[i]).translated(pen), Qt::white);
    pen += advances[i];
  }
  painter.end();
  double ink = 0;
  for (int y = 0; y < picture.height(); ++y) {
    const uchar* line = picture.constScanLine(y);
    for (int x = 0; x < picture.width(); ++x) ink += line[x];
  }
  return ink;
}

// Some font packages ship a bold file that holds the regular outlines under the bold face's wider advances:
// registered, it draws bold text light and wide. Left out, the family's bold text is drawn by emboldening
// its regular face, which looks bold. A bold face registered before its regular one cannot be compared.
bool drawsNoBolderThanItsRegularFace(const QString& file) {
  QRawFont face(file, kSamplePixels);
  if (!face.isValid() || face.weight() < QFont::DemiBold) return false;
  QFont regular(face.familyName());
  regular.setPixelSize(kSamplePixels);
  const QFontInfo found(regular);
  if (found.family().compare(face.familyName(), Qt::CaseInsensitive) != 0 || found.weight() >= QFont::DemiBold)
    return false;
  return inkOf(face) < inkOf(QRawFont::fromFont(regular)) * kBoldInkRatio;
}

}  // namespace

bool registerFont(std::string_view winPath) {
  std::filesystem::path host;
  try {
    host = win::drives().toHost(winPath);
  } catch (const win::Error&) {
    return false;
  }
  const QString file = QString::fromStdString(host.string());
  if (drawsNoBolderThanItsRegularFace(file)) return true;
  return QFontDatabase::addApplicationFont(file) >= 0;
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
