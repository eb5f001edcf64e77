#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Sumdart developers <sumdart@users.noreply.github.com>
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs a build into PREFIX and checks what lands there:
#   check_install.sh BUILD_DIR PREFIX
# (with BUILD_DIR "-", checks PREFIX as it is: an unpacked package's usr/):
# the two programs, the game's files under share/sumdart, the manual pages,
# the copyright and changelog, a menu entry that desktop-file-validate accepts
# and whose commands start the game, the icon at 48 and 256 pixels, AppStream
# metadata that appstreamcli accepts where it is installed, the translations and
# the rules document in each language, the programs' languages, and nothing
# else. The end-to-end test then plays the installed program.
set -euo pipefail
build=${1:?usage: check_install.sh BUILD_DIR PREFIX}
prefix=${2:?usage: check_install.sh BUILD_DIR PREFIX}
fail() { echo "install: FAILED: $*" >&2; exit 1; }

if [[ $build != - ]]; then
  rm -rf "$prefix"
  cmake --install "$build" --prefix "$prefix" >/dev/null
fi
cd "$prefix"
bin=bin
[[ -d games && ! -d bin ]] && bin=games  # where Debian puts games

unexpected=$(find . -type f | sort | grep -vE "^\./($bin/sumdart|$bin/sumdart-solve|"'share/sumdart/.+|share/applications/[^/]+\.desktop|share/metainfo/[^/]+\.metainfo\.xml|share/icons/hicolor/(48x48|256x256)/apps/sumdart\.png|share/man/man6/sumdart(-solve)?\.6\.gz|share/doc/sumdart/(copyright|changelog\.gz))$' || true)
[[ -z $unexpected ]] || fail "installed files that do not belong: $unexpected"
for f in share/icons/hicolor/{48x48,256x256}/apps/sumdart.png share/sumdart/Sumdart\ Rules{,.de,.es,.fr,.it,.nl,.pl,.pt_BR}.doc \
  share/sumdart/translations/sumdart_{de,es,fr,it,nl,pl,pt_BR}.qm share/sumdart/Images/target2.bmp share/sumdart/wav/click1.wav \
  share/man/man6/sumdart{,-solve}.6.gz share/doc/sumdart/{copyright,changelog.gz}; do
  [[ -s $f ]] || fail "$f is missing"
done

desktop=(share/applications/*.desktop)
((${#desktop[@]} == 1)) || fail "expected one desktop entry, found ${#desktop[@]}"
desktop-file-validate "${desktop[0]}" || fail "desktop-file-validate refuses ${desktop[0]}"
grep -q '^Icon=sumdart$' "${desktop[0]}" || fail "the menu entry does not name the installed icon"
! command -v appstreamcli >/dev/null || appstreamcli validate --no-net share/metainfo/*.metainfo.xml >/dev/null ||
  fail "appstreamcli refuses the metadata"
# ends STATUS PROGRAM [ARGUMENT...]: runs an installed program from an empty
# folder on the offscreen platform and checks its status, 124 when it was
# still running after 3 s. Settings put before the call reach the program.
ends() {
  local want=$1 program=$2 status=0
  shift 2
  (cd "$(mktemp -d)" && QT_QPA_PLATFORM=offscreen timeout 3 "$prefix/$bin/$program" "$@" >/dev/null 2>&1) || status=$?
  ((status == want)) || fail "'$program $*' ended with status $status, not $want"
}
# A zoom out of range is refused at once; each command of the menu entry starts the game.
ends 2 sumdart --zoom 7
while read -r -a command; do ends 124 "${command[@]}"; done < <(sed -n 's/^Exec=//p' "${desktop[0]}")
# Languages: the installed translations are found, also from a folder whose
# own translations/ holds something else (a source tree's .ts files); the
# solver and the game speak the desktop's language or --lang's, English
# without one (which languages the desktop's settings choose is the language
# tests' part); an unknown --lang is refused, and the game starts in English
# asked for on a German desktop.
here=$(mktemp -d)
mkdir "$here/translations" && : >"$here/translations/sumdart_de.ts"
# solve [NAME=VALUE...] [OPTION...]: the solver's list for 2 5 5 5 in a clean environment.
solve() {
  local settings=()
  while (($#)) && [[ $1 == [A-Z]*=* ]]; do settings+=("$1"); shift; done
  (cd "$here" && env -u LANGUAGE -u LC_ALL -u LC_MESSAGES -u LANG "${settings[@]}" "$prefix/$bin/sumdart-solve" "$@" 2 5 5 5)
}
game_help() { (cd "$here" && LANGUAGE=$1 QT_QPA_PLATFORM=offscreen "$prefix/$bin/sumdart" --help 2>&1); }
[[ $(game_help de) != "$(game_help en)" ]] || fail "with LANGUAGE=de the game's help is not in German"
english=$(solve)
german=$(solve LANGUAGE=de)
[[ $german != "$english" && $(echo "$german" | head -1) == "$(echo "$english" | head -1)" ]] || fail "with LANGUAGE=de the solver's list is not in German"
[[ $(solve LANG=C --lang de 2>&1) == "$german" ]] || fail "sumdart-solve --lang de differs from LANGUAGE=de"
ends 2 sumdart-solve --lang xx 2 5 5 5
ends 2 sumdart --lang xx
LANGUAGE=de ends 124 sumdart --lang en_GB
