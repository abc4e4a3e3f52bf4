#!/usr/bin/env bash
# Builds the fuzz programs with clang in their own build folder, replays each seed corpus, then
# fuzzes every program for the given number of seconds (default 60), all side by side. Prints one
# line per program and fails when any of them finds a crash or a broken property.
#   scripts/fuzz.sh [seconds]      e.g. scripts/fuzz.sh 3600 for a long session
# New inputs go to <build>/corpus/<name>, findings to <build>/findings/<name>, logs to <build>/logs.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-60}
build=${QUORVANE_FUZZ_BUILD:-build-fuzz}
targets=(property_list val format_str calculate)

cmake -S . -B "$build" -G Ninja -DQUORVANE_FUZZ=ON -DQUORVANE_WERROR=ON \
    -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" --parallel "$(nproc)"

export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}

# One line: what broke, on which input, and where the whole report is.
report_failure() {
    local name=$1 stage=$2 log=$3
    local cause input
    cause=$(grep -m1 -E 'property failed|ERROR: |runtime error' "$log" || echo "exit without a report")
    input=$(grep -o -E 'Test unit written to [^ ]+|^Running: [^ ]+' "$log" | tail -1 | awk '{print $NF}')
    echo "fuzz $name: FAILED $stage: $cause; input ${input:-unknown}; log $log"
}

# Runs one program: every seed once, then fuzzing from the seeds and what earlier runs kept.
fuzz_one() {
    local name=$1
    local program=$build/bin/fuzz_$name seeds=tests/fuzz/corpus/$name
    local log=$build/logs/$name.log findings=$build/findings/$name/
    mkdir -p "$build/corpus/$name" "$findings"
    if ! "$program" -runs=0 "$seeds"/* >"$log.replay" 2>&1; then
        report_failure "$name" "replaying the seeds" "$log.replay"
        return 1
    fi
    if ! "$program" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
        -artifact_prefix="$findings" "$build/corpus/$name" "$seeds" >"$log" 2>&1; then
        report_failure "$name" "fuzzing" "$log"
        return 1
    fi
    local runs
    runs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$')
    echo "fuzz $name: passed, $(ls "$seeds" | wc -l) seeds replayed, ${runs:-?} inputs in ${seconds} s"
}

mkdir -p "$build/logs"
pids=()
for name in "${targets[@]}"; do
    fuzz_one "$name" &
    pids+=($!)
done
failed=0
for pid in "${pids[@]}"; do
    wait "$pid" || failed=$((failed + 1))
done
echo "fuzz: $((${#pids[@]} - failed)) passed, $failed failed"
[ "$failed" -eq 0 ]
