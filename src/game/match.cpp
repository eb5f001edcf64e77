// SPDX-FileCopyrightText: 2026 Sumdart developers <sumdart@users.noreply.github.com>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/match.h"

namespace sumdart {

namespace {
int clampPlayers(int n) { return n < 1 ? 1 : n > Match::kSlots ? Match::kSlots : n; }
}  // namespace

bool isBust(int target, int value, bool isDouble) {
  return value > target || value == target - 1 || (value == target && !isDouble);
}

int slotFor(int count, int players) {
  if (players < 1) return 0;
  // Counts below -1 only come from a damaged saved game; they still give a real slot.
  const int slot = count % players;
  return slot < 0 ? slot + players : slot;
}

Match::Match(const NewGame& g)
    : players_(clampPlayers(g.players)),
      computerLevel_(g.computerLevel),
      timeAllowed_(g.timeAllowed),
      restored_(false),
      turn_(-1) {
  targets_.fill(g.target);
  if (timeAllowed_ != 0)
    for (int slot = 0; slot < players_; ++slot) clocks_[index(slot)] = timeAllowed_;
}

Match::Match(const SavedGame& g)
    : players_(clampPlayers(g.numberOfPlayers)),
      computerLevel_(g.computerLevel),
      timeAllowed_(g.timeAllowed),
      restored_(true),
      turn_(g.turnCounter) {
  for (std::size_t i = 0; i < kSlots; ++i) {
    targets_[i] = g.scores[i];
    clocks_[i] = g.clocks[i];
    outOfTime_[i] = g.clocks[i] < 1;
  }
}

int Match::toMove() const { return slotFor(turn_ + 1, players_); }
int Match::lastMover() const { return slotFor(turn_, players_); }

// The saved game holds the counter in 16 bits. Long before it could overflow
// it is wound back by a multiple of 12, which every player count (1..4) and the
// computer's even/odd test divide, so whose turn it is never changes; it stays
// at least 1, so an unfinished game is still saved on Exit.
void Match::advanceTurn() {
  ++turn_;
  if (turn_ >= kTurnWrapAt) turn_ -= 29988;
}

MoveResult Match::play(int value, bool isDouble, bool allowed) {
  advanceTurn();
  if (!allowed) return MoveResult::Illegal;
  int& target = targets_[index(lastMover())];
  if (isBust(target, value, isDouble)) return MoveResult::Bust;
  target -= value;
  return target == 0 ? MoveResult::Finished : MoveResult::Scored;
}

Outcome Match::checkEnd() {
  for (int t : targets_) {
    if (t < 1) {
      finisher_ = lastMover();
      return outcome_ = Outcome::Won;
    }
  }
  bool anyoneLeft = false;
  for (int slot = 0; slot < players_; ++slot) anyoneLeft = anyoneLeft || inGame(slot);
  return outcome_ = anyoneLeft ? Outcome::Playing : Outcome::OutOfTime;
}

// The end-of-game check runs first, so someone has time; the bound keeps a
// damaged state from looping for ever.
int Match::handOver() {
  --turn_;
  int p = 0;
  for (int tries = 0; tries <= players_; ++tries) {
    advanceTurn();
    p = toMove();
    if (inGame(p)) break;
  }
  return p;
}

// A reading below zero (from a damaged saved game) runs out like zero, so a
// clock can never count on for ever.
bool Match::tick() {
  if (outcome_ != Outcome::Playing) return false;
  const std::size_t p = index(toMove());
  --clocks_[p];
  if (clocks_[p] > 0) return false;
  outOfTime_[p] = true;
  return true;
}

std::optional<int> Match::leader() const {
  int best = targets_[0];
  int winner = 0;
  for (int slot = 0; slot < players_; ++slot) {
    if (targets_[index(slot)] < best) {
      best = targets_[index(slot)];
      winner = slot;
    }
  }
  for (int slot = 0; slot < players_; ++slot)
    if (targets_[index(slot)] == best && slot != winner) return std::nullopt;
  return winner;
}

SavedGame Match::saved(int soundOn, int hideDesktop) const {
  const auto i16 = [](int v) { return static_cast<std::int16_t>(v); };
  SavedGame g;
  g.numberOfPlayers = i16(players_);
  g.computerLevel = i16(computerLevel_);
  g.turnCounter = i16(turn_);
  for (std::size_t i = 0; i < kSlots; ++i) {
    g.scores[i] = i16(targets_[i]);
    g.clocks[i] = i16(clocks_[i]);
  }
  g.timeAllowed = i16(timeAllowed_);
  g.soundOn = i16(soundOn);
  g.hideDesktop = i16(hideDesktop);
  return g;
}

}  // namespace sumdart
