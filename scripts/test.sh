#!/usr/bin/env bash
# Installs what is missing, then builds and runs every test twice:
#   build-test/  warnings as errors, with the end-to-end test under Xvfb
#   build-asan/  the same suite under AddressSanitizer and
#                UndefinedBehaviorSanitizer
# and finally runs the benchmarks briefly so they keep working.
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

# The sanitizers stop at the first error. Test programs (also when the build
# lists their tests) inherit these settings. Leaks are checked, except for
# those inside Qt Multimedia (scripts/lsan.supp); full stacks on allocation
# let the suppression see which library an allocation came from.
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_stack_use_after_return=1:fast_unwind_on_malloc=0}
lsan_supp="'$PWD/scripts/lsan.supp'"
export LSAN_OPTIONS=${LSAN_OPTIONS:-suppressions=$lsan_supp:print_suppressions=0}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}

phase "build-test: configure and build (warnings are errors)"
configure build-test -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSUMDART_WERROR=ON
cmake --build build-test -j "$jobs"
phase_done

phase "build-test: tests"
ctest --test-dir build-test --output-on-failure -j "$jobs"
phase_done

phase "build-asan: configure and build (AddressSanitizer, UndefinedBehaviorSanitizer)"
configure build-asan -DCMAKE_BUILD_TYPE=Debug -DSUMDART_WERROR=ON -DSUMDART_SANITIZE=ON -DSUMDART_BENCH=OFF
cmake --build build-asan -j "$jobs"
phase_done

phase "build-asan: tests"
ctest --test-dir build-asan --output-on-failure -j "$jobs"
phase_done

if [[ -x build-test/bin/sumdart-bench ]]; then
  phase "benchmarks (brief run)"
  build-test/bin/sumdart-bench --benchmark_min_time=0.05
  phase_done
fi

echo
echo "All tests passed in $SECONDS s."
