#include "help/number_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <utility>

namespace {

struct NumberCase {
  std::string text;
  double value;
};

TEST(LeadingNumber, ReadsTheNumberATextBeginsWith) {
  const NumberCase cases[] = {
      {"0", 0},   {"7", 7}, {"12", 12}, {"-1", -1}, {"+3", 3}, {"1.5", 1.5}, {".5", 0.5}, {"2.", 2},  {"3x", 3},
      {"4 5", 4}, {"", 0},  {"x1", 0},  {"-", 0},   {".", 0},  {"+.", 0},    {"1,5", 1},  {"007", 7}, {"-0.25", -0.25},
  };
  for (const NumberCase& c : cases) EXPECT_EQ(LeadingNumber(c.text), c.value) << '"' << c.text << '"';
}

TEST(LeadingNumber, AnEndlessRowOfDigitsIsInfiniteAndAnEndlessFractionIsZero) {
  EXPECT_TRUE(std::isinf(LeadingNumber(std::string(400, '9'))));
  EXPECT_LT(LeadingNumber("-" + std::string(400, '9')), 0);
  EXPECT_EQ(LeadingNumber("0." + std::string(400, '0') + "1"), 0);
}

TEST(RoundHalfEven, HalvesGoToTheEvenNeighbour) {
  const std::pair<double, double> cases[] = {{0.5, 0},  {1.5, 2},  {2.5, 2}, {-0.5, 0}, {-1.5, -2},
                                             {0.49, 0}, {0.51, 1}, {6.5, 6}, {7.5, 8}};
  for (auto [value, rounded] : cases) EXPECT_EQ(RoundHalfEven(value), rounded) << value;
}

}  // namespace
