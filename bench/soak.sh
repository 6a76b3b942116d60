#!/usr/bin/env bash
# A soak run of 24 simulated hours (bench/soak.cpp), three times:
#   - in Release, the build a café runs, for resident memory;
#   - with AddressSanitizer, UndefinedBehaviorSanitizer and LeakSanitizer, for faults and leaks;
#     its resident memory is not judged: the quarantine holds freed memory back on purpose and
#     every new allocation stack is kept for the reports;
#   - with AddressSanitizer again, without that bookkeeping of its own, for resident memory.
# Every run checks the ledgers. Exits non-zero when any run fails.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/setup.sh
kirveno_install

export QT_QPA_PLATFORM=offscreen LANG=C.UTF-8 LC_ALL=C.UTF-8 TZ=UTC

cmake -S . -B build/bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DKIRVENO_TESTS=OFF \
    -DKIRVENO_BENCH=ON >/dev/null
cmake --build build/bench --target bench_soak
cmake -S . -B build/soak-asan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKIRVENO_TESTS=OFF \
    -DKIRVENO_BENCH=ON -DKIRVENO_SANITIZE=ON >/dev/null
cmake --build build/soak-asan --target bench_soak

status=0
echo "== Release: memory and ledgers"
build/bench/bench/bench_soak "$@" || status=1

echo "== AddressSanitizer: faults, leaks and ledgers"
ASAN_OPTIONS=detect_leaks=1 \
LSAN_OPTIONS=suppressions=$PWD/tests/lsan.supp \
UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    build/soak-asan/bench/bench_soak --no-memory-check "$@" || status=1

echo "== AddressSanitizer without quarantine and allocation stacks: memory"
ASAN_OPTIONS=detect_leaks=1:quarantine_size_mb=0:thread_local_quarantine_size_kb=0:malloc_context_size=0 \
LSAN_OPTIONS=suppressions=$PWD/tests/lsan.supp \
    build/soak-asan/bench/bench_soak "$@" || status=1

if [ "$status" = 0 ]; then echo "SOAK PASS"; else echo "SOAK FAIL"; fi
exit "$status"
