#!/usr/bin/env bash
# Builds the benchmarks in Release and prints their figures:
#   start-up of the program against a bare Qt window and a window with one label, each to its
#   first paint, and against a bare window as large as the board, for what the size costs
#   (medians of alternating process starts: wall time, processor time, peak resident memory,
#   and the ratios); one clock tick over 30 open tables; the idle board's processor use; and
#   closing a table against large ledgers.
# The windows run under Xvfb, as on a desktop.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/setup.sh
kirveno_install xvfb xauth python3
cmake -S . -B build/bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DKIRVENO_TESTS=OFF -DKIRVENO_BENCH=ON
cmake --build build/bench
exec xvfb-run -a -s "-screen 0 1024x768x24" python3 bench/measure.py build/bench
