#pragma once
// Fonts of the running program.
#include <string_view>

namespace ui {

// Registers a font file, given as a Windows path, for this run of the program; false when the file is
// missing or holds no font. A bold face that draws no bolder than the regular face of its family, registered
// before it, is left out (true all the same): that family's bold text is drawn by emboldening the regular face.
bool registerFont(std::string_view winPath);
// Registers every font of the system's Fonts folder, as the system has them for every program from its
// start. In name order, which puts a family's regular file before its bold one (tahoma.ttf, tahomabd.ttf).
void registerInstalledFonts();
bool fontFamilyAvailable(std::string_view family);

// The font controls carry unless a form sets another.
inline constexpr const char* kDesignFontName = "MS Sans Serif";
inline constexpr double kDesignFontSize = 8.25;

}  // namespace ui
