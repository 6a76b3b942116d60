#!/usr/bin/env bash
# Builds Kirveno LT in Release, lays out its program folder in build/release/program (the data
# files there are never overwritten) and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/setup.sh
kirveno_install
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DKIRVENO_TESTS=OFF
cmake --build build/release
exec build/release/program/Kirveno
