// SPDX-FileCopyrightText: 2026 Sumdart developers <sumdart@users.noreply.github.com>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The game in progress, without screens: the players' targets and clocks, who
// is still in the game, whose turn it is and how the game ended. The rules of a
// move, of the turn and of the end live here; the game screen only draws them.
#include <array>
#include <cstdint>
#include <optional>

#include "game/savedgame.h"

namespace sumdart {

// What to play when a new game starts.
struct NewGame {
  int players = 2;        // 1..4: Blue, Red, Green, Yellow in that order
  int target = 501;       // every player's target
  int timeAllowed = 0;    // seconds on every clock; 0 plays without clocks
  int computerLevel = 0;  // 0 none, 1..3 the computer plays Red
};

// What a number clicked on the board did to the mover's target.
enum class MoveResult { Scored, Bust, Illegal, Finished };

// The one bust rule: a number above the target, one that leaves 1, or one that
// reaches zero without being a double leaves the target as it was.
bool isBust(int target, int value, bool isDouble);

enum class Outcome { Playing, Won, OutOfTime };

class Match {
 public:
  static constexpr int kSlots = 4;
  // Largest turn counter before it is wound back; see advanceTurn().
  static constexpr int kTurnWrapAt = 30000;
  // A clock nobody set, as the saved game writes it.
  static constexpr int kUnsetClock = 2000;

  explicit Match(const NewGame& g);
  // A saved game restarted. A clock below 1 in the file is a player out of time.
  explicit Match(const SavedGame& g);

  int players() const { return players_; }
  int computerLevel() const { return computerLevel_; }
  int timeAllowed() const { return timeAllowed_; }
  bool restored() const { return restored_; }
  int target(int slot) const { return targets_[index(slot)]; }
  int secondsLeft(int slot) const { return clocks_[index(slot)]; }
  // Taking part and with time left: only such players get turns.
  bool inGame(int slot) const { return slot >= 0 && slot < players_ && !outOfTime_[index(slot)]; }
  bool outOfTime(int slot) const { return outOfTime_[index(slot)]; }
  int turnCounter() const { return turn_; }
  // Slot (0 Blue .. 3 Yellow) of the player to move, and of the one who moved last.
  int toMove() const;
  int lastMover() const;
  // The computer (Red) throws and plays on the turns the counter makes even.
  bool computerToMove() const { return computerLevel_ != 0 && turn_ % 2 == 0; }
  // At least one move has been made, so leaving the game saves it.
  bool started() const { return turn_ >= 1; }

  Outcome outcome() const { return outcome_; }
  // The player who took their target to zero.
  int finisher() const { return finisher_; }
  // The player with the lowest target, or nothing when two or more share it.
  std::optional<int> leader() const;

  // The player to move plays `value`; `allowed` says whether the throw makes
  // it. The turn passes whatever the move did.
  MoveResult play(int value, bool isDouble, bool allowed);
  // Whether the game has ended: a target at zero, or nobody left with time.
  Outcome checkEnd();
  // The turn passes to the next player after the last mover who still has
  // time. Returns their slot.
  int handOver();
  // The player to move loses a second. True when that has run their clock out.
  bool tick();

  // The game as it is saved on Exit.
  SavedGame saved(int soundOn, int hideDesktop) const;

 private:
  static std::size_t index(int slot) { return static_cast<std::size_t>(slot < 0 ? 0 : slot > 3 ? 3 : slot); }
  void advanceTurn();

  int players_;
  int computerLevel_;
  int timeAllowed_;
  bool restored_;
  int turn_;
  std::array<int, kSlots> targets_{};
  std::array<int, kSlots> clocks_{kUnsetClock, kUnsetClock, kUnsetClock, kUnsetClock};
  std::array<bool, kSlots> outOfTime_{};
  Outcome outcome_ = Outcome::Playing;
  int finisher_ = 0;
};

// Player slot (0-based) for a turn counter: slot of the player to move is
// slotFor(turnCounter + 1), of the one who moved last slotFor(turnCounter).
// Always 0..players-1, also for a count below zero.
int slotFor(int count, int players);

}  // namespace sumdart
