#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Sumdart developers <sumdart@users.noreply.github.com>
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package of Sumdart for this machine, as a distribution
# does, from debian/ with dpkg-buildpackage and debhelper:
#   bash scripts/package.sh
# The tree is copied to build-deb/sumdart-VERSION/ (so the checkout stays
# clean), built there with dpkg-buildflags' hardening flags, and the package
# is written to dist/sumdart_VERSION_ARCH.deb. Install it with
# `apt-get install ./dist/sumdart_*.deb`. The build folder is
# build-deb/sumdart-VERSION/obj-ARCH (see the test command's package check).
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
bash scripts/deps.sh package
version=$(dpkg-parsechangelog -S Version)
work=build-deb/sumdart-$version
rm -rf build-deb dist
mkdir -p "$work" dist
# What git knows of, as a fresh clone would have it.
git ls-files -z --cached --others --exclude-standard | xargs -0 cp --parents -t "$work"
(cd "$work" && dpkg-buildpackage -b -us -uc -j"$(nproc 2>/dev/null || echo 2)" >../build.log 2>&1) ||
  { tail -40 build-deb/build.log; exit 1; }
! grep -n 'warning:' build-deb/build.log || { echo "package: the build warns" >&2; exit 1; }
cp build-deb/sumdart_"$version"_*.deb dist/
ls dist/*.deb
