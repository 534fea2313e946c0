#!/usr/bin/env bash
# Remakes docs/screenshot-responsive.png: the sample project written as a
# responsive page (zorva-cli convert --map svg --hover on), shown by headless
# Chromium 320 px wide, at the picture's own 480 px, and at 960 px (twice its
# size, by CSS), with the keyboard's focus on one area and the pointer over
# another. Needs chromium and ImageMagick (scripts/setup.sh installs both).
#   scripts/screenshot_responsive.sh [BUILD_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
shots=$(mktemp -d)
trap 'rm -rf "$shots"' EXIT
python3 tests/browser/check_svg_map.py "$build/zorva-cli" samples/sample.jpg \
  --screenshots samples/sample.zvf "$shots"
montage -pointsize 14 -background white -geometry +8+8 -tile 3x1 \
  -label "320 px" "$shots/responsive-320.png" \
  -label "480 px (the picture's own size)" "$shots/responsive-480.png" \
  -label "960 px (CSS: twice its size)" "$shots/responsive-960.png" \
  docs/screenshot-responsive.png
echo "docs/screenshot-responsive.png"
