# SPDX-FileCopyrightText: 2026 Sumdart developers <sumdart@users.noreply.github.com>
# SPDX-License-Identifier: GPL-3.0-or-later
# shellcheck shell=bash
# The Orca screen reader on a private virtual desktop, and what it says.
# Sourced by run_orca.sh:
#
#   orca_start_env OUTDIR   a private HOME, a silent ALSA device, Xvfb (the first free
#                           display), a D-Bus session bus, the AT-SPI
#                           bus, openbox, speech-dispatcher whose only voice
#                           writes each utterance as a line of OUTDIR/spoken.log,
#                           and Orca (its debug log in OUTDIR/orca-debug.log).
#                           Returns once Orca has said "Screen reader on."; exits
#                           77 when a program is missing. Everything it starts
#                           is ended on EXIT.
#   orca_start_app [-C DIR] COMMAND...   starts a program with Qt's
#                           accessibility on; sets ORCA_APP_PID
#   orca_wait_window REGEX [S]   until a window so titled or classed has the focus
#   orca_key KEYS... / orca_type TEXT   key presses and typing, with xdotool
#   orca_mark               a mark: the utterances said so far
#   orca_said_since MARK    what was said since, one utterance a line
#   orca_wait_said MARK REGEX [S]   waits until something said since matches
#   orca_wait_quiet [MS] [S]        waits until nothing has been said for MS ms
#
# Orca allows one instance per user, so another running Orca means skip.

ORCA_ENV_DIR=
ORCA_SPOKEN_LOG=
ORCA_APP_PID=
_orca_pids=()
_orca_token=
_orca_rtdir=

_orca_fail() {
  echo "orca-env: FAILED: $*" >&2
  exit 1
}
_orca_ms() {
  local t=${EPOCHREALTIME/[.,]/}
  echo $((t / 1000))
}
_orca_alive() { [[ -d /proc/$1 ]] && ! grep -q '^State:[[:space:]]*Z' "/proc/$1/status" 2>/dev/null; }
# _orca_poll SECONDS COMMAND...: true once COMMAND succeeds, false after SECONDS.
_orca_poll() {
  local end=$(($(_orca_ms) + $1 * 1000))
  shift
  until "$@"; do
    (($(_orca_ms) < end)) || return 1
    sleep 0.02
  done
}
# _orca_spawn NAME COMMAND...: starts COMMAND in a process group of its own,
# its output in OUTDIR/NAME.log; sets _orca_pid.
_orca_spawn() {
  local log=$ORCA_ENV_DIR/$1.log
  shift
  ORCA_ENV_TOKEN=$_orca_token setsid "$@" </dev/null >>"$log" 2>&1 &
  _orca_pid=$!
  disown  # ended by orca_stop_env, without the shell's job messages
  _orca_pids+=("$_orca_pid")
}
# _orca_up NAME TEST...: waits until TEST holds while the last program started lives.
_orca_up() {
  local name=$1 pid=$_orca_pid
  shift
  _orca_poll 30 "$@" && _orca_alive "$pid" || _orca_fail "$name did not come up (see $ORCA_ENV_DIR/$name.log)"
}

