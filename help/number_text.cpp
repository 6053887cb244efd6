#include "help/number_text.h"

#include <cfenv>
#include <charconv>
#include <cmath>
#include <limits>

double LeadingNumber(std::string_view text) {
  size_t start = 0;
  bool negative = false;
  if (!text.empty() && (text[0] == '+' || text[0] == '-')) negative = text[start++] == '-';
  size_t end = start;
  auto skipDigits = [&] {
    size_t from = end;
    while (end < text.size() && text[end] >= '0' && text[end] <= '9') ++end;
    return end - from;
  };
  size_t digits = skipDigits();
  bool wholePart = text.substr(start, end - start).find_first_not_of('0') != std::string_view::npos;
  if (end < text.size() && text[end] == '.') {
    ++end;
    digits += skipDigits();
  }
  if (digits == 0) return 0;
  // from_chars ignores the locale, which the application object sets from the environment.
  double value = 0;
  auto result = std::from_chars(text.data() + start, text.data() + end, value, std::chars_format::fixed);
  // Out of range: too large with a whole part, else too small to tell from 0.
  if (result.ec == std::errc::result_out_of_range) value = wholePart ? std::numeric_limits<double>::infinity() : 0;
  return negative ? -value : value;
}

double RoundHalfEven(double value) {
  int previous = std::fegetround();
  std::fesetround(FE_TONEAREST);
  double rounded = std::nearbyint(value);
  std::fesetround(previous);
  return rounded;
}
