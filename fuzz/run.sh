#!/usr/bin/env bash
# Builds the fuzz targets in build/fuzz and runs each of them for SECONDS (default 60).
#   bash fuzz/run.sh [SECONDS]
# The inputs under fuzz/regressions/<target>/ run first and must not crash. Each target then
# fuzzes a copy of its seeds, kept in build/fuzz/corpus/<target> so that later runs start from
# what earlier runs found; crashes go to build/fuzz/artifacts/<target>/, logs to
# build/fuzz/logs/<target>.log.
set -euo pipefail

duration=${1:-60}
if ! [[ $duration =~ ^[0-9]+$ ]] || ((duration == 0)); then
    echo "usage: $0 [SECONDS]" >&2
    exit 2
fi

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
build=build/fuzz
targets=(fuzz_linefile fuzz_settings fuzz_tablestate fuzz_language fuzz_ledgers fuzz_journal
         fuzz_loans fuzz_reports fuzz_archive fuzz_languagefolder)

# Clang and its fuzzer runtime.
missing=()
command -v clang >/dev/null 2>&1 && command -v clang++ >/dev/null 2>&1 || missing+=(clang)
dpkg-query -W -f='${Status}' libclang-rt-14-dev 2>/dev/null | grep -q 'install ok installed' \
    || missing+=(libclang-rt-14-dev)
if ((${#missing[@]})); then
    echo "Installing ${missing[*]}"
    sudo=()
    ((EUID == 0)) || sudo=(sudo)
    "${sudo[@]}" apt-get update
    "${sudo[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
fi

CC=clang CXX=clang++ cmake -S . -B "$build" -DKIRVENO_FUZZ=ON -DKIRVENO_TESTS=OFF \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo -G Ninja >/dev/null
ninja -C "$build" "${targets[@]}"

export ASAN_OPTIONS=${ASAN_OPTIONS:-abort_on_error=1:detect_leaks=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
# The language and ledger targets write their files into a temporary folder for every input;
# in memory that costs far less than on a disk that syncs saved files.
if [[ -z ${TMPDIR:-} && -d /dev/shm && -w /dev/shm ]]; then
    export TMPDIR=/dev/shm
fi

mkdir -p "$build/logs"
failed=0
summary=()
for target in "${targets[@]}"; do
    binary=$build/fuzz/$target
    log=$build/logs/$target.log
    corpus=$build/corpus/$target
    artifacts=$build/artifacts/$target
    : >"$log"

    # Inputs that once crashed.
    regressions=()
    if [[ -d fuzz/regressions/$target ]]; then
        while IFS= read -r -d '' file; do
            regressions+=("$file")
        done < <(find "fuzz/regressions/$target" -type f -print0 | sort -z)
    fi
    if ((${#regressions[@]})); then
        echo "== $target: ${#regressions[@]} regression input(s)"
        if ! "$binary" "${regressions[@]}" >>"$log" 2>&1; then
            summary+=("$target: REGRESSION INPUT CRASHES, see $log")
            failed=1
            continue
        fi
    fi

    echo "== $target: fuzzing for ${duration}s"
    mkdir -p "$corpus"
    cp fuzz/corpus/"$target"/* "$corpus"/
    rm -rf "$artifacts"
    mkdir -p "$artifacts"
    status=0
    "$binary" "$corpus" -max_total_time="$duration" -print_final_stats=1 -timeout=10 \
        -dict=fuzz/kirveno.dict -artifact_prefix="$artifacts/" >>"$log" 2>&1 || status=$?

    executions=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
    files=$(find "$corpus" -type f | wc -l)
    found=$(find "$artifacts" -type f | sort | tr '\n' ' ')
    line="$target: ${executions:-?} executions, corpus $files files"
    if [[ -n $found ]]; then
        line+=", FOUND ${found% }"
        failed=1
    elif ((status != 0)); then
        line+=", fuzzer ended with status $status, see $log"
        failed=1
    else
        line+=", nothing found"
    fi
    summary+=("$line")
done

echo
printf '%s\n' "${summary[@]}"
exit "$failed"
