#!/usr/bin/env bash
# Builds the program's libraries and its benchmarks optimised, in their own build directory (the
# benchmarks are off in a plain build), and prints the three comparisons with their ratios and
# targets (the program's start-up is measured as framed_quorvane, which adds the first-frame log):
#   1. start to the first frame of the splash against the first frame of a bare Qt program with a
#      menu bar and a few lines of text;
#   2. peak resident memory after the hand-over to the converter window against the same bare
#      program with one window of the converter window's size;
#   3. one Calculate press through the real converter window, and the conversion alone.
# 1 and 2 run on the offscreen platform, then on an X server (Xvfb) when xvfb-run is installed.
# Exits with 1 when a target is missed or a benchmark gives no result.
# Usage: bench/run.sh [RUNS [MEMORY_RUNS]]
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=${QUORVANE_BENCH_BUILD:-$root/build-bench}
runs=${1:-21}
memory_runs=${2:-5}
bin=$build/bin

cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DQUORVANE_WERROR=ON \
  -DQUORVANE_BENCHMARKS=ON -DBUILD_TESTING=OFF >/dev/null
cmake --build "$build" --target framed_quorvane bare_window launch_bench window_bench \
  conversion_bench >/dev/null

runtime_dir=$(mktemp -d)
trap 'rm -rf "$runtime_dir"' EXIT
export XDG_RUNTIME_DIR=$runtime_dir
missed=0

launch() {
  "$@" "$bin/launch_bench" "$bin/framed_quorvane" "$bin/bare_window" --runs="$runs" \
    --memory-runs="$memory_runs" || missed=1
}

echo "== start-up and memory"
QT_QPA_PLATFORM=offscreen launch env
if command -v xvfb-run >/dev/null; then
  QT_QPA_PLATFORM=xcb launch xvfb-run -a -s "-screen 0 1280x1024x24"
fi

# The median of five repetitions of each benchmark whose name matches, against a target in ns.
press() {
  local program=$1 filter=$2 target_ns=$3 csv
  csv=$(mktemp)
  QT_QPA_PLATFORM=offscreen "$bin/$program" --benchmark_filter="$filter" \
    --benchmark_repetitions=5 --benchmark_report_aggregates_only=true \
    --benchmark_out="$csv" --benchmark_out_format=csv >/dev/null 2>&1
  awk -F, -v target="$target_ns" '
    $1 ~ /_median"$/ {
      found = 1
      name = $1; gsub(/"|_median/, "", name)
      met = ($3 <= target || target == 0)
      label = target == 0 ? "(no target)" : sprintf("(target <= %.3f us) %s", target / 1000, met ? "met" : "MISSED")
      printf "%-40s %9.3f us  %s\n", name, $3 / 1000, label
      if (!met) missed = 1
    }
    END {
      if (!found) { print "no result from the benchmarks"; missed = 1 }
      exit missed
    }' "$csv" || missed=1
  rm -f "$csv"
}

echo "== one Calculate press (median of 5 repetitions, offscreen)"
press window_bench 'BM_WindowCalculate(RawRoad|FromPercentile|FromWechsler)$' 50000
press window_bench 'BM_WindowCalculateRawRoadRepainted' 0
press conversion_bench 'BM_Calculate' 1000
exit "$missed"
