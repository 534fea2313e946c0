#!/usr/bin/env bash
# Drives the real editor on a virtual display with real mouse and key events:
# opens a picture, draws a rectangle with the tool key 1 and a drag; chooses
# the line tool (4) and saves with Ctrl+S through the file dialog, after which
# a drag must draw a line (Ctrl was let go inside the dialog); tries Save As
# into a folder nobody can write to, which must leave the name, the title and
# the recent files alone, so that the next Ctrl+S writes the first file again.
#   drive_editor.sh ZORVA ZORVA_CLI PICTURE [SCREENSHOT]
set -euo pipefail
zorva=$1 cli=$2 picture=$3 shot=${4:-}

for tool in xvfb-run xdotool openbox; do
  command -v "$tool" > /dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$picture" "$work/pic.jpg"
export XDG_CONFIG_HOME="$work/config" WORK="$work" ZORVA="$zorva" SHOT="$shot"

xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
  set -euo pipefail
  # A window manager gives a window back its focus when a dialog closes, as
  # on a desktop; without one the shortcuts after a message box go nowhere.
  openbox > /dev/null 2>&1 &
  sleep 1
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
  xdotool key 4
  xdotool key ctrl+s
  sleep 1.5
  xdotool type --delay 20 "$WORK/out.zvf"
  xdotool key Return
  for i in $(seq 50); do [ -s "$WORK/out.zvf" ] && break; sleep 0.2; done
  sleep 0.5
  xdotool mousemove "$x0" $((y0 + 120)) mousedown 1
  xdotool mousemove $((x0 + 40)) $((y0 + 130)) mousemove $((x0 + 80)) $((y0 + 140))
  xdotool mouseup 1
  sleep 0.3
  xdotool key ctrl+shift+s
  sleep 1.5
  xdotool type --delay 20 "/nonexistent-zorva/denied.zvf"
  xdotool key Return
  sleep 1
  xdotool key Return
  sleep 0.5
  xdotool getwindowname "$win" > "$WORK/title.txt"
  xdotool key ctrl+s
  for i in $(seq 50); do [ "$WORK/out.zvf" -nt "$WORK/title.txt" ] && break; sleep 0.2; done
  sleep 0.5
  xdotool key ctrl+q
  for i in $(seq 50); do kill -0 "$pid" 2> /dev/null || break; sleep 0.2; done
  kill "$pid" 2> /dev/null || true
'

[ -s "$work/out.zvf" ] || { echo "FAIL: nothing was saved"; cat "$work/zorva.log"; exit 1; }
title=$(cat "$work/title.txt")
case "$title" in
  *nonexistent-zorva*) echo "FAIL: after the failed Save As the title is '$title'"; exit 1 ;;
  *out.zvf*) ;;
  *) echo "FAIL: after the failed Save As the title is '$title'"; exit 1 ;;
esac
if grep -rq "nonexistent-zorva" "$work/config"; then echo "FAIL: the failed name is in the recent files"; exit 1; fi
dump=$("$cli" dump "$work/out.zvf")
# A rectangle of the dragged size (100 x 70 at 100 %) and, drawn after the
# dialog, a line 80 x 20, written by the Ctrl+S after the failed Save As.
python3 - "$dump" << 'PY'
import json, sys
doc = json.loads(sys.argv[1])
areas = doc["areas"]
assert len(areas) == 2, f"expected two areas, found {len(areas)}: {areas}"
rect = [a for a in areas if a["type"] == 0]
assert len(rect) == 1 and rect[0]["closed"], areas
(x0, y0), (x1, y1) = rect[0]["points"]
assert (abs(x1 - x0), abs(y1 - y0)) == (100, 70), rect[0]["points"]
line = [a for a in areas if a["type"] != 0][0]
(x0, y0), (x1, y1) = line["points"]
assert (abs(x1 - x0), abs(y1 - y0)) == (80, 20), line
print("PASS: saved", rect[0]["points"], "and the line", line["points"])
PY
