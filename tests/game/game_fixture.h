#pragma once
// A game screen running on virtual time, scripted dice and recorded sounds, with
// the few moves a test needs: throw and reveal, click a board number, wait for
// the hand-over. Everything runs without widgets.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "game/game_screen.h"
#include "support/manual_clock.h"
#include "support/scripted_random.h"
#include "support/fake_seams.h"
#include "state/numbers.h"

namespace sumdart::testing_game {

// Colours written out here, not taken from the program's table.
inline constexpr Rgb kBlack = rgb(0, 0, 0), kWhite = rgb(255, 255, 255), kGrey = rgb(224, 224, 224);
inline constexpr Rgb kBlueText = rgb(128, 128, 255), kBlue = rgb(0, 0, 255), kRed = rgb(255, 0, 0);
inline constexpr Rgb kGreen = rgb(0, 255, 0), kYellow = rgb(255, 255, 0), kTitle = rgb(192, 0, 192);

// Sound names as the game plays them.
inline std::string wav(const char* name) { return std::string("wav\\") + name + ".wav"; }
using Sounds = std::vector<std::string>;

// The screens around the game screen: counts what the game asks of them.
struct HostDouble : GameScreenHost {
  void newGame() override { ++newGames; }
  void exitGame() override { ++exits; }
  void openCheatChart() override { ++chartOpens; }
  void closeCheatChart() override { ++chartCloses; }
  int newGames = 0, exits = 0, chartOpens = 0, chartCloses = 0;
};

// Options of a new game, as the set-up screens choose them.
struct GameOptions { int players = 2, target = 501, timeAllowed = 0, soundOn = 1, computerLevel = 0; };

class GameTest : public ::testing::Test {
 protected:
  // Opens a game screen the way the set-up screen does: stores the settings,
  // opens the screen, then shows the names and panels of the players taking part.
  void open(const GameOptions& s = {}) {
    m.numberOfPlayers = static_cast<std::int16_t>(s.players);
    m.setAllScores(static_cast<std::int16_t>(s.target));
    m.timeAllowed = static_cast<std::int16_t>(s.timeAllowed);
    m.soundOn = static_cast<std::int16_t>(s.soundOn);
    m.computerLevel = static_cast<std::int16_t>(s.computerLevel);
    game = std::make_unique<GameScreen>(m, Services{clock, random, day, sound, desktop, saveFile}, host);
    game->load();
    for (int n = 1; n <= s.players; ++n) {
      st().playerNames[static_cast<std::size_t>(n)].visible = panel(n).visible = true;
      if (m.restartGame != 1) panel(n).caption = decimalText(s.target);  // a restored game shows its saved scores
    }
  }

  GameState& st() { return game->st; }
  Ctl& panel(int n) { return st().scorePanels[static_cast<std::size_t>(n)]; }
  Ctl& die(int d) { return st().dice[static_cast<std::size_t>(d)]; }
  Ctl& boardLabel(int i) { return st().boardCells[static_cast<std::size_t>(i)]; }
  Ctl& clockLabel(int slot) { return st().clocks[static_cast<std::size_t>(slot)]; }
  const std::string& banner() { return st().banner.caption; }
  std::string faces() { return die(0).caption + die(1).caption + die(2).caption + die(3).caption; }
  void click(int index) { game->boardCellClicked(index); }

  // Sets a player's remaining target and its panel, as a game in progress would show it.
  void setScore(int n, int v) { m.score(n) = static_cast<std::int16_t>(v); panel(n).caption = decimalText(v); }

  // Clicks Throw Dice with the throw scripted to come out as a, b, c, d.
  void throwOnly(int a, int b, int c, int d) { random.pushThrow(a, b, c, d); game->throwDice(); }

  // Lets the dice animation run until the last die has settled and the flicker has stopped.
  void reveal() {
    for (int i = 0; i < 5000 && (game->diceSettle.isActive() || game->diceRoll.isActive()); ++i) clock.advance(1);
    ASSERT_FALSE(game->diceSettle.isActive() || game->diceRoll.isActive()) << "the dice never came to rest";
  }

  // Throws a scripted throw and waits for it to be revealed; the board is then open.
  void throwDice(int a, int b, int c, int d) {
    throwOnly(a, b, c, d);
    reveal();
    ASSERT_EQ(faces(), std::to_string(1000 * a + 100 * b + 10 * c + d));
  }

  // The two seconds between a board click and the next player's announcement.
  void handOver() {
    ASSERT_TRUE(game->handOver.isActive()) << "no hand-over pending";
    clock.advance(2000);
    EXPECT_FALSE(game->handOver.isActive());
  }

  // A whole turn: scripted throw, a click on a board label, the hand-over.
  void turn(int a, int b, int c, int d, int label) { throwDice(a, b, c, d); click(label); handOver(); }

  // The player to move throws and lets the clock run down to zero (clocks must be on); the hand-over follows.
  void timeOut() {
    const int slot = game->playerToMove();
    ASSERT_NO_FATAL_FAILURE(throwDice(1, 1, 1, 1));
    for (int i = 0; i < 10000 && clockLabel(slot).caption != "0"; ++i) clock.advance(1000);
    ASSERT_EQ(clockLabel(slot).caption, "0");
    handOver();
  }

  // Everything a refused click must leave alone, as one comparable text.
  std::string snapshot() {
    std::ostringstream o;
    o << "turn " << st().turnCounter << ", over " << st().gameOver << ", clicked " << st().clickedCell << ", banner '"
      << banner() << "', message " << st().illegalMoveNotice.visible << ", sounds " << sound.played.size() << ", scores";
    for (int n = 1; n <= 4; ++n) o << " " << m.score(n) << "/" << panel(n).caption;
    o << ", timers" << activeTimers();
    return o.str();
  }
  std::string activeTimers() {
    std::string s;
    const std::pair<const char*, Timer*> timers[] = {
        {"handOver", &game->handOver},         {"titleFlash", &game->titleFlash},     {"bannerFlash", &game->bannerFlash},
        {"diceSettle", &game->diceSettle},     {"computerThink", &game->computerThink}, {"clockTick", &game->clockTick},
        {"diceRoll", &game->diceRoll},         {"cellFlash", &game->cellFlash},       {"doublesFlash", &game->doublesFlash},
        {"winnerBanner", &game->winnerBanner}, {"computerClick", &game->computerClick}, {"arrowSounds", &game->arrowSounds}};
    for (const auto& [name, t] : timers) s += t->isActive() ? std::string(" ") + name : "";
    return s;
  }
  void expectNothingFrom(const std::function<void()>& clicks) {
    const std::string before = snapshot();
    clicks();
    EXPECT_EQ(snapshot(), before);
  }

  // The players' remaining targets, as their panels show them: -1 for a panel that shows another.
  std::vector<int> scores(int players) {
    std::vector<int> v;
    for (int n = 1; n <= players; ++n) v.push_back(panel(n).caption == decimalText(m.score(n)) ? m.score(n) : -1);
    return v;
  }

  Sounds soundsSince(std::size_t from) const { return {sound.played.begin() + long(from), sound.played.end()}; }
  long count(const std::string& name) const { return std::count(sound.played.begin(), sound.played.end(), name); }

  ManualClock clock;
  ScriptedRandom random;
  FixedDayClock day;
  RecordingSound sound;
  FakeDesktop desktop;
  MemorySaveFile saveFile;
  HostDouble host;
  GameSettings m;
  std::unique_ptr<GameScreen> game;  // declared last: goes before the seams it uses
};

}  // namespace sumdart::testing_game
