// SPDX-FileCopyrightText: 2026 Sumdart developers <sumdart@users.noreply.github.com>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The game screen: it presents a Match. Clicks and keys become moves of the
// match; the screen then draws the match into its records, runs the timed chain
// of a turn (the dice, the hand-over, the clocks, the computer, the flashes) and
// plays the sounds. Plain C++: it talks to the world only through its seams.
#include <array>
#include <memory>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "game/board_cursor.h"
#include "game/computer_player.h"
#include "game/dice.h"
#include "game/game_records.h"
#include "game/match.h"
#include "game/savedgame.h"
#include "judge/judge.h"
#include "seams/seams.h"
#include "seams/timer.h"
#include "state/assets.h"
#include "state/form.h"
#include "state/game_settings.h"

namespace sumdart {

// What to play: a new game, or a saved one restarted.
using GameStart = std::variant<NewGame, SavedGame>;

// What the game screen asks of the screens around it. Calls that close the game
// screen must not destroy it before the handler that made them has returned.
class GameScreenHost {
 public:
  virtual ~GameScreenHost() = default;
  virtual void newGame() = 0;          // New Game: a new set-up screen; the game screen is left
  virtual void exitGame() = 0;         // Exit: a new title screen; the game screen is left
  virtual void openCheatChart() = 0;
  virtual void closeCheatChart() = 0;
};

class GameScreen : public Screen {
 public:
  GameScreen(GameSettings& m, Services s, GameScreenHost& host, const GameStart& start);
  ~GameScreen() override;

  // The whole opening: the pictures, the board, the players. False when a
  // picture cannot be loaded; openError() then names it.
  bool open();
  const std::string& openError() const { return openError_; }

  // What a player can do.
  void throwDice();
  void newGame();
  void exitGame();
  void boardCellClicked(int index);
  void openCheatChart();
  // Closing the window by other means acts as Exit, so a game is never lost.
  void closeRequested() override;

  // The keyboard: T throws, C opens the chart, digits pick a board cell, the
  // arrows move over the board's rings; Return or Space on a picked cell clicks
  // it (the window does that, as for any button). S says the scores.
  bool takesKeys() const override;
  bool keyPressed(const KeyPress& k, const std::string& focused) override;
  bool tellsOnly(const KeyPress& k) const override;
  // "Blue 465, Red 501." and with the clocks on "Blue 465, 120 seconds left; ...".
  std::string scoresSpoken() const;
  void describe() override;
  // The cell the board's one Tab stop is on: the last picked.
  int pickedCell() const { return cursor_.picked(); }

  // What tests may read: the controls as drawn, the game, and the timed
  // events now pending, by name ("handOver", "diceSettle", ...).
  const GameRecords& records() const { return r_; }
  const Match& match() const { return match_; }
  std::vector<std::string> pending() const;
  // The game as Exit saves it.
  SavedGame saved() const;

  // Stops every timer: the screen is being left and must not act again.
  void stopTimers() override;

 private:
  // The timed chain, one timer each.
  void onHandOver();       // the next player's turn
  void onTitleFlash();     // the title flashes after 50 or more
  void onBannerFlash();    // the banner flashes at the end
  void onDiceSettle();     // one more die settles
  void onComputerThink();  // the computer chooses its number
  void onClockTick();      // the player to move loses a second
  void onDiceRoll();       // the dice not yet settled flicker
  void onCellFlash();      // the clicked number flashes
  void onDoublesFlash();   // the doubles ring flashes on a bust
  void onWinnerBanner();   // the winner is named
  void onComputerClick();  // the computer clicks its number
  void onArrowSounds();    // arrows fly at the end
  void onTypingPause();    // digits typed from now on start a new number

  void addControls();
  void placeBoard();
  void drawPlayers();
  void drawScores();
  void clearDice();
  void play(std::optional<Sound> sound);
  void colourFor(int slot);
  void checkEndOfGame();
  void gameEnded(bool winnerToFollow);
  void showMove(int index, MoveResult result, int value);
  bool ended() const { return match_.outcome() != Outcome::Playing; }
  bool waitingForNumber() const;
  void showPick(int was);
  bool typeDigit(int digit);

  GameSettings& m_;
  Services s_;
  GameScreenHost& host_;
  Match match_;
  ComputerPlayer computer_;
  NumberJudge judge_;
  GameRecords r_;
  BoardCursor cursor_;
  std::string openError_;

  std::array<std::unique_ptr<Timer>, 13> timers_;
  Timer &handOver_, &titleFlash_, &bannerFlash_, &diceSettle_, &computerThink_, &clockTick_, &diceRoll_, &cellFlash_,
      &doublesFlash_, &winnerBanner_, &computerClick_, &arrowSounds_, &typingPause_;

  // The turn: Throw Dice may be clicked; the thrown dice wait for a number.
  bool mayThrow_ = true;
  int turnSlot_ = 0;  // whose colours the screen shows
  bool diceThrown_ = false;  // this turn's dice are rolling or out: not greyed
  bool diceOut_ = false;     // they have all settled: the board waits for a number
  std::int16_t diceShown_ = 0;
  int computerChoice_ = 0;
  int clickedCell_ = 0;
  // The end: the player whose colour the banner flashes in, if any; the end's
  // sounds have had their turn and the screen stays quiet.
  std::optional<int> flashSlot_;
  bool quiet_ = false;
  // Flash counters.
  int bannerFlashCount_ = 0, arrowCount_ = 0, titleFlashCount_ = 0, clickFlashCount_ = 0, doubleFlashCount_ = 0;
  // The banner's caption after the last move, and what a screen reader hears for it.
  std::string moveCaption_, moveSpoken_;
  bool winnerSaid_ = false;
};

// The sound for a legal number by its value.
std::optional<Sound> scoreSound(int value);

}  // namespace sumdart
