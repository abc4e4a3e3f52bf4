#!/usr/bin/env bash
# Installs what building and running need and is missing (no test tool), builds Quorvane and
# starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh

cmake -S . -B build -G Ninja
cmake --build build --parallel "$(nproc)" --target quorvane

program=build/bin/quorvane
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "No display to show Quorvane's windows on; to try it anyway on a virtual one, run:" \
    "xvfb-run -a $program (xvfb-run is in Debian's package xvfb)" >&2
  exit 1
fi
exec "$program"
