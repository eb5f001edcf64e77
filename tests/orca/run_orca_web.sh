#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Sumdart developers <sumdart@users.noreply.github.com>
# SPDX-License-Identifier: GPL-3.0-or-later
# The browser edition heard by a real screen reader: Orca reads the site in
# Debian's Chromium, played by keys alone.
#
#   run_orca_web.sh SITE_DIR OUTPUT_DIR
#
# The title screen's focused button, the set-up window's name as it opens, a tick box; then a game: whose turn it is, T throwing the dice
# and the dice heard, S telling the scores. The game's letter keys must reach
# the game, not Orca's browse mode ("No more tables" for T).
# Exits 77 (skipped) when Orca, Chromium, speech-dispatcher, Xvfb or xdotool are missing.
set -euo pipefail

site=$(realpath "${1:?usage: run_orca_web.sh SITE_DIR OUTPUT_DIR}")
out=${2:?usage: run_orca_web.sh SITE_DIR OUTPUT_DIR}
command -v chromium >/dev/null || { echo "orca-web: SKIPPED: chromium is missing"; exit 77; }
source "$(dirname "${BASH_SOURCE[0]}")/orca_env.sh"

rm -rf "$out"
mkdir -p "$out"
orca_start_env "$out"
port=$(python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
_orca_spawn server python3 -m http.server "$port" --bind 127.0.0.1 --directory "$site"
served() { python3 -c "import urllib.request; urllib.request.urlopen('http://127.0.0.1:$port/')" 2>/dev/null; }
_orca_poll 10 served || fail "the site is not served"

mark=$(orca_mark)
orca_start_app chromium --no-sandbox --disable-gpu --disable-background-networking --disable-component-update \
  --no-first-run --force-renderer-accessibility --user-data-dir="$out/profile" --window-size=1024,768 \
  --app="http://127.0.0.1:$port/?lang=en"
orca_wait_said "$mark" "OK push button" 60 >/dev/null || fail "the title screen's OK was not heard"
said "$mark" "the title screen"

key Return "Sumdart: set up a game" "the set-up window"
key Tab "Play Sound check box checked" "a tick box"
for _ in $(seq 1 15); do
  mark=$(orca_mark)
  orca_key Tab
  orca_wait_said "$mark" "push button|check box|entry" 10 >/dev/null || fail "Tab was not heard"
  orca_said_since "$mark" | grep -q "2 players" && break
done
key Return "Blue to Play" "a game for two"
key t "Dice: [1-6], [1-6], [1-6], [1-6]" "the dice, thrown by T"
key s "Blue 501, [0-9]+ seconds left; Red 501" "the scores, told by S"
! orca_said_since 0 | grep -qiE "no more (tables|separators)" || fail "Orca's browse mode took the game's keys"
say "passed"
