#!/usr/bin/env bash
# Installs what is missing, then builds and runs the whole test suite twice: once with
# warnings as errors, once under AddressSanitizer and UndefinedBehaviorSanitizer. The fuzz programs
# then replay their seeds and fuzz for a minute each. Last, the end-to-end stage drives the first
# build's program, alone on an idle machine.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh

jobs=$(nproc)
build_and_test() {
  local dir=$1
  shift
  cmake -S . -B "$dir" -G Ninja -DQUORVANE_WERROR=ON "$@"
  cmake --build "$dir" --parallel "$jobs"
  ctest --test-dir "$dir" --output-on-failure --parallel "$jobs" --label-exclude e2e
}

build_and_test build
build_and_test build-asan -DQUORVANE_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug -DQUORVANE_BENCHMARKS=OFF
scripts/fuzz.sh
ctest --test-dir build --output-on-failure --label-regex e2e
