// SPDX-FileCopyrightText: 2026 Sumdart developers <sumdart@users.noreply.github.com>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A game screen running on virtual time, scripted dice and recorded sounds, with
// the few moves a test needs: throw and reveal, click a board number, wait for
// the hand-over. It reads what a player sees: the records as drawn.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "game/game_screen.h"
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

// The screens around the game screen: counts the charts the game asks for.
struct HostDouble : GameScreenHost {
  void newGame() override {}
  void exitGame() override {}
  void openCheatChart() override { ++chartOpens; }
  void closeCheatChart() override {}
  int chartOpens = 0;
};

// Options of a new game, as the set-up screens choose them.
struct GameOptions { int players = 2, target = 501, timeAllowed = 0, soundOn = 1, computerLevel = 0; };

// A saved game: `turn` is the counter of the last move, so slot (turn + 1) mod players moves next.
inline SavedGame savedGame(int players, std::array<std::int16_t, 4> scores, int turn, int timeAllowed = 0,
                           std::array<std::int16_t, 4> clocks = {2000, 2000, 2000, 2000}) {
  const auto i16 = [](int v) { return static_cast<std::int16_t>(v); };
  return SavedGame{i16(players), 0, i16(turn), 5000, scores, i16(timeAllowed), clocks, 0, 1};
}

class GameTest : public ::testing::Test, protected FakeServices {
 protected:
  void open(const GameOptions& o = {}) {
    m.soundOn = static_cast<std::int16_t>(o.soundOn);
    start(NewGame{o.players, o.target, o.timeAllowed, o.computerLevel});
  }
  // A saved game restarted; its hand-over has said whose turn it is.
  void restart(const SavedGame& g) {
    m.soundOn = g.soundOn;
    start(g);
    clock.advance(1);
  }
  void start(const GameStart& s) {
    game.reset();
    game = std::make_unique<GameScreen>(m, services(), host, s);
    ASSERT_TRUE(game->open());
  }

  const GameRecords& rec() { return game->records(); }
  const Match& match() { return game->match(); }
  const Ctl& panel(int slot) { return rec().scorePanels[static_cast<std::size_t>(slot)]; }
  const Ctl& die(int d) { return rec().dice[static_cast<std::size_t>(d)]; }
  const Ctl& cell(int i) { return rec().boardCells[static_cast<std::size_t>(i)]; }
  const Ctl& clockLabel(int slot) { return rec().clocks[static_cast<std::size_t>(slot)]; }
  const std::string& banner() { return rec().banner.caption; }
  std::string faces() { return die(0).caption + die(1).caption + die(2).caption + die(3).caption; }
  bool pending(const std::string& timer) {
    const auto p = game->pending();
    return std::find(p.begin(), p.end(), timer) != p.end();
  }
  void click(int index) { game->boardCellClicked(index); }

  // Clicks Throw Dice with the throw scripted to come out as a, b, c, d.
  void throwOnly(int a, int b, int c, int d) { random.pushThrow(a, b, c, d); game->throwDice(); }

  // Lets the dice animation run until the last die has settled and the flicker has stopped.
  void reveal() {
    for (int i = 0; i < 5000 && (pending("diceSettle") || pending("diceRoll")); ++i) clock.advance(1);
    ASSERT_FALSE(pending("diceSettle") || pending("diceRoll")) << "the dice never came to rest";
  }

  // Throws a scripted throw and waits for it to be revealed; the board is then open.
  void throwDice(int a, int b, int c, int d) {
    throwOnly(a, b, c, d);
    reveal();
    ASSERT_EQ(faces(), std::to_string(1000 * a + 100 * b + 10 * c + d));
  }

  // The two seconds between a board click and the next player's announcement.
  void handOver() {
    ASSERT_TRUE(pending("handOver")) << "no hand-over pending";
    clock.advance(2000);
    EXPECT_FALSE(pending("handOver"));
  }

  // A whole turn: scripted throw, a click on a board cell, the hand-over.
  void turn(int a, int b, int c, int d, int index) { throwDice(a, b, c, d); click(index); handOver(); }

  // The player to move throws and lets the clock run down to zero (clocks must be on); the hand-over follows.
  void timeOut() {
    const int slot = match().toMove();
    ASSERT_NO_FATAL_FAILURE(throwDice(1, 1, 1, 1));
    for (int i = 0; i < 10000 && clockLabel(slot).caption != "0"; ++i) clock.advance(1000);
    ASSERT_EQ(clockLabel(slot).caption, "0");
    handOver();
  }

  // Everything a refused click must leave alone, as one comparable text.
  std::string snapshot() {
    std::ostringstream o;
    o << "turn " << match().turnCounter() << ", playing " << (match().outcome() == Outcome::Playing) << ", banner '"
      << banner() << "', message " << rec().illegalMoveNotice.visible << ", sounds " << sound.played.size() << ", scores";
    for (int slot = 0; slot < 4; ++slot) o << " " << panel(slot).caption;
    o << ", timers";
    for (const std::string& t : game->pending()) o << " " << t;
    return o.str();
  }
  void expectNothingFrom(const std::function<void()>& clicks) {
    const std::string before = snapshot();
    clicks();
    EXPECT_EQ(snapshot(), before);
  }

  // The players' remaining targets, as their panels show them.
  std::vector<std::string> scores(int players) {
    std::vector<std::string> v;
    for (int slot = 0; slot < players; ++slot) v.push_back(panel(slot).caption);
    return v;
  }

  Sounds soundsSince(std::size_t from) const { return {sound.played.begin() + long(from), sound.played.end()}; }
  long count(const std::string& name) const { return std::count(sound.played.begin(), sound.played.end(), name); }

  // What a screen reader has been told to say since last asked, as the window takes it.
  std::string heard() {
    std::string all;
    for (const std::string& s : game->form.speech) all += (all.empty() ? "" : " | ") + s;
    game->form.speech.clear();
    return all;
  }

  HostDouble host;
  GameSettings m;
  std::unique_ptr<GameScreen> game;  // declared last: goes before the seams it uses
};

}  // namespace sumdart::testing_game
