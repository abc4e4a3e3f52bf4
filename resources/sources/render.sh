#!/usr/bin/env bash
# Renders the program's pictures from the SVG sources beside this script into resources/.
# Only needed to re-make the pictures after changing a source: the build uses the committed PNGs.
# Needs rsvg-convert (Debian package librsvg2-bin) and the fonts of fonts-liberation.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
for source in "$here"/*.svg; do
  name=$(basename "$source" .svg)
  rsvg-convert --format=png --output="$here/../$name.png" "$source"
done
