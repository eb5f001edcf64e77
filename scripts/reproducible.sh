#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Sumdart developers <sumdart@users.noreply.github.com>
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package twice, in two folders of different names, and
# checks that the two packages hold the same files byte for byte and are the
# same archive, as Debian's reproducible-builds checks do:
#   bash scripts/reproducible.sh [PACKAGE.deb]
# Given a package already built (the test command gives it scripts/package.sh's),
# it builds only once more and compares with that one.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
bash scripts/deps.sh package
version=$(dpkg-parsechangelog -S Version)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
builds=(one second-build-folder)
if (($#)); then
  mkdir -p "$work/one"
  cp "$1" "$work/one/"
  dpkg-deb -x "$1" "$work/one/files"
  dpkg-deb -e "$1" "$work/one/files/DEBIAN"
  builds=(second-build-folder)
fi
for dir in "${builds[@]}"; do
  mkdir -p "$work/$dir/sumdart-$version"
  git ls-files -z --cached --others --exclude-standard | xargs -0 cp --parents -t "$work/$dir/sumdart-$version"
  echo "==> building in $work/$dir"
  (cd "$work/$dir/sumdart-$version" && dpkg-buildpackage -b -us -uc -j"$(nproc 2>/dev/null || echo 2)" >../build.log 2>&1) ||
    { tail -30 "$work/$dir/build.log"; exit 1; }
  dpkg-deb -x "$work/$dir"/sumdart_"$version"_*.deb "$work/$dir/files"
  dpkg-deb -e "$work/$dir"/sumdart_"$version"_*.deb "$work/$dir/files/DEBIAN"
done
if ! diff -r "$work/one/files" "$work/second-build-folder/files"; then
  echo "reproducible: FAILED: the packages differ" >&2
  exit 1
fi
echo "reproducible: $(find "$work/one/files" -type f | wc -l) files the same in both packages"
# The archives themselves: the files' times, owners and order too.
listing() { dpkg-deb --fsys-tarfile "$1" | tar tv --full-time; }
if cmp -s "$work"/one/sumdart_"$version"_*.deb "$work/second-build-folder"/sumdart_"$version"_*.deb; then
  echo "reproducible: and the two .deb files are the same bytes"
else
  diff <(listing "$work"/one/sumdart_"$version"_*.deb) <(listing "$work/second-build-folder"/sumdart_"$version"_*.deb) >&2 || true
  echo "reproducible: FAILED: the .deb files differ as archives" >&2
  exit 1
fi
