#!/usr/bin/env bash
# Renders the program's pictures from the SVG sources beside this script into resources/, and the
# 48-pixel icon that the desktop's icon theme asks for besides (the program itself reads only the
# 64-pixel one) into resources/icons/. Only needed to re-make the pictures after changing a
# source: the build uses the committed PNGs.
# Needs rsvg-convert (Debian package librsvg2-bin) and the fonts of fonts-liberation.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
for source in "$here"/*.svg; do
  name=$(basename "$source" .svg)
  rsvg-convert --format=png --output="$here/../$name.png" "$source"
done
rsvg-convert --format=png --width=48 --height=48 --output="$here/../icons/Icon48.png" \
  "$here/Icon64.svg"
