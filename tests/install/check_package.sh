#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Sumdart developers <sumdart@users.noreply.github.com>
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks the Debian package against the install:
#   check_package.sh PACKAGE.deb BUILD_DIR
# BUILD_DIR is the build the package was made from; its `cmake --install` is
# the list of files the package must hold.
# The package must hold the same files under /usr, depend on run-time packages
# only (the Qt libraries found from the programs, the X11 platform plugin and
# the fonts), recommend libpulse0 and Qt's translations, carry the version both programs print, pass
# the install check once unpacked, and give lintian no error, no warning and no hardening tag.
set -euo pipefail
deb=${1:?usage: check_package.sh PACKAGE.deb BUILD_DIR}
build=${2:?usage: check_package.sh PACKAGE.deb BUILD_DIR}
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
fail() { echo "package: FAILED: $*" >&2; exit 1; }

unpacked=$(mktemp -d)
prefix=$(mktemp -d)
trap 'rm -rf "$unpacked" "$prefix"' EXIT
dpkg-deb -x "$deb" "$unpacked"
cmake --install "$build" --prefix "$prefix" >/dev/null

# The same files as the install.
diff <(cd "$unpacked/usr" && find . -type f | sort) <(cd "$prefix" && find . -type f | sort) >&2 ||
  fail "the package and the install differ (< package, > install)"

# Run-time dependencies only.
depends=$(dpkg-deb -f "$deb" Depends)
for needed in libqt6widgets6 libqt6gui6 qt6-qpa-plugins fonts-liberation fonts-dejavu-core fonts-dejavu-extra; do
  grep -Eq "(^|, )$needed( |,|$)" <<<"$depends" || fail "Depends lacks $needed: $depends"
done
! grep -Eq -- '-dev( |,|$)' <<<"$depends" || fail "Depends names a development package: $depends"
[[ $(dpkg-deb -f "$deb" Recommends) == "libpulse0, qt6-translations-l10n" ]] || fail "Recommends is not libpulse0 and Qt's translations"

version=$(dpkg-deb -f "$deb" Version)
# The version inside is the one the programs print, with their licence.
for program in "sumdart-solve:sumdart-solve" "sumdart:Sumdart"; do
  said=$(QT_QPA_PLATFORM=offscreen "$unpacked/usr/games/${program%%:*}" --version 2>/dev/null)
  [[ $(head -1 <<<"$said") == "${program#*:} $version" ]] || fail "${program%%:*} --version does not say $version"
  grep -q "GNU GPL version 3 or later" <<<"$said" || fail "${program%%:*} --version does not name its licence"
done

bash "$here/check_install.sh" - "$unpacked/usr" >/dev/null || fail "the unpacked package fails the install check"

# Lintian: no error, no warning, and no hardening tag even among the notes
# (a binary built without FORTIFY, RELRO or BIND_NOW is only an "I:" note).
found=$(lintian --display-info --tag-display-limit 0 "$deb" 2>&1 | grep -v 'root privileges is not recommended') || true
[[ -z $found ]] || echo "$found"
! grep -Eq '^[EW]: ' <<<"$found" || fail "lintian reports an error or a warning"
! grep -q 'hardening-' <<<"$found" || fail "lintian finds a binary not hardened"
echo "package: $(basename "$deb"): $(dpkg-deb -c "$deb" | grep -c '^-') files, Depends: $depends"
