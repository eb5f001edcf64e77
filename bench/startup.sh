#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Sumdart developers <sumdart@users.noreply.github.com>
# SPDX-License-Identifier: GPL-3.0-or-later
# Start-up time of the game against a bare Qt Widgets window, on a virtual X
# display:
#   bench/startup.sh [N] [BUILD_DIR]
# starts BUILD_DIR/bin/sumdart (default build-release, a Release build with the
# benchmarks on) and BUILD_DIR/bin/sumdart-bare-window alternately, N times each
# (default 15), and reports the median milliseconds from exec to the first
# window mapped on the display for each, and their ratio (the aim: at most 1.2).
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
runs=${1:-15}
build=${2:-build-release}
source bench/setup.sh
bench_setup startup "$build" sumdart sumdart-bare-window sumdart-mapwait
start_display 1024x768
export QT_QPA_PLATFORM=xcb
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$out/runtime}
mkdir -p -m 0700 "$XDG_RUNTIME_DIR"
unset QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS

game=() bare=()
mkdir -p "$out/work"
cd "$out/work"  # an empty folder: the game finds its files through its own
for _ in $(seq 1 "$runs"); do
  game+=("$("$OLDPWD/$build/bin/sumdart-mapwait" "$OLDPWD/$build/bin/sumdart" 2>/dev/null)")
  bare+=("$("$OLDPWD/$build/bin/sumdart-mapwait" "$OLDPWD/$build/bin/sumdart-bare-window" 2>/dev/null)")
done
median() { printf '%s\n' "$@" | sort -n | awk '{v[NR] = $1} END {print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2}'; }
g=$(median "${game[@]}")
b=$(median "${bare[@]}")
echo "startup: exec to first window, median of $runs: game ${g} ms, bare Qt window ${b} ms, ratio $(awk -v g="$g" -v b="$b" 'BEGIN {printf "%.2f", g / b}')"
