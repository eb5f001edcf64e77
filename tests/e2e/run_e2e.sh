#!/usr/bin/env bash
# End-to-end test of the real program.
#
#   run_e2e.sh PATH/TO/sumdart OUTPUT_DIR
#
# Starts Xvfb on a free display, starts the program in its own folder (where
# Images/, wav/ and "Sumdart Rules.doc" are), waits for its 800 x 600 window,
# throws the dice, clicks the 100 in the middle of the board, checks that the
# program still runs with its window mapped, and ends it with Exit, which must
# end the program with status 0. Screenshots go to OUTPUT_DIR:
#   board.png    the window as it opens
#   thrown.png   after the dice have been revealed
#   clicked.png  a second after the board click
# Exits 77 (skipped) when Xvfb, xdotool, ImageMagick or xwininfo are missing.
set -euo pipefail

program=${1:?usage: run_e2e.sh PATH/TO/sumdart OUTPUT_DIR}
out=${2:?usage: run_e2e.sh PATH/TO/sumdart OUTPUT_DIR}

say() { echo "e2e: $*"; }
fail() {
  echo "e2e: FAILED: $*" >&2
  if [[ -s ${out}/sumdart.log ]]; then
    echo "e2e: the program printed:" >&2
    sed 's/^/    /' "${out}/sumdart.log" >&2
  fi
  exit 1
}

for tool in Xvfb xdotool import xwininfo timeout; do
  if ! command -v "$tool" >/dev/null 2>&1; then
    echo "e2e: SKIPPED: '$tool' is not installed (packages xvfb, xdotool, imagemagick, x11-utils; scripts/deps.sh installs them)"
    exit 77
  fi
done

[[ -x $program ]] || fail "no program at $program"
program=$(cd "$(dirname "$program")" && pwd)/$(basename "$program")
bindir=$(dirname "$program")
mkdir -p "$out"
rm -f "$out"/board.png "$out"/thrown.png "$out"/clicked.png "$out"/sumdart.log "$out"/xvfb.log "$out"/xvfb.display

xvfb_pid=
app_pid=
cleanup() {
  if [[ -n $app_pid ]]; then
    kill "$app_pid" 2>/dev/null || true
    sleep 0.5
    kill -9 "$app_pid" 2>/dev/null || true
    wait "$app_pid" 2>/dev/null || true
  fi
  if [[ -n $xvfb_pid ]] && kill -0 "$xvfb_pid" 2>/dev/null; then
    kill "$xvfb_pid" 2>/dev/null || true
    wait "$xvfb_pid" 2>/dev/null || true
  fi
}
trap cleanup EXIT
trap 'exit 130' INT TERM HUP

# --- a virtual display -------------------------------------------------------
display=
for n in $(seq 91 140); do
  [[ -e /tmp/.X${n}-lock || -e /tmp/.X11-unix/X${n} ]] && continue
  # Xvfb writes the display number to fd 3 once it accepts connections; if
  # another server holds the display it exits instead. -noreset: without it
  # the server resets when its last client leaves (the readiness check
  # below), and a program connecting during that reset is refused.
  : >"$out/xvfb.display"
  Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp -noreset -displayfd 3 3>"$out/xvfb.display" >"$out/xvfb.log" 2>&1 &
  xvfb_pid=$!
  for _ in $(seq 1 100); do
    [[ -r /proc/$xvfb_pid/status ]] && ! grep -q '^State:[[:space:]]*Z' "/proc/$xvfb_pid/status" || break
    if [[ -s $out/xvfb.display ]]; then
      display=":$n"
      break
    fi
    sleep 0.1
  done
  if [[ -n $display ]] && xwininfo -display "$display" -root >/dev/null 2>&1; then
    break
  fi
  # This display was taken after all (or Xvfb did not come up): try the next.
  display=
  kill "$xvfb_pid" 2>/dev/null || true
  wait "$xvfb_pid" 2>/dev/null || true
  xvfb_pid=
done
[[ -n $display ]] || fail "could not start Xvfb on any display from :91 to :140 (see $out/xvfb.log)"
export DISPLAY=$display
say "Xvfb runs on $DISPLAY (1024x768x24)"

# --- the program -------------------------------------------------------------
(
  cd "$bindir"
  unset QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS QT_AUTO_SCREEN_SCALE_FACTOR
  export QT_QPA_PLATFORM=xcb
  if [[ -z ${XDG_RUNTIME_DIR:-} ]]; then
    export XDG_RUNTIME_DIR=$out/runtime
    mkdir -p -m 0700 "$XDG_RUNTIME_DIR"
  fi
  exec "$program"
) >"$out/sumdart.log" 2>&1 &
app_pid=$!
say "started $program in $bindir (pid $app_pid)"

