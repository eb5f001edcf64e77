#!/usr/bin/env bash
# Installs a build into PREFIX and checks what lands there:
#   check_install.sh BUILD_DIR PREFIX
# (with BUILD_DIR "-", checks PREFIX as it is: an unpacked package's usr/):
# the two programs, the game's files under share/sumdart, the manual pages,
# the copyright and changelog, a menu entry that
# desktop-file-validate accepts (in the Game and Education categories), the
# icon at 48 and 256 pixels, AppStream metadata that appstreamcli accepts where
# it is installed, the translations and the rules document in each language,
# the programs' languages, and nothing else. The end-to-end test then plays the
# installed program.
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
for f in $bin/sumdart $bin/sumdart-solve share/icons/hicolor/48x48/apps/sumdart.png \
  share/icons/hicolor/256x256/apps/sumdart.png "share/sumdart/Sumdart Rules.doc" \
  share/sumdart/Images/target2.bmp share/sumdart/wav/click1.wav share/man/man6/sumdart.6.gz \
  share/man/man6/sumdart-solve.6.gz share/doc/sumdart/copyright share/doc/sumdart/changelog.gz; do
  [[ -s $f ]] || fail "$f is missing"
done
[[ -x $bin/sumdart && -x $bin/sumdart-solve ]] || fail "the programs are not executable"

desktop=(share/applications/*.desktop)
((${#desktop[@]} == 1)) || fail "expected one desktop entry, found ${#desktop[@]}"
desktop-file-validate "${desktop[0]}" || fail "desktop-file-validate refuses ${desktop[0]}"
grep -Eq '^Categories=(.*;)?Game;' "${desktop[0]}" && grep -Eq '^Categories=(.*;)?Education;' "${desktop[0]}" ||
  fail "the menu entry is not in both the Game and Education categories"
grep -q '^Icon=sumdart$' "${desktop[0]}" || fail "the menu entry does not name the installed icon"
if command -v appstreamcli >/dev/null 2>&1; then
  appstreamcli validate --no-net share/metainfo/*.metainfo.xml >/dev/null || fail "appstreamcli refuses the metadata"
fi
"$prefix/$bin/sumdart-solve" 6 4 3 1 | grep -q '^40 = ' || fail "the installed solver does not run"
# A zoom out of range is refused at once; each command of the menu entry starts
# the game (still running after 3 s, on the offscreen platform, from an empty folder).
status=0
(cd "$(mktemp -d)" && QT_QPA_PLATFORM=offscreen "$prefix/$bin/sumdart" --zoom 7 >/dev/null 2>&1) || status=$?
((status == 2)) || fail "sumdart --zoom 7 ended with status $status, not 2"
while read -r program options; do
  status=0
  # shellcheck disable=SC2086 # the options are words
  (cd "$(mktemp -d)" && QT_QPA_PLATFORM=offscreen timeout 3 "$prefix/$bin/$program" $options >/dev/null 2>&1) || status=$?
  ((status == 124)) || fail "the menu entry's '$program $options' ended with status $status instead of running"
done < <(sed -n 's/^Exec=//p' "${desktop[0]}")
# Languages. The translations and the rules in each language are installed;
# the solver speaks the desktop's language or --lang's, and English (or C, or
# none) gives exactly the English output; an unknown --lang is refused.
for lang in de es fr; do
  for f in share/sumdart/translations/sumdart_$lang.qm "share/sumdart/Sumdart Rules.$lang.doc"; do
    [[ -s $f ]] || fail "$f is missing"
  done
done
# solve [NAME=VALUE...] [OPTION...]: the solver's list for 2 5 5 5 in a clean environment.
solve() {
  local settings=()
  while (($#)) && [[ $1 == [A-Z]*=* ]]; do settings+=("$1"); shift; done
  (cd "$(mktemp -d)" && env -u LANGUAGE -u LC_ALL -u LC_MESSAGES -u LANG "${settings[@]}" "$prefix/$bin/sumdart-solve" "$@" 2 5 5 5)
}
english=$(solve)
[[ $(echo "$english" | tail -1) == "36 numbers can be made from 2 5 5 5." ]] || fail "the solver's English last line changed: $(echo "$english" | tail -1)"
for env in LANGUAGE=en LANG=C LANG=en_GB.UTF-8 "LANGUAGE=en:de"; do
  [[ $(solve "$env") == "$english" ]] || fail "with $env the solver's output is not the English one"
done
german=$(solve LANGUAGE=de)
[[ $german != "$english" && $(echo "$german" | tail -1) == *"2 5 5 5"* && $(echo "$german" | head -1) == "$(echo "$english" | head -1)" ]] ||
  fail "with LANGUAGE=de the solver's last line is not German: $(echo "$german" | tail -1)"
for option in "--lang de" "--lang=de"; do
  # shellcheck disable=SC2086 # the option and its value are two words, or one
  [[ $(solve LANG=C $option 2>&1) == "$german" ]] || fail "sumdart-solve $option differs from LANGUAGE=de"
done
[[ $(solve LANGUAGE=de --lang en 2>&1) == "$english" ]] || fail "sumdart-solve --lang en is not English"
status=0
(cd "$(mktemp -d)" && "$prefix/$bin/sumdart-solve" --lang xx 2 5 5 5 >/dev/null 2>&1) || status=$?
((status == 2)) || fail "sumdart-solve --lang xx ended with status $status, not 2"
status=0
(cd "$(mktemp -d)" && QT_QPA_PLATFORM=offscreen "$prefix/$bin/sumdart" --lang xx >/dev/null 2>&1) || status=$?
((status == 2)) || fail "sumdart --lang xx ended with status $status, not 2"
(cd "$(mktemp -d)" && QT_QPA_PLATFORM=offscreen "$prefix/$bin/sumdart" --lang de --help) | grep -q -- "--lang" ||
  fail "sumdart --lang de --help does not list --lang"
status=0
(cd "$(mktemp -d)" && QT_QPA_PLATFORM=offscreen LANGUAGE=fr timeout 3 "$prefix/$bin/sumdart" >/dev/null 2>&1) || status=$?
((status == 124)) || fail "sumdart in French ended with status $status instead of running"
status=0
(cd "$(mktemp -d)" && QT_QPA_PLATFORM=offscreen LANGUAGE=de timeout 3 "$prefix/$bin/sumdart" --lang en_GB >/dev/null 2>&1) || status=$?
((status == 124)) || fail "sumdart --lang en_GB ended with status $status instead of running in English"
echo "install: $(find . -type f | wc -l) files in $prefix"
