#!/usr/bin/env bash
# Builds the Debian package of Sumdart for this machine:
#   bash scripts/package.sh
# a Release build in build-release/ (reused when it is there; the programs go
# to /usr/games), then CPack's DEB
# generator, which writes one file, dist/sumdart_VERSION_ARCH.deb. Install it
# with `apt-get install ./dist/sumdart_*.deb`.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
bash scripts/deps.sh
jobs=$(nproc 2>/dev/null || echo 2)
generator=()
if [[ ! -f build-release/CMakeCache.txt ]] && command -v ninja >/dev/null 2>&1; then generator=(-G Ninja); fi
# Debian keeps games in /usr/games.
cmake -S . -B build-release "${generator[@]}" -DCMAKE_BUILD_TYPE=Release -DSUMDART_TESTS=OFF -DSUMDART_BENCH=ON \
  -DCMAKE_INSTALL_BINDIR=games >/dev/null
cmake --build build-release -j "$jobs"
rm -rf dist
mkdir -p dist
(cd build-release && cpack -G DEB -B "$PWD/../dist" >/dev/null)
rm -rf dist/_CPack_Packages
ls dist/*.deb
