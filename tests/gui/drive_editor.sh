#!/usr/bin/env bash
# Drives the real editor on a virtual display with real mouse and key events:
# opens a picture, draws a rectangle with the tool key 1 and a drag, saves it
# with Ctrl+Shift+S through the file dialog, and checks that the saved project
# holds exactly that rectangle.
#   drive_editor.sh ZORVA ZORVA_CLI PICTURE [SCREENSHOT]
set -euo pipefail
zorva=$1 cli=$2 picture=$3 shot=${4:-}

for tool in xvfb-run xdotool; do
  command -v "$tool" > /dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$picture" "$work/pic.jpg"
export XDG_CONFIG_HOME="$work/config" WORK="$work" ZORVA="$zorva" SHOT="$shot"

xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
  set -euo pipefail
  "$ZORVA" "$WORK/pic.jpg" > "$WORK/zorva.log" 2>&1 &
  pid=$!
  win=$(timeout 20 xdotool search --sync --onlyvisible --name "ZORVA" | head -1)
  sleep 1
  eval "$(xdotool getwindowgeometry --shell "$win")"
  # A point well inside the picture, whatever the bars around the view take.
  x0=$((X + 200)) y0=$((Y + 180))
  xdotool mousemove "$x0" "$y0" click 1
  xdotool key 1
  sleep 0.3
  xdotool mousemove "$x0" "$y0" mousedown 1
  xdotool mousemove $((x0 + 40)) $((y0 + 30)) mousemove $((x0 + 100)) $((y0 + 70))
  xdotool mouseup 1
  sleep 0.3
  if [ -n "$SHOT" ]; then xwd -root -silent | convert xwd:- "$SHOT"; fi
  xdotool key ctrl+shift+s
  sleep 1.5
  xdotool type --delay 20 "$WORK/out.zvf"
  xdotool key Return
  for i in $(seq 50); do [ -s "$WORK/out.zvf" ] && break; sleep 0.2; done
  sleep 0.5
  xdotool key ctrl+q
  for i in $(seq 50); do kill -0 "$pid" 2> /dev/null || break; sleep 0.2; done
  kill "$pid" 2> /dev/null || true
'

[ -s "$work/out.zvf" ] || { echo "FAIL: nothing was saved"; cat "$work/zorva.log"; exit 1; }
dump=$("$cli" dump "$work/out.zvf")
# Exactly one area, a rectangle of the dragged size (100 x 70 at 100 %).
python3 - "$dump" << 'PY'
import json, sys
doc = json.loads(sys.argv[1])
areas = doc["areas"]
assert len(areas) == 1, f"expected one area, found {len(areas)}"
a = areas[0]
(x0, y0), (x1, y1) = a["points"]
assert a["type"] == 0 and a["closed"], a
assert (abs(x1 - x0), abs(y1 - y0)) == (100, 70), a["points"]
print("PASS: saved", a["points"])
PY
