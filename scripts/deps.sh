#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Sumdart developers <sumdart@users.noreply.github.com>
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs, with apt-get, whatever Sumdart needs that is not installed yet.
# Does nothing (and needs no network) when all is there.
#   deps.sh          everything: to build, test and run both editions
#   deps.sh play     to build and run the desktop edition
#   deps.sh web      to build the browser edition (scripts/web.sh)
#   deps.sh package  to build the Debian package (scripts/package.sh)
set -euo pipefail

want=${1:-all}
play=(
  # compiler and build tools
  build-essential cmake ninja-build pkg-config
  # Qt 6 Widgets (qt6-base-dev brings the GL and Vulkan headers its CMake
  # files look for, and the xcb platform plugin)
  qt6-base-dev qt6-qpa-plugins libgl-dev libvulkan-dev
  # translations: lupdate and lrelease, their CMake functions, and Qt's own
  # texts in other languages
  qt6-l10n-tools qt6-tools-dev qt6-translations-l10n
  # sound: the desktop's sound server, reached through libpulse-simple
  libpulse0
  # fonts the windows are laid out for
  fontconfig fonts-liberation fonts-dejavu-core fonts-dejavu-extra
)
# The browser edition: Emscripten (with Debian's Node.js), and the fonts cut
# down to what the game's languages need.
web=(emscripten nodejs python3 python3-fonttools python3-brotli)
# The Debian package, built with debhelper, and lintian to check it.
package=(debhelper dpkg-dev lintian)
# Every test: the browser edition's in Debian's Chromium, driven through npm's
# playwright-core.
tests=(
  chromium
  # tests and benchmarks
  libgtest-dev libgmock-dev libbenchmark-dev
  # start-up benchmark: a stopwatch that watches the X display
  libxcb1-dev
  # end-to-end test: a virtual X display, clicks and screenshots
  xvfb xdotool imagemagick x11-utils
  # the screen reader test: Orca itself, speech-dispatcher (its text goes to a
  # file), the accessibility bus, a window manager and a private D-Bus session
  orca speech-dispatcher at-spi2-core python3-pyatspi openbox dbus-daemon
  # worksheet test: the text of a PDF
  poppler-utils
  # install test: the menu entry and its metadata
  desktop-file-utils appstream
)

case $want in
  all) packages=("${play[@]}" "${web[@]}" "${package[@]}" "${tests[@]}") ;;
  package) packages=("${play[@]}" "${package[@]}") ;;
  play) packages=("${play[@]}") ;;
  web) packages=("${play[@]}" "${web[@]}") ;;
  *) echo "usage: $0 [play|web|package]" >&2; exit 2 ;;
esac
# npm comes with some Node.js builds and is Debian's own package with others.
if [[ $want == all ]] && ! command -v npm >/dev/null 2>&1; then
  packages+=(npm)
fi

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${db:Status-Abbrev}' "$p" 2>/dev/null || true)
  if [[ "$status" != ii* ]]; then
    missing+=("$p")
  fi
done

if ((${#missing[@]} == 0)); then
  echo "deps: everything needed is installed"
  exit 0
fi

echo "deps: installing ${missing[*]}"
if [[ $(id -u) -eq 0 ]]; then
  as_root=()
elif command -v sudo >/dev/null 2>&1; then
  as_root=(sudo)
else
  echo "deps: these packages are missing and neither root nor sudo is available: ${missing[*]}" >&2
  exit 1
fi

export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -q
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
