#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Sumdart developers <sumdart@users.noreply.github.com>
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds Sumdart (Release, in build/) and starts it.
# The program runs in build/bin, where the build puts its pictures (Images/),
# sounds (wav/) and "Sumdart Rules.doc".
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

bash scripts/deps.sh play

generator=()
if command -v ninja >/dev/null 2>&1; then
  generator=(-G Ninja)
fi
if [[ ! -f build/CMakeCache.txt ]]; then
  cmake -S . -B build "${generator[@]}" -DCMAKE_BUILD_TYPE=Release -DSUMDART_TESTS=OFF -DSUMDART_BENCH=OFF
else
  cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DSUMDART_TESTS=OFF -DSUMDART_BENCH=OFF
fi
cmake --build build -j "$(nproc)"

cd build/bin
exec ./sumdart "$@"
