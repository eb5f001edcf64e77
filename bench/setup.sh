# SPDX-FileCopyrightText: 2026 Sumdart developers <sumdart@users.noreply.github.com>
# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the benchmarks: bench_setup NAME BUILD_DIR TOOL... checks that
# BUILD_DIR/bin holds each TOOL, then loads the end-to-end driver with a
# scratch folder `out` that goes, with the display, when the script ends.
bench_setup() {
  local name=$1 build=$2 tool
  shift 2
  for tool in "$@"; do
    [[ -x $build/bin/$tool ]] || { echo "$name: $build/bin/$tool is missing (build $build with -DSUMDART_BENCH=ON)" >&2; exit 1; }
  done
  out=$(mktemp -d)
  source tests/e2e/driver.sh
  need_tools
  trap 'cleanup; rm -rf "$out"' EXIT
}
