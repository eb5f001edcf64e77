# SPDX-FileCopyrightText: 2026 Sumdart developers <sumdart@users.noreply.github.com>
# SPDX-License-Identifier: GPL-3.0-or-later
# Drives the real program on a virtual X display. Sourced by the end-to-end
# test (run_e2e.sh) and by scripts/screenshots.sh; the caller sets `out` (a
# folder for logs and pictures) and then calls, in order:
#   need_tools; start_display [WIDTHxHEIGHT]; start_program PROGRAM [WORKDIR [OPTIONS...]]
# and then waits for windows, clicks and takes screenshots:
#   wait_window W H [R,G,B]   sets wid, win_x, win_y, win_w, win_h (a new window W x H pixels,
#                             with that colour at its pixel (4, 4) when given)
#   click X Y WHAT            a left click at window pixel (X, Y) of $wid
#   shot NAME                 the whole screen to $out/NAME, and the place of
#                             window $wid on it to $out/NAME.geometry
#   wait_dice_settled SUM     waits until the game's dice square has changed from
#                             checksum SUM and the dice have rolled and settled
#   region_changed SUM X Y W H SECONDS
#                             true once the window rectangle differs from checksum
#                             SUM, false if it has not within SECONDS
#   wait_exit                 waits for the program to end; sets status
# Each step fails the run (exit 1) with what it saw; `fail` prints the
# program's own output too.

say() { echo "e2e: $*"; }
fail() {
  echo "e2e: FAILED: $*" >&2
  if [[ -s ${out}/sumdart.log ]]; then
    echo "e2e: the program printed:" >&2
    sed 's/^/    /' "${out}/sumdart.log" >&2
  fi
  exit 1
}

need_tools() {
  for tool in Xvfb xdotool import timeout; do
    if ! command -v "$tool" >/dev/null 2>&1; then
      echo "e2e: SKIPPED: '$tool' is not installed (packages xvfb, xdotool, imagemagick; scripts/deps.sh installs them)"
      exit 77
    fi
  done
}

xvfb_pid=
app_pid=
# running PID: a process that has not ended (a zombie waiting to be reaped has).
running() { [[ -n $1 && -r /proc/$1/status ]] && ! grep -q '^State:[[:space:]]*Z' "/proc/$1/status" 2>/dev/null; }
# until_true TENTHS COMMAND...: polls COMMAND until it succeeds, false after TENTHS tenths of a second.
until_true() {
  local n=$1
  shift
  until "$@"; do
    ((n-- > 0)) || return 1
    sleep 0.1
  done
}
stop() {  # stop PID: asks it to end, then makes it
  kill "$1" 2>/dev/null || return 0
  until_true 30 eval "! running $1" || kill -9 "$1" 2>/dev/null || true
  wait "$1" 2>/dev/null || true
}
cleanup() {
  [[ -z $app_pid ]] || stop "$app_pid"
  [[ -z $xvfb_pid ]] || stop "$xvfb_pid"
}
trap cleanup EXIT
trap 'exit 130' INT TERM HUP

display_or_end() { [[ -s $out/xvfb.display ]] || ! running "$xvfb_pid"; }
# A virtual display. Xvfb takes the first free display number itself and
# writes it to fd 3 once it accepts connections. -noreset: without it the
# server resets when its last client leaves, refusing a program that connects then.
start_display() {
  local size=${1:-1024x768}
  mkdir -p "$out"
  : >"$out/xvfb.display"
  Xvfb -screen 0 "${size}x24" -nolisten tcp -noreset -displayfd 3 3>"$out/xvfb.display" >"$out/xvfb.log" 2>&1 &
  xvfb_pid=$!
  until_true 100 display_or_end && [[ -s $out/xvfb.display ]] || fail "Xvfb did not start (see $out/xvfb.log)"
  export DISPLAY=:$(head -n 1 "$out/xvfb.display")
  say "Xvfb runs on $DISPLAY ($size)"
}

