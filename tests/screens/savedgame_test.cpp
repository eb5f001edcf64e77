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
  g.turncounter = 3;
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
      {2, "0"},   {2, "-1"},   {2, "32768"}, {3, "5e3"},  {4, "1000"},  {5, "-1"}, {7, "99999999"}, {8, "4"},
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
    savefile.text = file;
    m = Module1{};
    m.soundon = 1;
    m.hidedesktop = 1;
    const Module1 before = m;
    const auto valid = parseSavedGame(file);
    act([&] { flow.title()->label6Click(); });
    if (!valid) {
      ASSERT_NE(flow.title(), nullptr) << i;
      ASSERT_EQ(flow.currentGame(), nullptr) << i;
      ASSERT_TRUE(m == before) << "file " << i << " changed the shared state";
      continue;
    }
    ++restored;
    ASSERT_NE(flow.currentGame(), nullptr) << i;
    EXPECT_EQ(m.numberofplayers, valid->numberofplayers);
    EXPECT_EQ(m.restartgame, 0);
    clock.advance(1);  // the restored game's first hand-over
    act([&] { flow.exitGame(); });
  }
  EXPECT_GT(restored, 100);
  EXPECT_LT(restored, 9000);
}

TEST_F(FlowTest, ExitSavesAndRestartCarriesOnWithTheNextPlayer) {
  Glim1& game = toGame(3, "301");
  turn(game, 6, 4, 3, 1, 25);  // Blue: 40
  turn(game, 6, 4, 3, 1, 0);   // Red: 100 cannot be made
  act([&] { game.label3Click(0); });
  ASSERT_TRUE(savefile.text);
  EXPECT_EQ(*savefile.text,
            "3\r\n0\r\n1\r\n5000\r\n261\r\n301\r\n301\r\n301\r\n300\r\n300\r\n300\r\n300\r\n2000\r\n1\r\n1\r\n")
      << "clocks on by default; Yellow's never set";

  // Restart: Green to play at once, scores and sound as saved; the backdrop follows the file.
  m.setAllScores(501);
  m.soundon = 1;
  savefile.text->replace(savefile.text->size() - 6, 6, "0\r\n0\r\n");  // sound and backdrop off
  flow.closeGrey();
  log.clear();
  const long heard = clicks();
  act([&] { flow.title()->label6Click(); });
  EXPECT_EQ(log, (std::vector<std::string>{"show Game", "close Title"}));
  EXPECT_EQ(clicks(), heard) << "sound was saved off";
  Glim1& back = *flow.currentGame();
  EXPECT_EQ(back.st.turncounter, 1);
  EXPECT_EQ(back.timer(1).interval(), 1);
  clock.advance(1);
  EXPECT_EQ(back.st.Label2.caption, "Green to Play");
  EXPECT_EQ(m.restartgame, 0);
  EXPECT_EQ(m.bluescore, 261);
  EXPECT_EQ(back.st.Label6[1].caption, "261");
  EXPECT_TRUE(back.st.Label6[3].visible && !back.st.Label6[4].visible);
  EXPECT_FALSE(back.st.Label5[6].visible);
  // Exit at once saves again, since the game has seen clicks.
  savefile.text.reset();
  act([&] { back.label3Click(0); });
  EXPECT_TRUE(savefile.text);
}

TEST_F(FlowTest, ARestoredPlayerWithoutTimeIsSkippedAndTheComputerPlaysOn) {
  // Three players with clocks; Green's clock had run out. Red moved last.
  savefile.text = "3\r\n0\r\n1\r\n5000\r\n400\r\n300\r\n200\r\n501\r\n60\r\n30\r\n20\r\n0\r\n60\r\n0\r\n1\r\n";
  flow.start();
  act([&] { flow.title()->label6Click(); });
  Glim1& g = *flow.currentGame();
  EXPECT_EQ(log.front(), "show Title");
  EXPECT_EQ(flow.grey() != nullptr, true);
  EXPECT_FALSE(g.st.Label6[3].enabled);
  EXPECT_EQ(g.st.Label12[0].caption + g.st.Label12[2].caption, "300");
  clock.advance(1);
  EXPECT_EQ(g.st.Label2.caption, "Blue to Play") << "Green is skipped";
  EXPECT_EQ(m.soundon, 0);

  // A game against the computer: its move resumes on Red's turn.
  act([&] { flow.exitGame(); });
  savefile.text = "2\r\n3\r\n0\r\n5000\r\n400\r\n300\r\n501\r\n501\r\n0\r\n2000\r\n2000\r\n2000\r\n2000\r\n1\r\n1\r\n";
  act([&] { flow.title()->label6Click(); });
  EXPECT_EQ(m.restartgame, 0);
  ASSERT_EQ(savefile.text->substr(0, 6), "2\r\n3\r\n");
  EXPECT_TRUE(quits.empty());
  EXPECT_NE(flow.title(), nullptr) << "turn counter 0 is never written: the file is refused";
  savefile.text->replace(6, 1, "2");  // turn counter 2: Red moves next
  random.pushThrow(6, 4, 3, 1);
  act([&] { flow.title()->label6Click(); });
  Glim1& c = *flow.currentGame();
  clock.advance(1);
  EXPECT_EQ(c.st.Label2.caption, "Red to Play");
  EXPECT_TRUE(c.timer(5).isActive()) << "the computer throws at once";
}

}  // namespace
}  // namespace sumdart::testing_flow
