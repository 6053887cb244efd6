#pragma once
// The line scan that every reader of a settings file's sections shares: header lines are "[" name "]"
// with nothing around them, names compare exactly, and a section that occurs again is opened again.
#include <functional>
#include <string>
#include <string_view>

// Reads the whole file at path and hands each line inside the section, header lines left out, to visit
// as it stands, in file order. Failures of the file layer pass on.
void forEachSectionLine(const std::string& path, std::string_view section,
                        const std::function<void(const std::string& line)>& visit);
