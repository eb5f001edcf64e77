// SPDX-FileCopyrightText: 2026 Sumdart developers <sumdart@users.noreply.github.com>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A throw of the four dice, shared by the game and the practice throw on the
// rules page: how the dice are drawn, and how two timers reveal them (one rolls
// the dice that have not settled, the other settles one die per tick).
#include <array>
#include <cstdint>

#include "seams/random.h"
#include "seams/seams.h"
#include "seams/timer.h"
#include "state/control.h"

namespace sumdart {

using Dice = std::array<std::int16_t, 5>;  // 0..3 used
using DiceFaces = std::array<Ctl, 4>;

// Reseeds from the time of day, then draws each die: Int(Rnd x 100) times
// Int(Rnd x 6) + 1, keeping the last draw. A die drawn no times keeps its
// previous value, and one never thrown shows 1.
void drawThrow(Random& random, DayClock& clock, Dice& dice);

// Sets the first-tick delays (slower with sound, to match the dice-cup sound),
// puts `diceShown` to 0 and starts both timers.
void startReveal(Timer& settle, Timer& roll, bool soundOn, std::int16_t& diceShown);

// A tick of the rolling timer: every die not yet settled shows a random face;
// the timer stops once all four have settled.
void rollStep(Timer& roll, Random& random, DiceFaces& faces, std::int16_t diceShown);

// A tick of the settling timer: the next die shows its value. Returns true once
// all four show theirs; the caller then stops the timer.
bool settleStep(Timer& settle, DiceFaces& faces, const Dice& dice, std::int16_t& diceShown);

// What a screen reader calls each die: "Die 1: 5" once settled, "Die 1: rolling"
// while it rolls, "Die 1: not thrown" before a throw.
// The dice of the last throw, greyed during the hand-over (`thrown` false), are
// "not thrown" too.
void describeDice(DiceFaces& faces, std::int16_t diceShown, bool thrown);

// What a screen reader says when the last die settles: "Dice: 3, 6, 5, 4."
std::string diceSpoken(const Dice& dice);

}  // namespace sumdart
