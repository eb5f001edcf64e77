#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Sumdart developers <sumdart@users.noreply.github.com>
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package twice, in two folders of different names, and
# checks that the two packages hold the same files byte for byte, as Debian's
# reproducible-builds checks do:
#   bash scripts/reproducible.sh
# About twice as long as scripts/package.sh; the test command checks the
# generated files the same way (tests/install/reproducible.sh) but not this.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
bash scripts/deps.sh package
version=$(dpkg-parsechangelog -S Version)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for dir in one second-build-folder; do
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
