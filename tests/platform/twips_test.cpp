// Twips to logical pixels: 15 to a pixel, a half pixel to the even neighbour.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "platform/twips.h"

namespace sumdart {
namespace {

struct TwipsCase {
  double twips;
  int px;
};

void PrintTo(const TwipsCase& c, std::ostream* os) { *os << c.twips << " -> " << c.px; }

class TwipsToPxTest : public ::testing::TestWithParam<TwipsCase> {};

TEST_P(TwipsToPxTest, NearestPixel) { EXPECT_EQ(twipsToPx(GetParam().twips), GetParam().px) << GetParam().twips; }

INSTANTIATE_TEST_SUITE_P(Table, TwipsToPxTest,
                         ::testing::Values(TwipsCase{0, 0}, TwipsCase{15, 1}, TwipsCase{12000, 800},
                                           TwipsCase{9000, 600}, TwipsCase{7, 0}, TwipsCase{8, 1},
                                           TwipsCase{7.5, 0},    // 0.5 px -> 0
                                           TwipsCase{22.5, 2},   // 1.5 px -> 2
                                           TwipsCase{37.5, 2},   // 2.5 px -> 2
                                           TwipsCase{52.5, 4},   // 3.5 px -> 4
                                           TwipsCase{-7.5, 0}, TwipsCase{-22.5, -2}, TwipsCase{-15, -1},
                                           TwipsCase{-6000, -400}, TwipsCase{1e300, std::numeric_limits<int>::max()},
                                           TwipsCase{-1e300, std::numeric_limits<int>::min()}));

TEST(TwipsToPx, NaNGivesZero) { EXPECT_EQ(twipsToPx(std::nan("")), 0); }

TEST(TwipsRect, ConvertsEachValueOnItsOwn) {
  EXPECT_EQ(twipsRect(1200, 600, 2415, 375), QRect(80, 40, 161, 25));
  EXPECT_EQ(twipsRect(0, 0, 12000, 9000), QRect(0, 0, 800, 600));
  EXPECT_EQ(twipsRect(-150, 22.5, 37.5, 52.5), QRect(-10, 2, 2, 4));
  EXPECT_EQ(twipsSize(12000, 9000), QSize(800, 600));
  EXPECT_EQ(twipsPoint(1500, -30), QPoint(100, -2));
  EXPECT_EQ(pxToTwips(800), 12000.0);
}

}  // namespace
}  // namespace sumdart
