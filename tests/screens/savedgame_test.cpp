// The saved game: its text, the all-or-nothing reader, and a game left with Exit
// and carried on with Restart Previous Game.
#include <random>

#include "flow_fixture.h"
#include "game/savedgame.h"

namespace sumdart::testing_flow {
namespace {

const char* const kExample = "2\r\n0\r\n3\r\n5000\r\n341\r\n288\r\n501\r\n501\r\n0\r\n2000\r\n2000\r\n2000\r\n2000\r\n1\r\n1\r\n";

TEST(SavedGameText, FifteenLinesEachEndedByCrLfAndReadBack) {
  SavedGame g;
  g.turnCounter = 3;
  g.scores = {341, 288, 501, 501};
  EXPECT_EQ(formatSavedGame(g), kExample);
  EXPECT_EQ(parseSavedGame(kExample), g);
  SavedGame edge{4, 0, 32767, -7, {0, 999, 1, 40}, 9999, {0, 9999, 5, 1}, 0, 0};
  EXPECT_EQ(parseSavedGame(formatSavedGame(edge)), edge);
}

// Damaged files: each line replaced in turn, and the text cut short.
TEST(SavedGameText, ADamagedFileGivesNothing) {
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

// Restart Previous Game over a corpus of damaged files: each either restores a
// valid game or changes nothing at all.
TEST_F(FlowTest, RestartOverDamagedFilesRestoresAValidGameOrChangesNothing) {
  std::mt19937 gen(20261206);
  const std::string good = kExample;
  const std::string alphabet = "0123456789-\r\n .x";
  int restored = 0;
  flow.start();
  for (int i = 0; i < 10000; ++i) {
    std::string file = good;
    const int edits = 1 + static_cast<int>(gen() % 4);
    for (int e = 0; e < edits; ++e) {
      const std::size_t at = gen() % file.size();
      switch (gen() % 4) {
        case 0: file[at] = alphabet[gen() % alphabet.size()]; break;
        case 1: file.erase(at, 1 + gen() % 3); break;
        case 2: file.insert(at, 1, alphabet[gen() % alphabet.size()]); break;
        default: file.resize(at); break;
      }
      if (file.empty()) break;
    }
    saveFile.text = file;
    m = GameSettings{};
    m.soundOn = 1;
    m.hideDesktop = 1;
    const GameSettings before = m;
    const auto valid = parseSavedGame(file);
    act([&] { flow.title()->restartPreviousGame(); });
    if (!valid) {
      ASSERT_NE(flow.title(), nullptr) << i;
      ASSERT_EQ(flow.currentGame(), nullptr) << i;
      ASSERT_TRUE(m == before) << "file " << i << " changed the shared state";
      continue;
    }
    ++restored;
    ASSERT_NE(flow.currentGame(), nullptr) << i;
    // Left at once, the game writes back every value it was given (the unused
    // fourth line is always 5000).
    SavedGame again = *valid;
    again.hidden = 5000;
    act([&] { flow.currentGame()->exitGame(); });
    ASSERT_EQ(*saveFile.text, formatSavedGame(again)) << "file " << i;
  }
  EXPECT_GT(restored, 100);
  EXPECT_LT(restored, 9000);
}

// A game set up on the screens and left with Exit right after a move, then
// restarted from the title screen with the shared values all different from the
// file's. Every one of the fifteen values must come back: the restored game,
// left again at once, writes the same file. Then the hand-over the restart
// makes passes the turn on as the game would have: past a player out of time,
// and to the computer, which throws at once.
TEST_F(FlowTest, ExitSavesEveryValueAndRestartBringsEachBack) {
  const struct {
    const char* name;
    int players, level;  // level > 0: one player against the computer
    const char* seconds;  // "" for no clocks
    bool sound, backdrop;
    std::vector<std::array<int, 6>> moves;  // dice, label clicked, ms taken after the reveal
    const char* file;
    const char* next;  // to play after the restart, at this turn
    int turn;
  } rows[] = {
      {"three players with clocks, sound off", 3, 0, "120", false, true,
       {{6, 4, 3, 1, 25, 1000}, {6, 4, 3, 1, 0, 3000}, {5, 5, 4, 1, 0, 5000}},  // 40; 100 is illegal; 100
       "3\r\n0\r\n2\r\n5000\r\n261\r\n301\r\n201\r\n301\r\n120\r\n118\r\n116\r\n114\r\n2000\r\n0\r\n1\r\n",
       "Blue to Play", 2},
      {"the computer at level 3, backdrop off", 1, 3, "", true, false,
       {{6, 4, 3, 1, 25, 0}, {6, 4, 3, 1, 25, 0}},  // 40 each; between them the computer takes 4 from 1 1 1 1
       "2\r\n3\r\n2\r\n5000\r\n221\r\n297\r\n301\r\n301\r\n0\r\n2000\r\n2000\r\n2000\r\n2000\r\n1\r\n0\r\n",
       "Red to Play", 2},
      {"four players, 7 seconds each, Yellow out of time", 4, 0, "7", true, true,
       {{1, 1, 1, 1, 6, 0}, {1, 1, 1, 1, 6, 0}, {1, 1, 1, 1, 6, 0}, {1, 1, 1, 1, 6, 8000},  // Yellow's click comes too late
        {1, 1, 1, 1, 26, 0}, {1, 1, 1, 1, 6, 0}, {1, 1, 1, 1, 6, 0}},
       "4\r\n0\r\n6\r\n5000\r\n298\r\n299\r\n299\r\n301\r\n7\r\n7\r\n7\r\n7\r\n0\r\n1\r\n1\r\n",
       "Blue to Play", 7},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.name);
    SetupScreen& s = toSetup();
    s.targetBox.caption = "301";
    s.playSoundTick.checked = r.sound;
    s.timersOnTick.checked = *r.seconds != 0;
    s.timeBox.caption = r.seconds;
    s.hideDesktopTick.checked = r.backdrop;
    act([&] { s.hideDesktopClicked(); });
    act([&] { s.choosePlayers(r.players); });
    if (r.level) {
      for (std::size_t i = 0; i < 3; ++i) flow.opponent()->levelOptions[i].checked = static_cast<int>(i) + 1 == r.level;
      act([&] { flow.opponent()->playComputer(); });
    }
    GameScreen& g = *flow.currentGame();
    for (std::size_t i = 0; i < r.moves.size(); ++i) {
      const auto& mv = r.moves[i];
      random.pushThrow(mv[0], mv[1], mv[2], mv[3]);
      act([&] { g.throwDice(); });
      clock.advance(2500 + mv[5]);
      act([&] { g.boardCellClicked(mv[4]); });
      if (i + 1 == r.moves.size()) break;  // Exit before the hand-over
      if (r.level) random.pushThrow(1, 1, 1, 1);  // the computer's throw
      clock.advance(2000);
      for (int t = 0; t < 20000 && g.records().banner.caption != "Blue to Play" && r.level; ++t) clock.advance(1);
    }
    saveFile.text.reset();
    act([&] { g.exitGame(); });
    ASSERT_TRUE(saveFile.text);
    EXPECT_EQ(*saveFile.text, r.file);

    // The shared values as another game left them, each unlike the file's.
    const std::string first = *saveFile.text;
    const auto want = parseSavedGame(first);
    ASSERT_TRUE(want);
    m.soundOn = r.sound ? 0 : 1;
    m.hideDesktop = r.backdrop ? 0 : 1;
    flow.closeBackdrop();
    act([&] { flow.title()->restartPreviousGame(); });
    GameScreen& back = *flow.currentGame();
    EXPECT_EQ(m.soundOn, r.sound);
    EXPECT_EQ(m.hideDesktop, r.backdrop);
    EXPECT_EQ(flow.backdrop() != nullptr, r.backdrop);
    std::string players;
    for (std::size_t slot = 0; slot < static_cast<std::size_t>(want->numberOfPlayers); ++slot)
      players += decimalText(want->scores[slot]) + (want->clocks[slot] > 0 ? "/" : "x/") +
                 (want->timeAllowed ? decimalText(want->clocks[slot]) : "") + " ";
    EXPECT_EQ(playersShown(back), players);
    EXPECT_EQ(back.records().secondsHeading.visible, want->timeAllowed > 0);
    EXPECT_FALSE(back.records().computerNotice.visible);
    saveFile.text.reset();
    act([&] { back.exitGame(); });  // before the hand-over
    ASSERT_TRUE(saveFile.text);
    EXPECT_EQ(*saveFile.text, first) << "left again at once, the restored game saves what it was given";

    act([&] { flow.title()->restartPreviousGame(); });
    GameScreen& resumed = *flow.currentGame();
    clock.advance(1);
    EXPECT_EQ(resumed.records().banner.caption, r.next);
    EXPECT_EQ(resumed.match().turnCounter(), r.turn);
    const auto busy = resumed.pending();
    EXPECT_EQ(std::count(busy.begin(), busy.end(), "diceSettle"), r.level > 0) << "the computer throws at once";
    if (!r.level) {
      random.pushThrow(1, 1, 1, 1);
      act([&] { resumed.throwDice(); });
      clock.advance(2500);
      act([&] { resumed.boardCellClicked(6); });
      clock.advance(1999);
      EXPECT_EQ(resumed.records().banner.caption, "1 point scored") << "later hand-overs wait two seconds";
    }
    act([&] { flow.exitGame(); });
    flow.closeBackdrop();
  }
}

}  // namespace
}  // namespace sumdart::testing_flow
