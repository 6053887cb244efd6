#pragma once
// Fonts of the running program.
#include <string_view>

namespace ui {

// Registers a font file, given as a Windows path, for this run of the program; false when the file is
// missing or holds no font.
bool registerFont(std::string_view winPath);
// Registers every font of the system's Fonts folder, as the system has them for every program from its
// start, in name order.
void registerInstalledFonts();
bool fontFamilyAvailable(std::string_view family);

// The font controls carry unless a form sets another.
inline constexpr const char* kDesignFontName = "MS Sans Serif";
inline constexpr double kDesignFontSize = 8.25;

}  // namespace ui
