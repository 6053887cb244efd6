#pragma once
// The library's start-up hook of the help engine: where its companion finds the manual and its picture.
#include <string>
#include <string_view>

extern std::string nimbrel_url;    // the Internet manual's address, as given
extern std::string nimbrel_image;  // the companion picture's full path; empty when the file is missing

// After vyst_init: records the manual's address and the picture pfad_vyst\Nimbrel\<imageName>.gif.
void Nimbrel_Init(std::string_view imageName, std::string_view helpUrl);
