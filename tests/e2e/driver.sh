# Drives the real program on a virtual X display. Sourced by the end-to-end
# test (run_e2e.sh) and by scripts/screenshots.sh; the caller sets `out` (a
# folder for logs and pictures) and then calls, in order:
#   need_tools; start_display [WIDTHxHEIGHT]; start_program PROGRAM [WORKDIR [OPTIONS...]]
# and then waits for windows, clicks and takes screenshots:
#   wait_window W H [R,G,B]   sets wid, win_x, win_y, win_w, win_h (a window W x H pixels,
#                             with that colour at its pixel (4, 4) when given)
#   click X Y WHAT            a left click at window pixel (X, Y) of $wid
#   shot NAME                 the whole screen to $out/NAME, and the place of
#                             window $wid on it to $out/NAME.geometry
#   wait_dice_settled SUM [X Y W H]
#                             waits until the dice square (the game's by default)
#                             differs from checksum SUM and then stays the same
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
  for tool in Xvfb xdotool import xwininfo timeout; do
    if ! command -v "$tool" >/dev/null 2>&1; then
      echo "e2e: SKIPPED: '$tool' is not installed (packages xvfb, xdotool, imagemagick, x11-utils; scripts/deps.sh installs them)"
      exit 77
    fi
  done
}

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

# A virtual display on the first free number from :91.
start_display() {
  local size=${1:-1024x768}
  display=
  mkdir -p "$out"
  for n in $(seq 91 140); do
    [[ -e /tmp/.X${n}-lock || -e /tmp/.X11-unix/X${n} ]] && continue
    # Xvfb writes the display number to fd 3 once it accepts connections; if
    # another server holds the display it exits instead. -noreset: without it
    # the server resets when its last client leaves (the readiness check
    # below), and a program connecting during that reset is refused.
    : >"$out/xvfb.display"
    Xvfb ":$n" -screen 0 "${size}x24" -nolisten tcp -noreset -displayfd 3 3>"$out/xvfb.display" >"$out/xvfb.log" 2>&1 &
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

# Running and not a zombie waiting to be reaped.
alive() {
  [[ -n $app_pid && -r /proc/$app_pid/status ]] && ! grep -q '^State:[[:space:]]*Z' "/proc/$app_pid/status" 2>/dev/null
}

# "R,G,B" of a screen pixel.
pixel() {
  import -silent -window root -crop "1x1+$1+$2" +repage -depth 8 txt:- 2>/dev/null |
    sed -n 's/.*(\([0-9]*\),\([0-9]*\),\([0-9]*\).*/\1,\2,\3/p' | head -n 1
}

wait_window() {
  local want_w=$1 want_h=$2 colour=${3:-} deadline=$((SECONDS + 30))
  wid=
  while ((SECONDS < deadline)); do
    alive || fail "the program ended while a ${want_w}x${want_h} window was awaited"
    for w in $(xdotool search --onlyvisible --pid "$app_pid" 2>/dev/null || true); do
      X= Y= WIDTH= HEIGHT=
      eval "$(xdotool getwindowgeometry --shell "$w" 2>/dev/null | grep -E '^(X|Y|WIDTH|HEIGHT)=[0-9]+$' || true)"
      [[ $WIDTH == "$want_w" && $HEIGHT == "$want_h" ]] || continue
      if [[ -n $colour && $(pixel $((X + 4)) $((Y + 4))) != "$colour" ]]; then continue; fi
      wid=$w win_x=$X win_y=$Y win_w=$WIDTH win_h=$HEIGHT
      sleep 0.3  # let the first paint finish
      xdotool windowraise "$wid" 2>/dev/null || true
      # Keys go to the window with the input focus; there is no window manager to give it.
      timeout 5 xdotool windowfocus --sync "$wid" 2>/dev/null || say "(could not focus window $wid)"
      return 0
    done
    sleep 0.2
  done
  shot timeout.png
  fail "no ${want_w}x${want_h} window${colour:+ with colour $colour} appeared within 30 s (see timeout.png)"
}

click() {
  xdotool mousemove --window "$wid" "$1" "$2"
  sleep 0.1
  xdotool click 1
  say "clicked window pixel ($1, $2): $3"
  sleep 0.3
}

shot() {
  import -silent -window root "$out/$1"
  [[ -n ${wid:-} ]] && echo "${win_w}x${win_h}+${win_x}+${win_y}" >"$out/$1.geometry"
  say "saved $out/$1"
}

# Checksum of a rectangle of the window, to notice changes.
region_sum() {
  import -silent -window root -crop "${3}x${4}+$((win_x + $1))+$((win_y + $2))" +repage ppm:- | md5sum | cut -d' ' -f1
}

# The four dice of the game window sit in a 2 x 2 square at window pixels
# (48, 48) to (121, 121): waits until they have changed and then stayed the
# same for half a second.
wait_dice_settled() {
  local before=$1 x=${2:-48} y=${3:-48} w=${4:-74} h=${5:-74} previous= same=0
  for _ in $(seq 1 24); do  # up to 6 s
    sleep 0.25
    alive || fail "the program ended while the dice rolled"
    local now
    now=$(region_sum "$x" "$y" "$w" "$h")
    if [[ $now != "$before" && $now == "$previous" ]]; then same=$((same + 1)); else same=0; fi
    previous=$now
    ((same >= 2)) && return 0
  done
  fail "the dice did not appear and settle within 6 s of Throw Dice"
}

region_changed() {
  local sum=$1 deadline=$((SECONDS + $6))
  while ((SECONDS < deadline)); do
    alive || fail "the program ended while the window was awaited to change"
    [[ $(region_sum "$2" "$3" "$4" "$5") != "$sum" ]] && return 0
    sleep 0.1
  done
  return 1
}

wait_exit() {
  status=
  for _ in $(seq 1 50); do  # up to 5 s
    if ! alive; then
      wait "$app_pid" && status=0 || status=$?
      app_pid=
      return 0
    fi
    sleep 0.1
  done
  fail "the program was still running 5 s after it was asked to end"
}
