#pragma once
// A game screen running on virtual time, scripted dice and recorded sounds, with
// the few moves a test needs: throw and reveal, click a board number, wait for
// the hand-over. Everything runs without widgets.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "game/glim1.h"
#include "platform/manual_clock.h"
#include "platform/random.h"
#include "platform/seams.h"
#include "state/colour.h"
#include "state/module1.h"
#include "state/numbers.h"

namespace sumdart {

inline std::ostream& operator<<(std::ostream& os, const Rgb& c) {
  return os << "RGB(" << int{c.r} << "," << int{c.g} << "," << int{c.b} << ")";
}

namespace testing_game {

// Sound names as the game plays them.
inline std::string wav(const char* name) { return std::string("wav\\") + name + ".wav"; }

// The screens around the game screen: records what the game asks of them.
class HostDouble : public Glim1Host {
 public:
  void newGame() override { ++newGames; }
  void exitGame() override { ++exits; }
  void openCheatChart() override { ++chartOpens; }
  void closeCheatChart() override { ++chartCloses; }

  int newGames = 0;
  int exits = 0;
  int chartOpens = 0;
  int chartCloses = 0;
};

// Options of a new game, as the set-up screens choose them.
struct GameOptions {
  int players = 2;
  int target = 501;
  int timeallowed = 0;
  int soundon = 1;
  int computerlevel = 0;
};

// What a refused board click must leave alone.
struct Snapshot {
  std::int16_t turncounter;
  std::int16_t gameover;
  std::int16_t clickedlabel;
  std::int16_t scores[4];
  std::string panels[4];
  std::string banner;
  bool messageShown;
  std::size_t soundsPlayed;
  bool timerActive[14];

  bool operator==(const Snapshot& o) const {
    if (turncounter != o.turncounter || gameover != o.gameover || clickedlabel != o.clickedlabel ||
        banner != o.banner || messageShown != o.messageShown || soundsPlayed != o.soundsPlayed)
      return false;
    for (int i = 0; i < 4; ++i)
      if (scores[i] != o.scores[i] || panels[i] != o.panels[i]) return false;
    for (int i = 0; i < 14; ++i)
      if (timerActive[i] != o.timerActive[i]) return false;
    return true;
  }
};

inline std::ostream& operator<<(std::ostream& os, const Snapshot& s) {
  os << "{turncounter " << s.turncounter << ", gameover " << s.gameover << ", clickedlabel " << s.clickedlabel
     << ", scores";
  for (auto v : s.scores) os << " " << v;
  os << ", panels";
  for (const auto& p : s.panels) os << " '" << p << "'";
  os << ", banner '" << s.banner << "', message " << s.messageShown << ", sounds " << s.soundsPlayed
     << ", running timers";
  for (int i = 1; i < 14; ++i)
    if (s.timerActive[i]) os << " " << i;
  return os << "}";
}

class GameTest : public ::testing::Test {
 protected:
  // Opens a game screen the way the set-up screen does: stores the settings,
  // opens the screen, then shows the names and panels of the players taking part.
  void open(const GameOptions& s = {}) {
    m.numberofplayers = static_cast<std::int16_t>(s.players);
    m.setAllScores(static_cast<std::int16_t>(s.target));
    m.timeallowed = static_cast<std::int16_t>(s.timeallowed);
    m.soundon = static_cast<std::int16_t>(s.soundon);
    m.computerlevel = static_cast<std::int16_t>(s.computerlevel);
    create();
    game->load();
    for (int n = 1; n <= s.players; ++n) {
      st().Label5[static_cast<std::size_t>(n)].visible = true;
      panel(n).visible = true;
      if (m.restartgame != 1) panel(n).caption = decimalText(s.target);  // a restored game shows its saved scores
    }
  }

  void create() {
    game = std::make_unique<Glim1>(m, Services{clock, random, day, sound}, host);
  }

