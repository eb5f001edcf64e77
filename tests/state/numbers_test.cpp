// The number conversions every screen shares.
#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <utility>

#include "state/numbers.h"

namespace sumdart {
namespace {

TEST(Numbers, RoundHalfEvenGoesToTheNearestAndAHalfToTheEvenNeighbour) {
  // 0.49999999999999994 is the largest double below a half; 2^52 + 1 is odd and has no fraction.
  const std::pair<double, double> cases[] = {
      {2.5, 2}, {3.5, 4}, {0.5, 0}, {-0.5, 0}, {-2.5, -2}, {-3.5, -4}, {62.5, 62}, {100.5, 100}, {2.4999, 2},
      {2.5001, 3}, {-2.5001, -3}, {7, 7}, {-7, -7}, {0.49999999999999994, 0}, {4503599627370497.0, 4503599627370497.0},
      {INFINITY, INFINITY}, {-INFINITY, -INFINITY}};
  for (auto [in, out] : cases) EXPECT_EQ(roundHalfEven(in), out) << in;
  EXPECT_TRUE(std::isnan(roundHalfEven(NAN)));
}

TEST(Numbers, ToInt16RoundsThenClamps) {
  const std::pair<double, int> cases[] = {
      {2.5, 2}, {3.5, 4}, {-2.5, -2}, {32767.5, 32767}, {32768, 32767}, {1e9, 32767}, {-32768.5, -32768},
      {-32769, -32768}, {-1e9, -32768}, {INFINITY, 32767}, {-INFINITY, -32768}, {NAN, 0}, {-NAN, 0}};
  for (auto [in, out] : cases) EXPECT_EQ(toInt16(in), out) << in;
}

TEST(Numbers, LeadingNumberReadsAPrefixAndWholeTextNumberOnlyAWholeNumber) {
  const std::pair<const char*, double> leading[] = {
      {"", 0},     {"-", 0},    {".", 0},      {"abc", 0},  {"--5", 0}, {"12-3", 12},
      {"-45", -45}, {"60s", 60}, {"1.2.3", 1.2}, {".5", 0.5}, {"5.", 5},  {"007", 7}};
  for (auto [text, value] : leading) EXPECT_EQ(leadingNumber(text), value) << '"' << text << '"';
  const std::pair<const char*, std::optional<double>> whole[] = {
      {"501", 501}, {"-5", -5}, {"12.5", 12.5}, {".5", 0.5}, {"5.", 5}, {"0", 0}, {"", {}}, {"-", {}}, {".", {}},
      {"-.", {}},   {"1-2", {}}, {" 5", {}},    {"5 ", {}},  {"5a", {}}, {"1.2.3", {}}, {"+5", {}}};
  for (auto [text, value] : whole) EXPECT_EQ(wholeTextNumber(text), value) << '"' << text << '"';
  EXPECT_EQ(decimalText(-32768), "-32768");
}

}  // namespace
}  // namespace sumdart
