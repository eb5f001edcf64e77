// The number conversions every screen shares.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>
#include <string>

#include "state/numbers.h"

namespace sumdart {
namespace {

struct RoundCase {
  double in;
  double out;
};

void PrintTo(const RoundCase& c, std::ostream* os) { *os << c.in << " -> " << c.out; }

class RoundHalfEvenTest : public ::testing::TestWithParam<RoundCase> {};

TEST_P(RoundHalfEvenTest, GoesToTheNearestAndAHalfToTheEvenNeighbour) {
  EXPECT_EQ(roundHalfEven(GetParam().in), GetParam().out) << GetParam().in;
}

INSTANTIATE_TEST_SUITE_P(Table, RoundHalfEvenTest,
                         ::testing::Values(RoundCase{2.5, 2}, RoundCase{3.5, 4}, RoundCase{-2.5, -2},
                                           RoundCase{37.5, 38}, RoundCase{0.5, 0}, RoundCase{1.5, 2},
                                           RoundCase{62.5, 62}, RoundCase{-0.5, 0}, RoundCase{-1.5, -2},
                                           RoundCase{-3.5, -4}, RoundCase{2.4999, 2}, RoundCase{2.5001, 3},
                                           RoundCase{-2.5001, -3}, RoundCase{0.0, 0}, RoundCase{7.0, 7},
                                           RoundCase{-7.0, -7}, RoundCase{99.5, 100}, RoundCase{100.5, 100},
                                           RoundCase{0.49999999999999994, 0},
                                           RoundCase{4503599627370497.0, 4503599627370497.0}));

TEST(RoundHalfEven, NonFiniteValuesPassThrough) {
  EXPECT_TRUE(std::isnan(roundHalfEven(std::nan(""))));
  EXPECT_EQ(roundHalfEven(INFINITY), INFINITY);
  EXPECT_EQ(roundHalfEven(-INFINITY), -INFINITY);
}

struct Int16Case {
  double in;
  std::int16_t out;
};

void PrintTo(const Int16Case& c, std::ostream* os) { *os << c.in << " -> " << c.out; }

class ToInt16Test : public ::testing::TestWithParam<Int16Case> {};

TEST_P(ToInt16Test, RoundsThenClampsToSixteenBits) { EXPECT_EQ(toInt16(GetParam().in), GetParam().out) << GetParam().in; }

INSTANTIATE_TEST_SUITE_P(
    Table, ToInt16Test,
    ::testing::Values(Int16Case{2.5, 2}, Int16Case{3.5, 4}, Int16Case{-2.5, -2}, Int16Case{501, 501},
                      Int16Case{32767.0, 32767}, Int16Case{32767.4, 32767}, Int16Case{32767.5, 32767},
                      Int16Case{32768.0, 32767}, Int16Case{1e9, 32767}, Int16Case{-32768.0, -32768},
                      Int16Case{-32768.5, -32768}, Int16Case{-32769.0, -32768}, Int16Case{-1e9, -32768},
                      Int16Case{INFINITY, 32767}, Int16Case{-INFINITY, -32768}));

TEST(ToInt16, NaNGivesZero) {
  EXPECT_EQ(toInt16(std::numeric_limits<double>::quiet_NaN()), 0);
  EXPECT_EQ(toInt16(-std::numeric_limits<double>::quiet_NaN()), 0);
}

struct LeadingCase {
  const char* text;
  double value;
};

void PrintTo(const LeadingCase& c, std::ostream* os) { *os << '"' << c.text << "\" -> " << c.value; }

class LeadingNumberTest : public ::testing::TestWithParam<LeadingCase> {};

TEST_P(LeadingNumberTest, ReadsTheLongestLeadingNumber) {
  EXPECT_EQ(leadingNumber(GetParam().text), GetParam().value) << '"' << GetParam().text << '"';
}

INSTANTIATE_TEST_SUITE_P(Table, LeadingNumberTest,
                         ::testing::Values(LeadingCase{"", 0}, LeadingCase{"-", 0}, LeadingCase{"12-3", 12},
                                           LeadingCase{"2.5", 2.5}, LeadingCase{"1.2.3", 1.2}, LeadingCase{"abc", 0},
                                           LeadingCase{"300", 300}, LeadingCase{"-45", -45}, LeadingCase{"60s", 60},
                                           LeadingCase{".", 0}, LeadingCase{".5", 0.5}, LeadingCase{"5.", 5},
                                           LeadingCase{"--5", 0}, LeadingCase{"007", 7}));

struct WholeCase {
  const char* text;
  std::optional<double> value;
};

void PrintTo(const WholeCase& c, std::ostream* os) {
  *os << '"' << c.text << "\" -> ";
  if (c.value)
    *os << *c.value;
  else
    *os << "none";
}

class WholeTextNumberTest : public ::testing::TestWithParam<WholeCase> {};

TEST_P(WholeTextNumberTest, AcceptsOnlyAWholeNumberText) {
  EXPECT_EQ(wholeTextNumber(GetParam().text), GetParam().value) << '"' << GetParam().text << '"';
}

INSTANTIATE_TEST_SUITE_P(Table, WholeTextNumberTest,
                         ::testing::Values(WholeCase{"501", 501.0}, WholeCase{"-5", -5.0}, WholeCase{"12.5", 12.5},
                                           WholeCase{".5", 0.5}, WholeCase{"5.", 5.0}, WholeCase{"0", 0.0},
                                           WholeCase{"", std::nullopt}, WholeCase{"-", std::nullopt},
                                           WholeCase{".", std::nullopt}, WholeCase{"1-2", std::nullopt},
                                           WholeCase{" 5", std::nullopt}, WholeCase{"5a", std::nullopt},
                                           WholeCase{"5 ", std::nullopt}, WholeCase{"1.2.3", std::nullopt},
                                           WholeCase{"+5", std::nullopt}, WholeCase{"-.", std::nullopt}));

TEST(DecimalText, PlainDigitsWithAMinusWhenNegative) {
  EXPECT_EQ(decimalText(0), "0");
  EXPECT_EQ(decimalText(501), "501");
  EXPECT_EQ(decimalText(-5), "-5");
  EXPECT_EQ(decimalText(-32768), "-32768");
}

}  // namespace
}  // namespace sumdart
