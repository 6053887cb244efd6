#pragma once
// Twips (1440 per inch) and colours as the window system's programs give them.
#include <cstdint>

class QColor;

namespace ui {

// Twips per screen pixel, from the screen's logical dpi (15 at 96 dpi).
double twipsPerPixelX();
double twipsPerPixelY();
int toPixelsX(double twips);
int toPixelsY(double twips);
double toTwipsX(int pixels);
double toTwipsY(int pixels);

// The primary screen's size in twips.
double screenWidth();
double screenHeight();

// Colours are &H00BBGGRR; a value with the high bit set names a system colour by its index in the low byte.
using Color = uint32_t;
inline constexpr Color kBlack = 0x000000;
inline constexpr Color kWhite = 0xFFFFFF;
inline constexpr Color kButtonFace = 0x8000000F;
inline constexpr Color kButtonText = 0x80000012;
inline constexpr Color kWindowBackground = 0x80000005;
inline constexpr Color kWindowText = 0x80000008;
inline constexpr Color rgb(int r, int g, int b) { return Color(r & 255) | Color(g & 255) << 8 | Color(b & 255) << 16; }
QColor toQColor(Color c);

}  // namespace ui
