#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Sumdart developers <sumdart@users.noreply.github.com>
# SPDX-License-Identifier: GPL-3.0-or-later
# Takes the README's screenshots of the real program on a virtual X display:
#   scripts/screenshots.sh [PROGRAM]   (default build/bin/sumdart)
# It plays the end-to-end test's path (tests/e2e/run_e2e.sh) and keeps, cut to
# the program's windows, the title screen, the set-up screen, a game with the
# dice shown and a score taken, the cheat chart and a rules page, as PNGs in docs/.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
program=${1:-build/bin/sumdart}
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
bash tests/e2e/run_e2e.sh "$program" "$out/run" >"$out/log" 2>&1 || { cat "$out/log" >&2; exit 1; }
mkdir -p docs
# Shots of the whole screen, cut to the window each was taken of.
keep() {
  convert "$out/run/$1" -crop "$(cat "$out/run/$1.geometry")" +repage "docs/$2"
  echo "screenshots: docs/$2"
}
keep title.png title.png
keep setup.png setup.png
keep move1.png game.png
keep chart.png chart.png
keep rules3.png rules.png
