#!/usr/bin/env bash
# Installs what is missing, builds Quorvane and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh

cmake -S . -B build -G Ninja
cmake --build build --parallel "$(nproc)"

program=build/bin/quorvane
if [ ! -x "$program" ]; then
  echo "Built the conversion engine; the program's windows are not there yet, so there is nothing to start." >&2
  exit 1
fi
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "No display to open Quorvane's windows on; to try it anyway, run: xvfb-run -a $program" >&2
  exit 1
fi
exec "$program"
