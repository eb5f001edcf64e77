#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Sumdart developers <sumdart@users.noreply.github.com>
# SPDX-License-Identifier: GPL-3.0-or-later
# What the build generates comes out the same wherever and whenever it is made:
#   reproducible.sh BUILD_DIR SOURCE_DIR LRELEASE
# The pictures, sounds, rules documents (desktop and browser) and a
# translation are made twice, from folders of different names and lengths, in
# different time zones and seconds apart (each making takes seconds), and
# compared byte for byte; so are the compressed manual pages and changelog of
# two configures.
set -euo pipefail
build=$(cd "${1:?usage: reproducible.sh BUILD_DIR SOURCE_DIR}" && pwd)
source=$(cd "${2:?usage: reproducible.sh BUILD_DIR SOURCE_DIR LRELEASE}" && pwd)
lrelease=${3:?usage: reproducible.sh BUILD_DIR SOURCE_DIR LRELEASE}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
qm=("$build"/bin/translations/*.qm)

make_once() {
  local dir=$1 zone=$2
  mkdir -p "$dir/out" "$dir/web"
  (cd "$dir" && TZ=$zone QT_QPA_PLATFORM=offscreen "$build/bin/sumdart-assets" out "${qm[@]}" >/dev/null &&
    TZ=$zone QT_QPA_PLATFORM=offscreen "$build/bin/sumdart-assets" --web web "${qm[@]}" >/dev/null &&
    TZ=$zone "$lrelease" -silent "$source/translations/sumdart_de.ts" -qm out/sumdart_de.qm)
  cmake -S "$source" -B "$dir/configure" -DSUMDART_TESTS=OFF -DSUMDART_BENCH=OFF >/dev/null
  cmake --build "$dir/configure" --target sumdart_docs >/dev/null
  cp -r "$dir/configure/man" "$dir/configure/doc" "$dir/out/"
}

make_once "$work/a" UTC
make_once "$work/second-build-folder" Pacific/Auckland
diff -r "$work/a/out" "$work/second-build-folder/out" >&2 || { echo "reproducible: FAILED: the desktop's files differ" >&2; exit 1; }
diff -r "$work/a/web" "$work/second-build-folder/web" >&2 || { echo "reproducible: FAILED: the site's files differ" >&2; exit 1; }
echo "reproducible: $(find "$work/a" -path '*/configure' -prune -o -type f -print | wc -l) files the same in both builds"
