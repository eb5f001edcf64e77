// SPDX-FileCopyrightText: 2026 Sumdart developers <sumdart@users.noreply.github.com>
// SPDX-License-Identifier: GPL-3.0-or-later
// The saved game: its text, the all-or-nothing reader, and a game left with Exit
// and carried on with Restart Previous Game.
#include "flow_fixture.h"
#include "game/savedgame.h"

namespace sumdart::testing_flow {
namespace {

const char* const kExample = "2\r\n0\r\n3\r\n5000\r\n341\r\n288\r\n501\r\n501\r\n0\r\n2000\r\n2000\r\n2000\r\n2000\r\n1\r\n1\r\n";

// Damaged files: each line replaced in turn, and the text cut short. The
// extremes of each value are read back as written.
TEST(SavedGameText, ADamagedFileGivesNothing) {
  SavedGame edge{4, 0, 32767, -7, {0, 999, 1, 40}, 9999, {0, 9999, 5, 1}, 0, 0};
  EXPECT_EQ(parseSavedGame(formatSavedGame(edge)), edge);
  const std::pair<int, const char*> bad[] = {
      {0, "0"},   {0, "5"},    {0, "x"},     {0, ""},     {0, "2.0"},   {0, "+2"}, {1, "4"},     {1, "-1"},
      {2, "0"},   {2, "-1"},   {2, "32768"}, {3, "5e3"},  {4, "1000"},  {5, "-1"}, {7, "1000"}, {6, "-1"}, {3, "99999999"}, {8, "4"},
      {8, "-5"},  {8, "10000"}, {9, "-1"},    {12, "10000"}, {13, "2"}, {14, "-1"}, {14, "1 1"}};
  const char* example[15] = {"2", "0", "3", "5000", "341", "288", "501", "501", "0", "2000", "2000", "2000", "2000", "1", "1"};
  for (auto [line, text] : bad) {
    std::string file;
    for (int i = 0; i < 15; ++i) file += std::string(i == line ? text : example[i]) + "\r\n";
    EXPECT_FALSE(parseSavedGame(file)) << "line " << line + 1 << " \"" << text << '"';
  }
  EXPECT_FALSE(parseSavedGame("1\r\n1\r\n1\r\n5000\r\n501\r\n501\r\n501\r\n501\r\n0\r\n2000\r\n2000\r\n2000\r\n2000\r\n1\r\n1\r\n"))
      << "a computer game is two players";
  const std::string full = kExample;
  for (std::size_t cut = 0; cut + 3 < full.size(); ++cut) EXPECT_FALSE(parseSavedGame(full.substr(0, cut))) << cut;
  // Hand edits that still hold fifteen good numbers are read.
  EXPECT_TRUE(parseSavedGame("2\n0\n3\n5000\n 341 \n288\n501\n501\n0\n2000\n2000\n2000\n2000\n1\n1"));
  EXPECT_TRUE(parseSavedGame(full + "more\r\n"));
}

// Restart Previous Game with a damaged file changes nothing: the title stays,
// no game starts, the shared settings are as they were. A good file restores
// its game, which, left at once, writes back every value it was given.
TEST_F(FlowTest, RestartOverDamagedFilesRestoresAValidGameOrChangesNothing) {
  const std::string good = kExample;
  const std::string files[] = {"", good.substr(0, good.size() / 2), "x" + good, good.substr(0, 30) + "1000" + good.substr(33),
                               std::string(4096, '9'), good};
  flow.start();
  for (const std::string& file : files) {
    SCOPED_TRACE(file.substr(0, 40));
    saveFile.text = file;
    m.soundOn = 1;
    m.hideDesktop = 1;
    act([&] { flow.title()->restartPreviousGame(); });
    if (file != good) {
      EXPECT_NE(flow.title(), nullptr);
      EXPECT_EQ(flow.currentGame(), nullptr);
      EXPECT_EQ(m, (GameSettings{1, 1}));
      continue;
    }
    ASSERT_NE(flow.currentGame(), nullptr);
    act([&] { flow.currentGame()->exitGame(); });
    EXPECT_EQ(*saveFile.text, good);
  }
}

// A game set up on the screens (four players, 7 seconds each, sound off, the
// backdrop on) and left with Exit right after a move saves every value; Restart
// Previous Game, with the shared settings as another game left them, brings each
// back, and its hand-over passes the turn on past the player out of time.
TEST_F(FlowTest, ExitSavesEveryValueAndRestartBringsEachBack) {
  SetupScreen& s = toSetup();
  s.targetBox.caption = "301";
  s.playSoundTick.checked = false;
  s.timersOnTick.checked = true;
  s.timeBox.caption = "7";
  act([&] { s.choosePlayers(4); });
  GameScreen& g = *flow.currentGame();
  // Yellow's click comes too late; then Blue, on double 1, and Red, Green.
  const std::array<int, 2> moves[] = {{6, 0}, {6, 0}, {6, 0}, {6, 8000}, {26, 0}, {6, 0}, {6, 0}};
  for (const auto& [cell, late] : moves) {
    random.pushThrow(1, 1, 1, 1);
    act([&] { g.throwDice(); });
    clock.advance(2500 + late);
    act([&] { g.boardCellClicked(cell); });
    if (&cell != &moves[std::size(moves) - 1][0]) clock.advance(2000);
  }
  act([&] { g.exitGame(); });
  ASSERT_TRUE(saveFile.text);
  EXPECT_EQ(*saveFile.text, "4\r\n0\r\n6\r\n5000\r\n298\r\n299\r\n299\r\n301\r\n7\r\n5\r\n5\r\n5\r\n0\r\n0\r\n1\r\n");

  m.soundOn = 1;
  m.hideDesktop = 0;
  flow.closeBackdrop();
  act([&] { flow.title()->restartPreviousGame(); });
  GameScreen& back = *flow.currentGame();
  EXPECT_EQ(m.soundOn, 0);
  EXPECT_EQ(m.hideDesktop, 1);
  EXPECT_NE(flow.backdrop(), nullptr);
  EXPECT_EQ(playersShown(back), "298/5 299/5 299/5 301x/0 ");
  clock.advance(1);
  EXPECT_EQ(back.records().banner.caption, "Blue to Play");
  EXPECT_EQ(back.match().turnCounter(), 7) << "Yellow, out of time, is passed over";
  random.pushThrow(1, 1, 1, 1);
  act([&] { back.throwDice(); });
  clock.advance(2500);
  act([&] { back.boardCellClicked(6); });
  clock.advance(1999);
  EXPECT_EQ(back.records().banner.caption, "1 point scored") << "later hand-overs wait two seconds";
}

}  // namespace
}  // namespace sumdart::testing_flow