# Screenshot of the whole screen (the window is alone on it).
shot() {
  import -silent -window root "$out/$1"
  say "saved $out/$1"
}
# Checksum of a rectangle of the window (window-relative), to notice changes.
region_sum() {
  import -silent -window root -crop "${3}x${4}+$((win_x + $1))+$((win_y + $2))" +repage ppm:- | md5sum | cut -d' ' -f1
}
click() {
  xdotool mousemove --window "$wid" "$1" "$2"
  sleep 0.1
  xdotool click 1
  say "clicked window pixel ($1, $2): $3"
}
# Running and not a zombie waiting to be reaped.
alive() {
  [[ -n $app_pid && -r /proc/$app_pid/status ]] && ! grep -q '^State:[[:space:]]*Z' "/proc/$app_pid/status" 2>/dev/null
}

wid=
deadline=$((SECONDS + 30))
while ((SECONDS < deadline)); do
  if ! alive; then
    wait "$app_pid" && status=0 || status=$?
    app_pid=
    fail "the program ended (status $status) before showing its window"
  fi
  # The window is frameless and titled " ": find it by the program's pid.
  for w in $(xdotool search --onlyvisible --pid "$app_pid" 2>/dev/null || true); do
    X= Y= WIDTH= HEIGHT=
    eval "$(xdotool getwindowgeometry --shell "$w" 2>/dev/null | grep -E '^(X|Y|WIDTH|HEIGHT)=[0-9]+$' || true)"
    [[ -n $X && -n $Y && -n $WIDTH && -n $HEIGHT ]] || continue
    wid=$w
    win_x=$X win_y=$Y win_w=$WIDTH win_h=$HEIGHT
    ((win_w == 800 && win_h == 600)) && break
  done
  [[ -n $wid ]] && break
  sleep 0.2
done
[[ -n $wid ]] || fail "no window of the program appeared within 30 s"
sleep 0.5  # let the first paint finish
shot board.png
if ((win_w != 800 || win_h != 600)); then
  fail "the program's window is ${win_w}x${win_h} at ($win_x, $win_y), not the 800x600 game window (a message? see board.png)"
fi
say "game window $wid: ${win_w}x${win_h} at ($win_x, $win_y)"
xdotool windowraise "$wid" || true
timeout 5 xdotool windowfocus --sync "$wid" || say "(could not give the window the keyboard focus; clicks do not need it)"

# --- throw the dice ----------------------------------------------------------
# The four dice sit in a 2 x 2 square at window pixels (48, 48) to (121, 121).
dice_before=$(region_sum 48 48 74 74)
click 84 24 "Throw Dice"
thrown=0
t0=$SECONDS
previous=
same=0
for _ in $(seq 1 24); do  # up to 6 s
  sleep 0.25
  alive || break
  now=$(region_sum 48 48 74 74)
  if [[ $now != "$dice_before" && $now == "$previous" ]]; then
    same=$((same + 1))
  else
    same=0
  fi
  previous=$now
  # Unchanged for half a second: the flicker is over and the dice have settled.
  if ((same >= 2)); then
    thrown=1
    break
  fi
done
alive || fail "the program ended after Throw Dice"
shot thrown.png
((thrown == 1)) || fail "the dice did not appear and settle within 6 s of Throw Dice (see thrown.png)"
say "the dice settled about $((SECONDS - t0)) s after the throw"

# --- click a board number ----------------------------------------------------
window_before=$(region_sum 0 0 800 600)
click 400 300 "the 100 in the middle of the board"
sleep 1
alive || fail "the program ended after the board click"
xwininfo -id "$wid" | grep -q IsViewable || fail "the game window is no longer mapped after the board click"
say "the program still runs and its window is still mapped"
shot clicked.png
[[ $(region_sum 0 0 800 600) != "$window_before" ]] || fail "the board click changed nothing on the screen (see clicked.png)"
say "the board click was answered on the screen"

# --- Exit ----------------------------------------------------------------------
click 60 576 "Exit"
status=
for _ in $(seq 1 50); do  # up to 5 s
  if ! alive; then
    wait "$app_pid" && status=0 || status=$?
    app_pid=
    break
  fi
  sleep 0.1
done
[[ -n $status ]] || fail "the program was still running 5 s after Exit"
((status == 0)) || fail "the program ended with status $status after Exit"
say "Exit ended the program with status 0"
say "passed"
