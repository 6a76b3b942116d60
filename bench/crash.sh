#!/usr/bin/env bash
# Kills the program's file work many times over (by default 10,000 processes, half at a write
# step in turn, half at a random instant) and checks what each following start finds; prints the
# kills at each write step and which states the starts found.
#   bash bench/crash.sh [PROCESSES]
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/setup.sh
kirveno_install
cmake -S . -B build/crash -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKIRVENO_TESTS=ON
cmake --build build/crash --target test_crash crash_worker
# Qt Test stops a test function after five minutes unless told otherwise.
KIRVENO_CRASH_CYCLES=${1:-10000} QTEST_FUNCTION_TIMEOUT=86400000 QT_QPA_PLATFORM=offscreen \
    build/crash/tests/test_crash
