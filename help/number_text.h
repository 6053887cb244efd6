#pragma once
// Numbers written as text in the manual's index and in menu tags.
#include <string_view>

// The number a text begins with: an optional sign, digits and an optional decimal point; 0 when the
// text does not begin with one.
double LeadingNumber(std::string_view text);
// To the nearest whole number, a half going to the even neighbour.
double RoundHalfEven(double value);
