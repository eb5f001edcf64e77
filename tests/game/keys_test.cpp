// SPDX-FileCopyrightText: 2026 Sumdart developers <sumdart@users.noreply.github.com>
// SPDX-License-Identifier: GPL-3.0-or-later
// The game screen by keyboard (digits and arrows over the board, T and C, keys
// waiting while the game is busy) and what a screen reader hears of it.
#include "game/board.h"
#include "game/board_cursor.h"
#include "game_fixture.h"

namespace sumdart::testing_game {
namespace {

class KeysTest : public GameTest {
 protected:
  bool key(KeyPress::Code code, char ch = 0) {
    return game->keyPressed(KeyPress{code, ch}, arrayName("boardCells", game->pickedCell()));
  }
  // Types `keys` 300 ms apart; '|' makes a gap of a whole second, ',' one of 999 ms.
  void type(const std::string& keys) {
    for (char c : keys) {
      if (c != '|' && c != ',') key(KeyPress::Character, c);
      clock.advance(c == '|' ? 700 : c == ',' ? 699 : 300);
    }
  }
  std::string picked() { return board::cellName(game->pickedCell()); }
};

// Digits pick the cells showing a number in turn (single, double, treble,
// quadruple, then the 50s and the centre); a number no cell shows is refused
// and the pick stays. '|' ends a number. The arrows go round a ring (<, >) and
// out and in (^, v), keeping the angle through the centre.
TEST(BoardCursor, DigitsAndArrowsPickCells) {
  // The four 50s look alike: "#n" names which.
  const struct { const char* keys; const char* cell; const char* refused; } rows[] = {
      {"36", "36, double 18", ""},        {"3", "3, single 3", ""},           {"36|36", "36, treble 12", ""},
      {"3|6", "6, single 6", ""},         {"3|3", "3, treble 1", ""},         {"12|12", "12, double 6", ""},
      {"12|12|12|12", "12, quadruple 3", ""}, {"12|12|12|12|12", "12, single 12", ""},
      {"40|40", "40, quadruple 10", ""},  {"100", "100, double 50, centre", ""}, {"79", "7, single 7", "79"},
      {"57", "57, treble 19", ""},        {"36|0", "36, double 18", "0"},     {"50|50|50|50|50", "50, inner ring #1", ""},
      {"50<<", "50, inner ring #3", ""},  {"20>", "1, single 1", ""},         {"20<", "5, single 5", ""},
      {"5>", "20, single 20", ""},        {"20^", "40, double 20", ""},       {"20^^^^", "80, quadruple 20", ""},
      {"60vv", "20, single 20", ""},      {"3v", "50, inner ring", ""},       {"3vvv", "100, double 50, centre", ""},
      {"100<>", "100, double 50, centre", ""}, {"3vv^^", "3, single 3", ""},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.keys);
    BoardCursor cursor;
    std::string refused;
    for (const char* k = r.keys; *k; ++k) {
      if (*k == '|') cursor.endNumber();
      if (*k == '<') cursor.move(BoardCursor::Arrow::Left);
      if (*k == '>') cursor.move(BoardCursor::Arrow::Right);
      if (*k == '^') cursor.move(BoardCursor::Arrow::Up);
      if (*k == 'v') cursor.move(BoardCursor::Arrow::Down);
      if (*k >= '0' && *k <= '9' && !cursor.type(*k - '0')) refused = cursor.typed();
    }
    std::string shown = board::cellName(cursor.picked());
    if (std::string(r.cell).find('#') != std::string::npos) shown += " #" + std::to_string(cursor.picked());
    EXPECT_EQ(shown, r.cell);
    EXPECT_EQ(refused, r.refused);
  }
}

// T and C do what a click does; keys act only while the game waits for them.
// Digits less than a second apart make one number; a number on no cell is said
// to be off the board; the board's one Tab stop follows the pick; an arrow acts
// only while the board has the focus.
TEST_F(KeysTest, KeysActOnlyWhileTheGameWaitsForThem) {
  open({.players = 2, .soundOn = 0});
  EXPECT_FALSE(key(KeyPress::Character, '5')) << "no number before a throw";
  random.pushThrow(6, 6, 1, 1);
  EXPECT_TRUE(key(KeyPress::Character, 't'));
  EXPECT_TRUE(pending("diceSettle"));
  EXPECT_EQ(game->form.focus, "boardCells(0)") << "after a throw the board has the focus";
  EXPECT_FALSE(key(KeyPress::Character, '3')) << "the dice are still settling";
  ASSERT_NO_FATAL_FAILURE(reveal());
  EXPECT_FALSE(key(KeyPress::Character, 'T')) << "Throw Dice is disabled";
  const std::pair<const char*, const char*> typed[] = {
      {"3|6", "6, single 6"}, {"|79", "7, single 7"}, {"|3,6", "36, double 18"}, {"|0", "36, double 18"}};
  for (const auto& [keys, cellName] : typed) {
    heard();
    type(keys);
    EXPECT_EQ(picked(), cellName);
    const std::string refused = keys[1] == '7' || keys[1] == '0' ? keys + 1 : "";
    EXPECT_EQ(heard(), refused.empty() ? "" : refused + " is not on the board.");
    EXPECT_EQ(std::count_if(rec().boardCells.begin(), rec().boardCells.end(), [](const Ctl& c) { return c.tabStop; }), 1);
    EXPECT_TRUE(cell(game->pickedCell()).tabStop);
  }
  EXPECT_FALSE(game->keyPressed(KeyPress{KeyPress::Right, 0}, "throwButton"));
  EXPECT_EQ(picked(), "36, double 18");
  click(game->pickedCell());
  EXPECT_EQ(panel(0).caption, "465");
  heard();
  EXPECT_TRUE(key(KeyPress::Character, 's'));
  EXPECT_EQ(heard(), "Blue 465, Red 501.");
  // (Keys during the hand-over: the whole game by keyboard in the window tests.)
  ASSERT_NO_FATAL_FAILURE(handOver());
  EXPECT_TRUE(key(KeyPress::Character, 'c'));
  EXPECT_EQ(host.chartOpens, 1);
}

// What a screen reader says as the game goes on, wherever the focus is, and
// what it finds on the controls.
TEST_F(KeysTest, ScreenReadersHearTheDiceMovesTurnsScoresAndClocks) {
  restart(savedGame(2, {22, 50, 501, 501}, 1, 120, {117, 96, 2000, 2000}));
  const auto spoken = [this](const Ctl& c) {
    game->describe();
    return c.spokenName.empty() ? c.caption : c.spokenName;
  };
  EXPECT_EQ(heard(), "Blue to Play");
  EXPECT_EQ(spoken(die(0)), "Die 1: not thrown");
  EXPECT_EQ(spoken(panel(1)), "Red: 50");
  EXPECT_EQ(spoken(clockLabel(0)), "Blue: 117 seconds left");
  throwOnly(5, 4, 3, 2);
  clock.advance(299);  // without sound the first die settles 300 ms after the throw
  EXPECT_EQ(spoken(die(0)), "Die 1: rolling");
  clock.advance(1);
  EXPECT_EQ(spoken(die(0)) + ", " + spoken(die(1)), "Die 1: 5, Die 2: rolling");
  ASSERT_NO_FATAL_FAILURE(reveal());
  EXPECT_EQ(heard(), "Dice: 5, 4, 3, 2.") << "the dice once, when the last settles";
  click(37);  // 5 + 4 + 3 + 2
  EXPECT_EQ(heard(), "14, double 7. 14 points scored.");
  EXPECT_TRUE(key(KeyPress::Character, 'S')) << "the scores are told during the hand-over too";
  EXPECT_EQ(heard(), "Blue 8, 117 seconds left; Red 50, 96 seconds left.");
  ASSERT_NO_FATAL_FAILURE(handOver());
  EXPECT_EQ(heard(), "Red to Play");
  EXPECT_EQ(spoken(die(3)), "Die 4: not thrown") << "the last player's dice, greyed";
  // Red busts on a 50 with 50 to go.
  ASSERT_NO_FATAL_FAILURE(throwDice(5, 5, 2, 1));
  click(4);
  EXPECT_EQ(heard(), "Dice: 5, 5, 2, 1. | 50, inner ring. 0 points scored. Bust: the target stays the same.");
  ASSERT_NO_FATAL_FAILURE(handOver());
  // Blue clicks a number the dice cannot make.
  ASSERT_NO_FATAL_FAILURE(throwDice(1, 1, 1, 1));
  click(84);
  EXPECT_TRUE(rec().illegalMoveNotice.visible);
  EXPECT_EQ(heard(), "Blue to Play | Dice: 1, 1, 1, 1. | 20, quadruple 5. You made an illegal move. You have lost your turn.");
  ASSERT_NO_FATAL_FAILURE(handOver());
  // Red runs out of time: heard as it happens, and on the panel.
  heard();
  ASSERT_NO_FATAL_FAILURE(timeOut());
  EXPECT_EQ(heard(), "Dice: 1, 1, 1, 1. | Red has run out of time. | Blue to Play");
  EXPECT_EQ(spoken(panel(1)), "Red: 50, out of time");
  EXPECT_TRUE(key(KeyPress::Character, 's'));
  EXPECT_EQ(heard(), "Blue 8, 117 seconds left; Red 50, out of time.");
  // Blue finishes: the move, the end, and two seconds later the winner.
  ASSERT_NO_FATAL_FAILURE(throwDice(2, 2, 2, 2));
  click(28);  // 8, double 4
  EXPECT_EQ(heard(), "Dice: 2, 2, 2, 2. | 8, double 4. 8 points scored. GAME OVER!!!");
  clock.advance(2000);
  EXPECT_EQ(heard(), "BLUE HAS WON!");
  clock.advance(6000);
  EXPECT_EQ(heard(), "") << "the banner names the winner again, but it is said once";
  EXPECT_TRUE(key(KeyPress::Character, 's')) << "the scores at the end";
  EXPECT_EQ(heard(), "Blue 0, 117 seconds left; Red 50, out of time.");
  // A solo game ends as the clock runs out.
  open({.players = 1, .timeAllowed = 5, .soundOn = 0});
  heard();
  ASSERT_NO_FATAL_FAILURE(timeOut());
  EXPECT_EQ(heard(), "Dice: 1, 1, 1, 1. | Blue has run out of time. | OUT OF TIME!");
}

}  // namespace
}  // namespace sumdart::testing_game
