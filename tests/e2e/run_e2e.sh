#!/usr/bin/env bash
# End-to-end test of the real program.
#
#   run_e2e.sh PATH/TO/sumdart OUTPUT_DIR
#
# Plays the program on a virtual X display as a teacher would: the title screen,
# OK, a target typed on the set-up screen, two players, two moves, Exit (which
# saves the game), Restart Previous Game (which brings it back), Exit from the
# game and then from the title, which must end the program with status 0.
# Screenshots and the program's output go to OUTPUT_DIR. Exits 77 (skipped) when
# Xvfb, xdotool, ImageMagick or xwininfo are missing.
set -euo pipefail

program=${1:?usage: run_e2e.sh PATH/TO/sumdart OUTPUT_DIR}
out=${2:?usage: run_e2e.sh PATH/TO/sumdart OUTPUT_DIR}
source "$(dirname "${BASH_SOURCE[0]}")/driver.sh"

need_tools
rm -rf "$out"
mkdir -p "$out"
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

# Two moves: each throws, waits for the dice and clicks the 100 in the middle.
for move in 1 2; do
  before=$(region_sum 48 48 74 74)
  click 84 24 "Throw Dice"
  wait_dice_settled "$before"
  click 400 300 "the 100 in the middle of the board"
  shot "move$move.png"
  sleep 2.2  # the hand-over to the next player
done

# Exit saves the game in the program's folder and returns to the title.
click 60 576 "Exit"
wait_window 372 438 192,192,192
saved=$workdir/lastgame.inf
[[ -f $saved ]] || fail "Exit saved no game ($saved is missing)"
lines=$(tr -d '\r' <"$saved" | tr '\n' ' ')
say "lastgame.inf: $lines"
[[ $(grep -c $'\r$' "$saved") == 15 ]] || fail "lastgame.inf does not hold fifteen CR LF lines"
read -r players level turn _ blue red _ <<<"$lines"
[[ "$players $level $turn" == "2 0 1" ]] || fail "lastgame.inf starts '$players $level $turn', not '2 0 1'"
((blue <= 301 && red <= 301)) || fail "the saved targets $blue and $red are not those of a game from 301"

# Restart Previous Game: the game comes back.
click 184 368 "Restart Previous Game"
wait_window 800 600
sleep 0.5
shot restored.png
click 60 576 "Exit"
wait_window 372 438 192,192,192
click 244 408 "Exit on the title screen"
wait_exit
((status == 0)) || fail "the program ended with status $status after Exit"
say "Exit ended the program with status 0"
say "passed"
