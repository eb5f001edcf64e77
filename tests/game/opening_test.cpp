// The game screen as it opens: the board numbers and their places.
#include "game/board.h"
#include "game_fixture.h"

namespace sumdart::testing_game {
namespace {

using OpeningTest = GameTest;

TEST_F(OpeningTest, BoardNumbersAndPlaces) {
  open();
  // Dartboard order clockwise from the top; rings of singles, doubles, trebles, quadruples.
  const int sectors[20] = {20, 1, 18, 4, 13, 6, 10, 15, 2, 17, 3, 19, 7, 16, 8, 11, 14, 9, 12, 5};
  std::vector<std::string> want{"100", "50", "50", "50", "50"};
  for (int ring = 1; ring <= 4; ++ring)
    for (int s : sectors) want.push_back(std::to_string(s * ring));
  for (int i = 0; i < 85; ++i) {
    const std::string& w = want[static_cast<std::size_t>(i)];
    EXPECT_TRUE(cell(i).visible) << i;
    EXPECT_EQ(cell(i).caption, w) << i;
    EXPECT_EQ(decimalText(board::value(i)), w) << i;
  }
  // Corners: the centre label's corner (5760, 4320) moved 600 twips per ring unit
  // (1.5 for the 50s on the diagonals, 2.5..5.5 for the rings of twenty).
  const struct { int label; double left, top; } places[] = {
      {1, 6396.4, 3683.6}, {5, 5760, 2820}, {15, 5760, 5820}, {30, 7860, 4320}, {84, 4740.2, 1181.5}};
  for (const auto& p : places)
  {
    EXPECT_NEAR(cell(p.label).left, p.left, 0.1) << "label " << p.label;
    EXPECT_NEAR(cell(p.label).top, p.top, 0.1) << "label " << p.label;
  }
}

}  // namespace
}  // namespace sumdart::testing_game
