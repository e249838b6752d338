#!/usr/bin/env bash
# Installs what is missing, builds, and runs the whole test suite through ctest.
# With --sanitize it builds into build-asan with AddressSanitizer and
# UndefinedBehaviorSanitizer and runs the suite there.
set -euo pipefail
cd "$(dirname "$0")/.."
if [ "${1:-}" = "--sanitize" ]; then
  export BUILD_DIR=build-asan CMAKE_EXTRA="-DDORVEX_SANITIZE=ON -DDORVEX_BUILD_BENCH=OFF"
  export ASAN_OPTIONS=detect_leaks=0:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
fi
BUILD_DIR=${BUILD_DIR:-build}
bash scripts/bootstrap.sh
export QT_QPA_PLATFORM=offscreen
cd "$BUILD_DIR"
ctest --output-on-failure -j"$(nproc)"