# Starts the program in WORKDIR (default: a fresh folder under $out), so that it
# finds its pictures and sounds through its own folder and keeps lastgame.inf
# in WORKDIR. Extra environment comes from the caller's exports.
start_program() {
  local program=$1
  workdir=${2:-$out/work}
  shift $(($# < 2 ? $# : 2))  # what is left: the program's own options
  [[ -x $program ]] || fail "no program at $program"
  program=$(cd "$(dirname "$program")" && pwd)/$(basename "$program")
  mkdir -p "$workdir"
  (
    cd "$workdir"
    unset QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS QT_AUTO_SCREEN_SCALE_FACTOR
    # English, whatever the desktop's language (an option may still choose one).
    export LANGUAGE=en
    export QT_QPA_PLATFORM=xcb
    if [[ -z ${XDG_RUNTIME_DIR:-} ]]; then
      export XDG_RUNTIME_DIR=$out/runtime
      mkdir -p -m 0700 "$XDG_RUNTIME_DIR"
    fi
    exec "$program" "$@"
  ) >"$out/sumdart.log" 2>&1 &
  app_pid=$!
  say "started $program in $workdir (pid $app_pid)"
}

alive() { running "$app_pid"; }

# "R,G,B" of a screen pixel.
pixel() {
  import -silent -window root -crop "1x1+$1+$2" +repage -depth 8 txt:- 2>/dev/null |
    sed -n 's/.*(\([0-9]*\),\([0-9]*\),\([0-9]*\).*/\1,\2,\3/p' | head -n 1
}

# found_window W H COLOUR OLD: a window of the program other than OLD, W x H
# pixels, with COLOUR at its pixel (4, 4) when given; sets wid and its place.
found_window() {
  alive || fail "the program ended while a ${1}x${2} window was awaited"
  local w
  for w in $(xdotool search --onlyvisible --pid "$app_pid" 2>/dev/null || true); do
    X= Y= WIDTH= HEIGHT=
    eval "$(xdotool getwindowgeometry --shell "$w" 2>/dev/null | grep -E '^(X|Y|WIDTH|HEIGHT)=[0-9]+$' || true)"
    [[ $w != "$4" && $WIDTH == "$1" && $HEIGHT == "$2" ]] || continue
    [[ -z $3 || $(pixel $((X + 4)) $((Y + 4))) == "$3" ]] || continue
    wid=$w win_x=$X win_y=$Y win_w=$WIDTH win_h=$HEIGHT
    return 0
  done
  return 1
}
# Each step opens a new window: the one in use ($wid), which may still be
# closing, is never the one awaited.
wait_window() {
  local old=${wid:-}
  until_true 300 found_window "$1" "$2" "${3:-}" "$old" || {
    shot timeout.png
    fail "no new ${1}x${2} window${3:+ with colour $3} appeared within 30 s (see timeout.png)"
  }
  xdotool windowraise "$wid" 2>/dev/null || true
  # Keys go to the window with the input focus; there is no window manager to give it.
  timeout 5 xdotool windowfocus --sync "$wid" 2>/dev/null || say "(could not focus window $wid)"
}

# The pointer is where it was sent before the button goes down; the X server
# delivers the click before anything sent after it.
click() {
  xdotool mousemove --sync --window "$wid" "$1" "$2" click 1
  say "clicked window pixel ($1, $2): $3"
}

# Checksum of a rectangle of the window, to notice changes.
region_sum() {
  import -silent -window root -crop "${3}x${4}+$((win_x + $1))+$((win_y + $2))" +repage ppm:- | md5sum | cut -d' ' -f1
}
# same_twice X Y W H: the rectangle looks as it did when last asked.
same_twice() {
  local now
  now=$(region_sum "$@")
  [[ $now == "${last_sum:-}" ]] || { last_sum=$now; return 1; }
}

# Once the window has stopped changing (painted).
shot() {
  last_sum=
  [[ -z ${wid:-} ]] || until_true 30 same_twice 0 0 "$win_w" "$win_h" || true
  import -silent -window root "$out/$1"
  [[ -z ${wid:-} ]] || echo "${win_w}x${win_h}+${win_x}+${win_y}" >"$out/$1.geometry"
  say "saved $out/$1"
}

# The four dice of the game window sit in a 2 x 2 square at window pixels
# (48, 48) to (121, 121). A throw clears them (or starts them rolling) at
# once, and they roll until the last has settled: waits until they differ
# from checksum BEFORE, then from that first changed look, and then look the
# same three times running.
dice_settled() {
  alive || fail "the program ended while the dice rolled"
  local now
  now=$(region_sum 48 48 74 74)
  if [[ -z $cleared ]]; then [[ $now != "$1" ]] && cleared=$now; return 1; fi
  if [[ $now != "$cleared" && $now == "$previous" ]]; then same=$((same + 1)); else same=0; fi
  previous=$now
  ((same >= 2)) || { sleep 0.15; return 1; }
}
wait_dice_settled() {
  cleared= previous= same=0
  until_true 40 dice_settled "$1" || fail "the dice did not roll and settle within 10 s of Throw Dice"
}

region_changed() {
  local seconds=$6
  changed() { alive || fail "the program ended while the window was awaited to change"; [[ $(region_sum "${@:2}") != "$1" ]]; }
  until_true $((seconds * 10)) changed "${@:1:5}"
}

ended() { ! alive; }
wait_exit() {
  until_true 50 ended || fail "the program was still running 5 s after it was asked to end"
  wait "$app_pid" && status=0 || status=$?
  app_pid=
}
