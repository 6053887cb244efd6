#include "platform/ui/units.h"

#include <QApplication>
#include <QColor>
#include <QPalette>
#include <QScreen>
#include <cmath>

namespace ui {
namespace {

double logicalDpiX() {
  QScreen* s = QGuiApplication::primaryScreen();
  return s ? s->logicalDotsPerInchX() : 96.0;
}
double logicalDpiY() {
  QScreen* s = QGuiApplication::primaryScreen();
  return s ? s->logicalDotsPerInchY() : 96.0;
}

}  // namespace

double twipsPerPixelX() { return 1440.0 / logicalDpiX(); }
double twipsPerPixelY() { return 1440.0 / logicalDpiY(); }
int toPixelsX(double twips) { return int(std::lround(twips / twipsPerPixelX())); }
int toPixelsY(double twips) { return int(std::lround(twips / twipsPerPixelY())); }
double toTwipsX(int pixels) { return pixels * twipsPerPixelX(); }
double toTwipsY(int pixels) { return pixels * twipsPerPixelY(); }

double screenWidth() {
  QScreen* s = QGuiApplication::primaryScreen();
  return s ? toTwipsX(s->geometry().width()) : 0;
}
double screenHeight() {
  QScreen* s = QGuiApplication::primaryScreen();
  return s ? toTwipsY(s->geometry().height()) : 0;
}

QColor toQColor(Color c) {
  if (c & 0x80000000u) {
    // The classic system colours that forms use; others fall back on the palette's window colour.
    QPalette p = QApplication::palette();
    switch (c & 0xFF) {
      case 0x05: return QColor(255, 255, 255);  // window background
      case 0x08: return QColor(0, 0, 0);        // window text
      case 0x0F: return QColor(192, 192, 192);  // button face
      case 0x12: return QColor(0, 0, 0);        // button text
      case 0x10: return QColor(128, 128, 128);  // button shadow
      case 0x14: return QColor(255, 255, 255);  // button highlight
      default: return p.color(QPalette::Window);
    }
  }
  return QColor(int(c & 0xFF), int(c >> 8 & 0xFF), int(c >> 16 & 0xFF));
}

}  // namespace ui
