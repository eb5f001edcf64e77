#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Sumdart developers <sumdart@users.noreply.github.com>
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, checks the code's shape (scripts/checks.py), then
# builds and runs every test twice:
#   build-test/     warnings as errors, with the install check, the
#                   end-to-end test of the installed program under Xvfb and
#                   a game played by keys with the Orca screen reader
#   build-web/      the browser edition (scripts/web.sh), played in Debian's
#                   Chromium through playwright-core (tests/web), and heard
#                   by Orca in Chromium
#   build-asan/     the same unit suite under AddressSanitizer and
#                   UndefinedBehaviorSanitizer
# then builds the Debian package as a distribution does (dpkg-buildpackage,
# in build-deb/) and checks it, and finally runs the benchmarks briefly so they
# keep working: the judge, the start-up time of the package's build against a
# bare Qt window,
# the processor time of the dice roll at zoom 1 and 2, and the browser
# edition's bytes, start and roll on a processor slowed four times.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

jobs=$(nproc 2>/dev/null || echo 2)
generator=()

phase_start=0
phase() {
  phase_start=$SECONDS
  echo
  echo "==> $*"
}
phase_done() {
  echo "==> done in $((SECONDS - phase_start)) s"
}

phase "dependencies"
bash scripts/deps.sh
phase_done
if command -v ninja >/dev/null 2>&1; then
  generator=(-G Ninja)
fi

# configure DIR OPTIONS...: configures DIR, choosing the generator only the
# first time (CMake refuses to change it afterwards).
configure() {
  local dir=$1
  shift
  if [[ -f $dir/CMakeCache.txt ]]; then
    cmake -S . -B "$dir" "$@"
  else
    cmake -S . -B "$dir" "${generator[@]}" "$@"
  fi
}

# Sanitized programs carry their own default options (tools/sanitizer_defaults.cpp),
# among them intercept_tls_get_addr=0, without which LeakSanitizer's check at
# exit can crash on some machines. The option is also added here after whatever
# the caller set, so it shows in the log and a caller's ASAN_OPTIONS adds to it
# instead of dropping it.
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}intercept_tls_get_addr=0"
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}

phase "the code's shape (scripts/checks.py)"
python3 scripts/checks.py
phase_done

phase "build-test: configure and build (warnings are errors)"
configure build-test -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSUMDART_WERROR=ON
cmake --build build-test -j "$jobs"
phase_done

phase "build-test: tests"
ctest --test-dir build-test --output-on-failure -j "$jobs"
phase_done

phase "the browser edition: built into build-web/site and played in Chromium"
bash scripts/web.sh --build-only --native build-test
npm ci --no-audit --no-fund --loglevel=error
SUMDART_SOLVE=build-test/bin/sumdart-solve node --test tests/web/
# The site heard by Orca in Chromium, played by keys (77: a tool is missing).
bash tests/orca/run_orca_web.sh build-web/site build-web/orca || (($? == 77))
phase_done

phase "build-asan: configure and build (AddressSanitizer, UndefinedBehaviorSanitizer)"
echo "ASAN_OPTIONS=$ASAN_OPTIONS"
configure build-asan -DCMAKE_BUILD_TYPE=Debug -DSUMDART_WERROR=ON -DSUMDART_SANITIZE=ON -DSUMDART_BENCH=OFF
cmake --build build-asan -j "$jobs"
phase_done

phase "build-asan: tests"
ctest --test-dir build-asan --output-on-failure -j "$jobs"
phase_done

phase "the Debian package, built by dpkg-buildpackage in build-deb/ (with the benchmarks' programs)"
SUMDART_BENCH=ON bash scripts/package.sh
release=$(echo build-deb/sumdart-*/obj-*)
bash tests/install/check_package.sh dist/sumdart_*.deb "$release"
# Built once more in another folder, the package is the same bytes.
bash scripts/reproducible.sh dist/sumdart_*.deb
phase_done

phase "benchmarks (brief run)"
if [[ -x build-test/bin/sumdart-bench ]]; then
  build-test/bin/sumdart-bench --benchmark_min_time=0.05
fi
bash bench/startup.sh 5 "$release"
bash bench/roll.sh 2 "$release"
node bench/web.mjs 1
phase_done

echo
echo "All tests passed in $SECONDS s."
