// The shared state's player arithmetic.
#include <gtest/gtest.h>

#include "state/game_settings.h"

namespace sumdart {
namespace {

TEST(SlotFor, IsAlwaysARealSlot) {
  // {count, players, slot}; counts below zero come from a damaged saved game,
  // and no players gives slot 0 rather than a division by zero.
  const int cases[][3] = {
      {0, 1, 0},  {5, 1, 0},  {1, 2, 1},  {2, 2, 0},  {7, 3, 1},  {3, 4, 3},      {4, 4, 0}, {9, 4, 1},
      {-1, 1, 0}, {-1, 2, 1}, {-1, 3, 2}, {-1, 4, 3}, {-5, 4, 3}, {-32768, 3, 1}, {3, 0, 0}, {3, -2, 0}};
  for (const auto& c : cases) EXPECT_EQ(slotFor(c[0], c[1]), c[2]) << c[0] << " of " << c[1];
}

TEST(GameSettings, ScoreNamesEachPlayersTarget) {
  GameSettings m;
  for (int n = 1; n <= 4; ++n) m.score(n) = static_cast<std::int16_t>(11 * n);
  EXPECT_EQ((std::array<int, 4>{m.blueScore, m.redScore, m.greenScore, m.yellowScore}),
            (std::array<int, 4>{11, 22, 33, 44}));
  EXPECT_EQ(static_cast<const GameSettings&>(m).score(3), 33);
}

}  // namespace
}  // namespace sumdart
