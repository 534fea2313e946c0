#!/usr/bin/env bash
# Makes docs/screenshot.png: the editor on the bundled sample under a virtual
# display, with one area selected and shown in the property panel; and
# docs/screenshot-help.png: the help
# window opened from the Help menu at its contents. Needs xvfb-run, xdotool,
# xwd and ImageMagick (scripts/setup.sh installs them).
#   scripts/screenshot.sh [BUILD_DIR] [OUT] [OUT_HELP]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
out=${2:-docs/screenshot.png}
out_help=${3:-docs/screenshot-help.png}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export XDG_CONFIG_HOME="$work/config" XDG_CACHE_HOME="$work/cache" ZORVA="$build/zorva"
export SAMPLE="$PWD/samples/sample.zvf" OUT_FILE="$work/shot.png" OUT_HELP="$work/help.png"

xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
  set -euo pipefail
  "$ZORVA" "$SAMPLE" > /dev/null 2>&1 &
  pid=$!
  win=$(timeout 20 xdotool search --sync --onlyvisible --name "ZORVA" | head -1)
  sleep 1
  eval "$(xdotool getwindowgeometry --shell "$win")"
  # The picture starts below the bars and right of the tool box and rulers;
  # the orange rectangle of the sample has its left edge at picture x 30.
  xdotool mousemove $((X + 49 + 30)) $((Y + 74 + 120)) click 1
  sleep 0.5
  xdotool mousemove $((X + 49 + 300)) $((Y + 74 + 250))
  sleep 0.3
  xwd -root -silent | convert xwd:- -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$OUT_FILE"

  # Help, Contents (its menu and item mnemonics).
  xdotool key --window "$win" alt+h
  sleep 0.5
  xdotool key c
  help=$(timeout 20 xdotool search --sync --onlyvisible --name "ヘルプ" | head -1)
  sleep 1.5
  eval "$(xdotool getwindowgeometry --shell "$help")"
  xwd -root -silent | convert xwd:- -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$OUT_HELP"
  kill "$pid"
'
cp "$work/shot.png" "$out"
cp "$work/help.png" "$out_help"
echo "wrote $out and $out_help"
