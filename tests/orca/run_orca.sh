#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Sumdart developers <sumdart@users.noreply.github.com>
# SPDX-License-Identifier: GPL-3.0-or-later
# What a blind child hears: the real Orca screen reader plays Sumdart by keys
# alone and the test checks what Orca said, not what the accessibility tree
# holds.
#
#   run_orca.sh PATH/TO/sumdart PATH/TO/sumdart-solve OUTPUT_DIR
#
# From the title screen: the set-up screen's numbers heard whole, a rules page
# read out as it opens, the practice throw's dice; then a two-player game:
# each throw's dice, a scored number and whose turn is next, an illegal move,
# the scores key, digits that name no board number, a cell of the cheat chart.
# Then a saved game with Blue on 2 is restarted ("Blue to Play") and played to
# its end: "2, double 1", "GAME OVER!!!" and the winner. The numbers the dice
# make come from sumdart-solve. Every step waits for what it leads to be said.
# Exits 77 (skipped) when Orca, speech-dispatcher, Xvfb or xdotool are missing.
set -euo pipefail

program=${1:?usage: run_orca.sh SUMDART SUMDART-SOLVE OUTPUT_DIR}
solver=${2:?usage: run_orca.sh SUMDART SUMDART-SOLVE OUTPUT_DIR}
out=${3:?usage: run_orca.sh SUMDART SUMDART-SOLVE OUTPUT_DIR}
program=$(realpath "$program")
solver=$(realpath "$solver")
source "$(dirname "${BASH_SOURCE[0]}")/orca_env.sh"

rm -rf "$out"
mkdir -p "$out"
orca_start_env "$out"
work=$out/work
mkdir -p "$work"

# The numbers from 1 to 100 the dice make, and the numbers on the board.
makes() { "$solver" "$@" | awk '$2 == "=" || $2 == "≈" { print $1 }'; }
on_board() { printf '%s\n' {1..20} {22..40..2} {21..60..3} {24..80..4} 50 100; }
dice_heard() {  # the last "Dice: a, b, c, d." since MARK, as "a b c d"
  orca_said_since "$1" | sed -nE 's/.*Dice: ([1-6]), ([1-6]), ([1-6]), ([1-6])\..*/\1 \2 \3 \4/p' | tail -n 1
}
throw() {  # throw WHO: T, then the dice heard; sets `dice`
  key t "notification Dice: [1-6], [1-6], [1-6], [1-6]\." "$1's dice"
  dice=$(dice_heard "$mark")
}

# The title screen, then the set-up screen's boxes heard with their whole numbers.
ORCA_APP_LOG=$out/sumdart.log orca_start_app -C "$work" "$program"
orca_wait_window "sumdart" 30 >/dev/null || fail "the title screen did not come up"
orca_wait_said 0 "OK push button" 20 >/dev/null || fail "the title screen's OK was not heard"
said 0 "start"
key Return "^300\.?$" "the time box's 300"
key Tab Tab Tab Tab "^501 selected" "the target box's 501"
# The rules, read out as each page opens; the practice throw's dice.
key Tab "The Rules push button" "The Rules"
! orca_said_since 0 | grep -qi "unselected" || fail "leaving the target box was heard as 'Text unselected'"
key Return "notification Page 1 of 3\. The Rules of Sumdart\. Summary of the rules\. The playing board resembles a dartboard" "rules page 1"
orca_said_since 0 | grep -qiE "^Next Page push button" || fail "the next-page button was not heard as 'Next Page push button'"
key Return "notification Page 2 of 3\. The Rules of Sumdart\. Generating a number\." "rules page 2"
key Tab Tab "Throw Dice push button" "the practice Throw Dice"
key Return "notification Dice: [1-6], [1-6], [1-6], [1-6]\." "the practice throw's dice"
key Escape "The Rules push button" "the set-up screen again"

# A two-player game.
key Tab Tab "2 players push button" "2 players"
key Return "notification Blue to Play" "whose turn it is as the game opens"
throw Blue
made=$(makes $dice | sort -n | awk '$1 <= 20' | tail -n 1)
[[ -n $made ]] || made=$(makes $dice | sort -n | head -n 1)
[[ -n $made ]] || fail "the solver found no number for $dice"
typed "$made" "^$made, single $made push button|^$made, " "the picked cell $made"
key Return "notification $made, [a-z0-9 ,]*\. $made points? scored\." "Blue's $made scored"
heard "notification Red to Play" "Red's turn"
throw Red
wrong=$(comm -23 <(on_board | sort -u) <(makes $dice | sort -u) | sort -n | head -n 1)
[[ -n $wrong ]] || fail "every board number can be made from $dice"
typed "$wrong" "^$wrong, " "the picked cell $wrong"
key Return "notification $wrong, [a-z0-9 ,]*\. You made an illegal move\. You have lost your turn\." "Red's illegal move"
heard "notification Blue to Play" "Blue's turn"
key s "notification Blue $((501 - made)), [0-9]+ seconds left; Red 501, [0-9]+ seconds left\." "the scores and seconds"
throw Blue
typed 79 "notification 79 is not on the board\." "that 79 is not on the board"
key c "1 × 1 = 1" "the chart's first product"
key Down Right "2 × 2 = 4" "the chart's 2 × 2"
key Escape "Sumdart game" "the game again"
kill "$ORCA_APP_PID" 2>/dev/null || true
_orca_poll 10 eval "! _orca_alive $ORCA_APP_PID" || fail "the game did not end when asked to"

# A saved game with Blue on 2, restarted and played to Blue's win. While the
# dice cannot make 2, Blue plays 1 (the turn passes) and so does Red.
printf '%s\r\n' 2 0 1 5000 2 501 501 501 300 300 300 0 0 0 0 >"$work/lastgame.inf"
orca_start_app -C "$work" "$program"
orca_wait_window "sumdart" 30 >/dev/null || fail "the title screen did not come up again"
key Tab Tab "Restart Previous Game push button" "Restart Previous Game"
key Return "notification Blue to Play" "whose turn it is in the restarted game"
for round in 1 2 3 4 5 6 7 8; do
  throw Blue
  if makes $dice | grep -qx 2; then
    typed 1 "^1, single 1" "the single 1"
    key Up "^2, double 1 push button" "the double 1"
    key Return "notification 2, double 1\. 2 points scored\. GAME OVER!!!" "Blue's finish"
    heard "notification BLUE HAS WON!" "the winner"
    key s "notification Blue 0, [0-9]+ seconds left; Red [0-9]+, [0-9]+ seconds left\." "the final scores"
    say "passed: $(orca_said_since 0 | wc -l) utterances; a whole game heard by ear"
    exit 0
  fi
  for next in Red Blue; do
    typed 1 "^1, single 1" "the single 1"
    key Return "notification 1, single 1\." "a 1 played"
    heard "notification $next to Play" "$next's turn (round $round)"
    [[ $next == Blue ]] || throw Red
  done
done
fail "in eight throws the dice never made 2"
