#!/usr/bin/env bash
# The trace tool in the real editor on a virtual display, with real mouse and
# key events: a map of coloured cells opens, key 8 chooses the tool, a press
# inside a cell and a drag to the right (the tolerance rising) show the
# outline (the screenshot is taken while the button is held), the release
# adds the polygon; Ctrl+S saves it, Ctrl+Z takes it away and Ctrl+S saves
# that. The saved polygon must be the one zorva-cli trace gives for the cell.
#   drive_trace.sh ZORVA ZORVA_CLI [SCREENSHOT]
set -euo pipefail
zorva=$1 cli=$2 shot=${3:-}
here=$(cd "$(dirname "$0")" && pwd)

for tool in xvfb-run xdotool openbox xwd convert; do
  command -v "$tool" > /dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done
/usr/bin/python3 -c "import cv2" 2> /dev/null || { echo "SKIP: python3-opencv is not installed"; exit 77; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# The 30-cell map of the trace suite, 480 x 360.
/usr/bin/python3 - "$here/../trace" "$work/map.png" << 'PY'
import sys
sys.path.insert(0, sys.argv[1])
import check_trace as ct, cv2
rgb, _, _, _ = ct.cell_map(480, 360)
cv2.imwrite(sys.argv[2], cv2.cvtColor(rgb, cv2.COLOR_RGB2BGR))
PY
export XDG_CONFIG_HOME="$work/config" WORK="$work" ZORVA="$zorva" SHOT="$shot"

xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
  set -euo pipefail
  openbox > /dev/null 2>&1 &
  sleep 1
  "$ZORVA" "$WORK/map.png" > "$WORK/zorva.log" 2>&1 &
  pid=$!
  win=$(timeout 20 xdotool search --sync --onlyvisible --name "ZORVA" | head -1)
  sleep 1
  eval "$(xdotool getwindowgeometry --shell "$win")"
  # A point well inside the picture, whatever the bars around the view take.
  x0=$((X + 200)) y0=$((Y + 180))
  xdotool mousemove "$x0" "$y0"
  xdotool key 8
  sleep 0.3
  xdotool mousedown 1
  xdotool mousemove $((x0 + 10)) "$y0" mousemove $((x0 + 30)) "$y0"
  sleep 0.5
  if [ -n "$SHOT" ]; then xwd -root -silent | convert xwd:- "$SHOT"; fi
  xdotool mouseup 1
  sleep 0.3
  xdotool key ctrl+s
  sleep 1.5
  xdotool type --delay 20 "$WORK/out.zvf"
  xdotool key Return
  for i in $(seq 50); do [ -s "$WORK/out.zvf" ] && break; sleep 0.2; done
  sleep 0.5
  cp "$WORK/out.zvf" "$WORK/traced.zvf"
  touch -d "-2 seconds" "$WORK/out.zvf" "$WORK/traced.zvf"
  xdotool key ctrl+z
  sleep 0.3
  xdotool key ctrl+s
  for i in $(seq 50); do [ "$WORK/out.zvf" -nt "$WORK/traced.zvf" ] && break; sleep 0.2; done
  sleep 0.3
  xdotool key ctrl+q
  for i in $(seq 50); do kill -0 "$pid" 2> /dev/null || break; sleep 0.2; done
  kill "$pid" 2> /dev/null || true
'

[ -s "$work/traced.zvf" ] || { echo "FAIL: nothing was saved"; cat "$work/zorva.log"; exit 1; }
/usr/bin/python3 - "$cli" "$work" "$here/../trace" << 'PY'
import json, subprocess, sys
cli, work = sys.argv[1], sys.argv[2]
sys.path.insert(0, sys.argv[3])
import check_trace as ct
import cv2
import numpy as np

def dump(path):
    return json.loads(subprocess.run([cli, 'dump', path], capture_output=True, text=True, check=True).stdout)

traced = dump(f'{work}/traced.zvf')['areas']
assert len(traced) == 1, f'expected one area after the release, found {traced}'
area = traced[0]
assert area['type'] == 2 and area['closed'], area
points = np.array(area['points'], dtype=np.float64)
# The cell the polygon covers: its innermost pixel, traced by zorva-cli.
inside = ct.rasterise(points, 480, 360)
x, y = ct.inner_point(inside)
expected = ct.trace(cli, f'{work}/map.png', x, y).tolist()
assert area['points'] == expected, f'saved {area["points"]}, zorva-cli trace gives {expected}'
after = dump(f'{work}/out.zvf')['areas']
assert after == [], f'Ctrl+Z left {after}'
print(f'PASS: the traced cell ({len(expected)} vertices, {np.count_nonzero(inside)} pixels) was saved; Ctrl+Z took it away')
PY
