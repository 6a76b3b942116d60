#!/usr/bin/env bash
# Builds Kirveno LT with its tests and runs them all through ctest. With KIRVENO_SANITIZE=1 the
# build uses AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/setup.sh
# X servers of their own for the single-instance test; pdftotext reads the printed receipts back
kirveno_install xvfb poppler-utils
sanitize=${KIRVENO_SANITIZE:-0}
build=build/test
[ "$sanitize" = 1 ] && build=build/test-sanitize
sanitize_flag=OFF
[ "$sanitize" = 1 ] && sanitize_flag=ON
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DKIRVENO_SANITIZE="$sanitize_flag"
cmake --build "$build"
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1}
export LSAN_OPTIONS=${LSAN_OPTIONS:-suppressions=$PWD/tests/lsan.supp}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
ctest --test-dir "$build" --output-on-failure
