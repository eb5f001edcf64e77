#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Sumdart developers <sumdart@users.noreply.github.com>
# SPDX-License-Identifier: GPL-3.0-or-later
# What the dice roll costs, in a real window on a virtual X display:
#   bench/roll.sh [SECONDS] [BUILD_DIR]
# starts BUILD_DIR/bin/sumdart (default build-release) at zoom 1 and at zoom 2
# on a 2048 x 1536 display, goes by keyboard to the practice throw of rules
# page 2, and throws SECONDS times (default 10), measuring while the dice
# flicker; then it waits SECONDS with nothing to do. It reports the program's
# processor time in each as a share of one core, beside a bare Qt Widgets
# window left alone as long.
# The aims: the roll at most 2.5 % of a core at zoom 1 and 5 % at zoom 2; idle 0.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
seconds=${1:-10}
build=${2:-build-release}
root=$PWD
source bench/setup.sh
bench_setup roll "$build" sumdart sumdart-bare-window
start_display 2048x1536
export XDG_CONFIG_HOME=$out/config  # the zoom the keys chose stays out of this

ticks=$(getconf CLK_TCK)
cpu() { awk '{print $14 + $15}' "/proc/$app_pid/stat"; }
share() { awk -v d="$1" -v t="$ticks" -v s="$2" 'BEGIN {printf "%.1f", 100 * d / t / s}'; }
# Share of a core while the dice flicker: each throw (Space on Throw Dice)
# flickers from 1.2 s to about 2.2 s after it; measured from 1.25 s to 2.15 s.
rolling() {
  local used=0 before
  for _ in $(seq 1 "$seconds"); do
    xdotool key space
    sleep 1.25
    before=$(cpu)
    sleep 0.9
    used=$((used + $(cpu) - before))
    sleep 0.5
  done
  share "$used" "$(awk -v n="$seconds" 'BEGIN {print 0.9 * n}')"
}
idle() {
  local before
  before=$(cpu)
  sleep "$seconds"
  share $(($(cpu) - before)) "$seconds"
}

results=()
for zoom in 1 2; do
  start_program "$root/$build/bin/sumdart" "$out/work$zoom" --zoom "$zoom"
  size() { echo $(($1 * zoom)) $(($2 * zoom)); }
  wait_window $(size 372 438) 192,192,192
  xdotool key Return                       # OK
  wait_window $(size 372 438) 0,0,192
  xdotool key --delay 100 Tab Tab Tab Tab Tab space  # The Rules
  wait_window $(size 800 600)
  xdotool key Return                       # >> Next Page
  sleep 1
  wait_window $(size 800 600)
  xdotool key --delay 100 Tab Tab          # Throw Dice
  roll=$(rolling)
  sleep 2
  idle=$(idle)
  results+=("zoom $zoom: roll ${roll} %, idle ${idle} %")
  kill "$app_pid"; wait "$app_pid" 2>/dev/null || true
  app_pid=
done
start_program "$root/$build/bin/sumdart-bare-window" "$out/bare"
sleep 1
bare=$(idle)
echo "roll: processor time as a share of one core over ${seconds} s each: ${results[0]}; ${results[1]}; bare Qt window idle ${bare} %"
