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
# The leak checker of Debian 12's compiler misreads the thread-local blocks of a library loaded
# while the program runs (libjpeg, behind Qt's JPEG reader) and crashes at exit; without its own
# watch on them, it still reaches those blocks through the C library's table of them.
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:intercept_tls_get_addr=0}
export LSAN_OPTIONS=${LSAN_OPTIONS:-suppressions=$PWD/tests/lsan.supp}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
ctest --test-dir "$build" --output-on-failure