orca_stop_env() {
  local i pid
  [[ -n $_orca_token ]] || return 0
  # Newest first, so nothing loses its display or bus while it ends.
  for ((i = ${#_orca_pids[@]} - 1; i >= 0; i--)); do
    kill -TERM -- "-${_orca_pids[i]}" 2>/dev/null || true
    _orca_poll 1 eval "! _orca_alive ${_orca_pids[i]}" || kill -KILL -- "-${_orca_pids[i]}" 2>/dev/null || true
  done
  # What the buses started on demand carries the token in its environment.
  for pid in $(grep -slzF -- "ORCA_ENV_TOKEN=$_orca_token" /proc/[0-9]*/environ 2>/dev/null | cut -d/ -f3); do
    kill -KILL "$pid" 2>/dev/null || true
  done
  rm -rf "$_orca_rtdir"
  _orca_pids=()
  _orca_token=
}

# speech-dispatcher with one voice, a generic module that appends each
# utterance to spoken.log: no sound card is needed, and the log is what a
# listener hears begin. The delimiter never occurs, so an utterance is not
# cut into sentences.
_orca_write_config() {
  local sd=$XDG_CONFIG_HOME/speech-dispatcher
  printf 'pcm.!default { type null }\n' >"$HOME/.asoundrc"
  cat >"$ORCA_ENV_DIR/speak.sh" <<'EOF'
#!/bin/bash
printf '%s\n' "${1//$'\n'/ }" >>"$ORCA_ENV_DIR/spoken.log"
EOF
  chmod +x "$ORCA_ENV_DIR/speak.sh"
  mkdir -p "$sd/modules" "$ORCA_ENV_DIR/speechd"
  {
    echo "GenericExecuteSynth \"$ORCA_ENV_DIR/speak.sh '\$DATA'\""
    echo 'GenericMaxChunkLength 1000000'
    printf 'GenericDelimiters "\037"\n'
    echo 'AddVoice "en" "MALE1" "text"'
    echo 'GenericLanguage "en" "en" "utf-8"'
  } >"$sd/modules/textlog.conf"
  cat >"$sd/speechd.conf" <<EOF
LogDir "$ORCA_ENV_DIR/speechd"
AudioOutputMethod "alsa"
AddModule "textlog" "sd_generic" "textlog.conf"
DefaultModule textlog
DefaultLanguage "en"
EOF
}

_orca_xvfb_ready() { [[ -s $ORCA_ENV_DIR/xvfb.display ]]; }
_orca_bus_has() {
  dbus-send --session --dest=org.freedesktop.DBus --print-reply /org/freedesktop/DBus \
    org.freedesktop.DBus.NameHasOwner "string:$1" 2>/dev/null | grep -q 'boolean true'
}
_orca_orca_ready() { grep -q '^Screen reader on' "$ORCA_SPOKEN_LOG"; }

orca_start_env() {
  local out=${1:?orca_start_env OUTDIR} tool n
  for tool in orca speech-dispatcher Xvfb dbus-daemon dbus-send openbox xdotool xprop setsid; do
    command -v "$tool" >/dev/null 2>&1 || {
      echo "orca-env: SKIPPED: '$tool' is missing (scripts/deps.sh installs it)"
      exit 77
    }
  done
  if pgrep -x orca >/dev/null; then
    echo "orca-env: SKIPPED: another Orca is running, and Orca allows one per user"
    exit 77
  fi
  mkdir -p "$out"
  ORCA_ENV_DIR=$(cd "$out" && pwd)
  ORCA_SPOKEN_LOG=$ORCA_ENV_DIR/spoken.log
  : >"$ORCA_SPOKEN_LOG"
  export ORCA_ENV_DIR
  # Only what is started here carries the token, and whatever it starts.
  _orca_token="$$-$(_orca_ms)"
  trap orca_stop_env EXIT
  trap 'exit 130' INT TERM HUP
  # Socket paths are short, so the runtime folder is in /tmp.
  _orca_rtdir=$(mktemp -d /tmp/orca-rt.XXXXXX)
  export HOME=$ORCA_ENV_DIR/home XDG_RUNTIME_DIR=$_orca_rtdir
  export XDG_CONFIG_HOME=$HOME/.config XDG_DATA_HOME=$HOME/.local/share XDG_CACHE_HOME=$HOME/.cache
  rm -rf "$HOME"
  mkdir -p "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" "$XDG_CACHE_HOME"
  unset DBUS_SESSION_BUS_ADDRESS AT_SPI_BUS_ADDRESS WAYLAND_DISPLAY XAUTHORITY QT_QPA_PLATFORM LANGUAGE
  export LC_ALL=C.UTF-8 GSETTINGS_BACKEND=memory
  _orca_write_config

  # Xvfb takes the first free display and writes its number once it is ready.
  _orca_spawn xvfb Xvfb -screen 0 1024x768x24 -nolisten tcp -noreset -displayfd 3 3>"$ORCA_ENV_DIR/xvfb.display"
  _orca_up xvfb _orca_xvfb_ready
  export DISPLAY=:$(head -n 1 "$ORCA_ENV_DIR/xvfb.display")
  export DBUS_SESSION_BUS_ADDRESS=unix:path=$_orca_rtdir/bus
  _orca_spawn dbus dbus-daemon --session --nofork --nopidfile --address="$DBUS_SESSION_BUS_ADDRESS"
  _orca_up dbus _orca_bus_has org.freedesktop.DBus
  _orca_spawn at-spi /usr/libexec/at-spi-bus-launcher --launch-immediately
  _orca_up at-spi _orca_bus_has org.a11y.Bus
  _orca_spawn openbox openbox --sm-disable
  _orca_up openbox eval "xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'"
  _orca_spawn speechd speech-dispatcher -s -t 0
  _orca_up speechd test -S "$_orca_rtdir/speech-dispatcher/speechd.sock"
  _orca_spawn orca orca --debug-file="$ORCA_ENV_DIR/orca-debug.log"
  _orca_up orca _orca_orca_ready
}

orca_start_app() {
  local dir=.
  if [[ ${1:-} == -C ]]; then
    dir=$2
    shift 2
  fi
  (cd "$dir" && ORCA_ENV_TOKEN=$_orca_token QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1 QT_QPA_PLATFORM=xcb \
    exec setsid "$@" </dev/null >>"${ORCA_APP_LOG:-$ORCA_ENV_DIR/app.log}" 2>&1) &
  ORCA_APP_PID=$!
  disown
  _orca_pids+=("$ORCA_APP_PID")
}

_orca_window_focused() {
  local focused w
  focused=$(xdotool getwindowfocus 2>/dev/null) || return 1
  for w in $(xdotool search --onlyvisible --name --class --classname "$1" 2>/dev/null); do
    [[ $w == "$focused" ]] && return 0
  done
  return 1
}
orca_wait_window() { _orca_poll "${2:-20}" _orca_window_focused "$1"; }

orca_key() { xdotool key --delay 60 "$@"; }
orca_type() { xdotool type --delay 60 "$1"; }

orca_mark() { wc -l <"$ORCA_SPOKEN_LOG"; }
orca_said_since() { tail -n "+$((${1:-0} + 1))" "$ORCA_SPOKEN_LOG" | sed -E 's/[[:space:]]+$//'; }
_orca_said_match() { orca_said_since "$1" | grep -qiE -- "$2"; }
orca_wait_said() { _orca_poll "${3:-10}" _orca_said_match "$1" "$2"; }

orca_wait_quiet() {
  local quiet=${1:-700} end=$(($(_orca_ms) + ${2:-20} * 1000)) last prev= size now
  last=$(_orca_ms)
  while :; do
    size=$(stat -c %s "$ORCA_SPOKEN_LOG" "$ORCA_ENV_DIR/orca-debug.log" 2>/dev/null | tr '\n' ' ')
    now=$(_orca_ms)
    if [[ $size != "$prev" ]]; then
      prev=$size
      last=$now
    elif ((now - last >= quiet)); then
      return 0
    fi
    ((now < end)) || return 1
    sleep 0.05
  done
}

# Steps of a run, shared by the desktop's and the browser's Orca tests:
say() { echo "orca: $*"; }
fail() {
  echo "orca: FAILED: $*" >&2
  echo "orca: everything Orca said:" >&2
  orca_said_since 0 | sed 's/^/    /' >&2
  exit 1
}
# key KEYS... REGEX WHAT / typed TEXT REGEX WHAT / heard REGEX WHAT: presses
# the keys, types the text or does nothing (for what comes by itself: a
# hand-over, the winner), then waits until Orca has said something matching
# REGEX since; `mark` is where that began.
key() { after "${*: -1}" "${*: -2:1}" orca_key "${@:1:$#-2}"; }
typed() { after "$3" "$2" orca_type "$1"; }
heard() { after "$2" "$1" true; }
after() {  # after WHAT REGEX COMMAND...
  local what=$1 regex=$2
  shift 2
  mark=$(orca_mark)
  "$@"
  orca_wait_said "$mark" "$regex" 20 >/dev/null || fail "after $*: $what was not heard"
  said "$mark" "$what"
}
said() {  # what each key made Orca say
  orca_wait_quiet 400 10 || true
  echo "orca: [$2] $(orca_said_since "$1" | tr '\n' '|')"
}