  Glim1State& st() { return game->st; }
  Timer& timer(int n) { return game->timer(n); }
  Ctl& panel(int n) { return st().Label6[static_cast<std::size_t>(n)]; }
  Ctl& die(int d) { return st().Label4[static_cast<std::size_t>(d)]; }
  Ctl& boardLabel(int i) { return st().Label1[static_cast<std::size_t>(i)]; }
  Ctl& clockLabel(int slot) { return st().Label12[static_cast<std::size_t>(slot)]; }

  // Sets a player's remaining target and its panel, as a game in progress would show it.
  void setScore(int n, int value) {
    m.score(n) = static_cast<std::int16_t>(value);
    panel(n).caption = decimalText(value);
  }

  // Clicks Throw Dice with the throw scripted to come out as a, b, c, d.
  void throwOnly(int a, int b, int c, int d) {
    ASSERT_TRUE(random.queue.empty()) << "draws left over from an earlier step";
    random.pushThrow(a, b, c, d);
    game->label3Click(2);
  }

  // Lets the dice animation run until the last die has settled and the flicker has stopped.
  void reveal() {
    for (int i = 0; i < 5000 && timer(5).isActive(); ++i) clock.advance(1);
    ASSERT_FALSE(timer(5).isActive()) << "the dice never settled";
    for (int i = 0; i < 50 && timer(8).isActive(); ++i) clock.advance(1);
    ASSERT_FALSE(timer(8).isActive()) << "the dice never stopped flickering";
  }

  // Throws a scripted throw and waits for it to be revealed; the board is then open.
  void throwDice(int a, int b, int c, int d) {
    throwOnly(a, b, c, d);
    reveal();
    ASSERT_TRUE(die(0).enabled);
    const int faces[4] = {a, b, c, d};
    for (int k = 0; k < 4; ++k) ASSERT_EQ(die(k).caption, decimalText(faces[k])) << "die " << k;
  }

  void click(int index) { game->label1Click(index); }

  // The two seconds between a board click and the next player's announcement.
  void handOver() {
    ASSERT_TRUE(timer(1).isActive()) << "no hand-over pending";
    clock.advance(2000);
    EXPECT_FALSE(timer(1).isActive());
  }

  // A whole turn: scripted throw, a click on a board label, the hand-over.
  void turn(int a, int b, int c, int d, int label) {
    throwDice(a, b, c, d);
    click(label);
    handOver();
  }

  // Lets the mover's clock run down to zero without a move (clocks must be on).
  void runOutOfTime() {
    const int slot = game->playerToMove();
    for (int i = 0; i < 10000 && clockLabel(slot).caption != "0"; ++i) clock.advance(1000);
    ASSERT_EQ(clockLabel(slot).caption, "0");
  }

  Snapshot snapshot() {
    Snapshot s{};
    s.turncounter = st().turncounter;
    s.gameover = st().gameover;
    s.clickedlabel = st().clickedlabel;
    for (int n = 1; n <= 4; ++n) {
      s.scores[n - 1] = m.score(n);
      s.panels[n - 1] = panel(n).caption;
    }
    s.banner = st().Label2.caption;
    s.messageShown = st().Label10.visible;
    s.soundsPlayed = sound.played.size();
    for (int t = 1; t <= 13; ++t) s.timerActive[t] = timer(t).isActive();
    return s;
  }

  std::vector<std::string> soundsSince(std::size_t from) const {
    return {sound.played.begin() + static_cast<std::ptrdiff_t>(from), sound.played.end()};
  }
  long count(const std::string& name) const { return std::count(sound.played.begin(), sound.played.end(), name); }

  ManualClock clock;
  ScriptedRandom random;
  FixedDayClock day;
  RecordingSound sound;
  HostDouble host;
  Module1 m;
  std::unique_ptr<Glim1> game;  // declared last: goes before the seams it uses
};

}  // namespace testing_game
}  // namespace sumdart
