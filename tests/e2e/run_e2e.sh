#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Sumdart developers <sumdart@users.noreply.github.com>
# SPDX-License-Identifier: GPL-3.0-or-later
# End-to-end test of the real program.
#
#   run_e2e.sh PATH/TO/sumdart OUTPUT_DIR
#
# Plays the program on a virtual X display as a teacher would: the title screen,
# OK, a target typed on the set-up screen, two players, two moves, Exit (which
# saves the game), Restart Previous Game (which brings it back); then the help:
# the game's Cheat Chart, New Game, The Rules to page 3's printable rules
# (opened by a stand-in xdg-open that records what it was asked to open); then
# the set-up screen's Exit, which must end the program with status 0.
# Screenshots and the program's output go to OUTPUT_DIR. Exits 77 (skipped)
# when Xvfb, xdotool or ImageMagick are missing.
set -euo pipefail

program=${1:?usage: run_e2e.sh PATH/TO/sumdart OUTPUT_DIR}
out=${2:?usage: run_e2e.sh PATH/TO/sumdart OUTPUT_DIR}
source "$(dirname "${BASH_SOURCE[0]}")/driver.sh"

need_tools
rm -rf "$out"
mkdir -p "$out/stand-in"
# The desktop's document opener, replaced by one that only records its arguments.
cat >"$out/stand-in/xdg-open" <<STANDIN
#!/bin/sh
printf '%s\n' "\$@" >>"$out/xdg-open.log"
STANDIN
chmod +x "$out/stand-in/xdg-open"
export PATH=$out/stand-in:$PATH
start_display 1024x768
start_program "$program"

# The title screen, centred; no backdrop yet.
wait_window 372 438 192,192,192
shot title.png
((win_x == 326 && win_y == 165)) || fail "the title screen is at ($win_x, $win_y), not centred at (326, 165)"

# OK: the backdrop and the set-up screen. A target of 301, two players.
click 124 408 "OK"
wait_window 372 438 0,0,192
shot setup.png
click 168 104 "the Target box"
xdotool key ctrl+a
xdotool type --delay 50 "3a01"
say "typed 3a01 into the Target box (the letter is refused)"
click 150 364 "2 players"
wait_window 800 600
shot game.png

# Two moves: each throws and waits for the dice. Blue clicks the single 1,
# which every throw can make; Red clicks the 100 in the middle. Each step waits
# for what it leads to, not for a time, so a busy machine only makes it slower:
# the dice change colour when the turn passes to the next player, two seconds
# after a board click is taken (a click the board did not take yet is made again).
for move in 1 2; do
  before=$(region_sum 48 48 74 74)
  click 84 24 "Throw Dice"
  wait_dice_settled "$before"
  dice=$(region_sum 48 48 74 74)
  for try in 1 2 3; do
    if ((move == 1)); then click 431 209 "the 1 of the singles ring"; else click 400 300 "the 100 in the middle"; fi
    ((try > 1)) || shot "move$move.png"
    region_changed "$dice" 48 48 74 74 10 && break
    ((try < 3)) || fail "the turn did not pass to the next player after the board click"
  done
done

# Exit saves the game in the program's folder and returns to the title.
click 60 576 "Exit"
wait_window 372 438 192,192,192
saved=$workdir/lastgame.inf
until_true 50 test -s "$saved" || fail "Exit saved no game ($saved is missing)"
lines=$(tr -d '\r' <"$saved" | tr '\n' ' ')
say "lastgame.inf: $lines"
[[ $(grep -c $'\r$' "$saved") == 15 ]] || fail "lastgame.inf does not hold fifteen CR LF lines"
read -r players level turn _ blue red _ <<<"$lines"
[[ "$players $level $turn" == "2 0 1" ]] || fail "lastgame.inf starts '$players $level $turn', not '2 0 1'"
((blue == 300)) || fail "Blue's saved target is $blue, not 301 - 1"
((red == 301 || red == 201)) || fail "Red's saved target is $red, not 301 or 301 - 100"

# Restart Previous Game: the game comes back.
click 184 368 "Restart Previous Game"
wait_window 800 600
shot restored.png

# The help: the cheat chart beside the game; New Game.
game=$wid
click 72 140 "Cheat Chart"
wait_window 598 306
shot chart.png
wid=$game
click 712 576 "New Game"
wait_window 372 438 0,0,192
setup=$wid
click 288 262 "The Rules"
wait_window 800 600
shot rules1.png
click 732 580 ">> Next Page"
wait_window 800 600
click 732 580 ">> Next Page"
wait_window 800 600
shot rules3.png
click 150 580 "Open Rules Document for Printing"
until_true 50 test -s "$out/xdg-open.log" || fail "the document button asked the desktop to open nothing"
grep -Eq 'Sumdart(%20| )Rules\.doc' "$out/xdg-open.log" || fail "the desktop was asked to open: $(cat "$out/xdg-open.log")"
say "the desktop was asked to open $(head -n 1 "$out/xdg-open.log")"
alive || fail "the program ended after the document button"
click 768 16 "Exit (rules page 3)"

# The set-up screen's Exit ends the program. (A game by keys alone is played
# under Orca, tests/orca.)
wid=$setup
click 336 420 "Exit on the set-up screen"
wait_exit
((status == 0)) || fail "the program ended with status $status after Exit"
say "Exit ended the program with status 0"
say "passed"
