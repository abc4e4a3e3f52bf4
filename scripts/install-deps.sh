#!/usr/bin/env bash
# Installs the Debian 12 ("bookworm") packages that building, running, installing and packaging
# Quorvane need, and with --tests those that testing needs too, only those that are missing, so a
# second run costs one dpkg query.
#   scripts/install-deps.sh [--tests]
set -euo pipefail

# dpkg-dev (in build-essential) and file read the libraries the program links, for its package.
packages=(
  build-essential cmake ninja-build pkg-config file
  qt6-base-dev qt6-base-dev-tools libgl-dev
  fonts-dejavu-core fonts-liberation
)
if [ "${1:-}" = --tests ]; then
  packages+=(
    libgtest-dev libgmock-dev googletest libbenchmark-dev
    clang libclang-rt-14-dev
    xvfb xauth openbox xdotool xclip wmctrl x11-utils imagemagick
    poppler-utils
    desktop-file-utils lintian
  )
fi

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$package")
  fi
done

if [ "${#missing[@]}" -eq 0 ]; then
  exit 0
fi

command=(apt-get install -y --no-install-recommends "${missing[@]}")
if [ "$(id -u)" -ne 0 ]; then
  echo "Missing packages: ${missing[*]}" >&2
  echo "Run as root:  apt-get update && ${command[*]}" >&2
  exit 1
fi

export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
"${command[@]}"
