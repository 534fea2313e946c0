#!/usr/bin/env bash
# Drives the real editor on a virtual display, as a newcomer would, through
# what used to trip one up: an edit of the default area must mark the page
# (closing asks); an open that fails (after "not saved") keeps the page and its
# mark, and its dialog comes back without asking again; after Ctrl+O from a panel
# field the tool box shows the tool the next click uses; an area picked by its
# inside goes forward (Ctrl+]) and is nudged with the arrow keys.
# Screenshots of each step go to SHOTS when given.
#   drive_window_faults.sh ZORVA ZORVA_CLI PICTURE [SHOTS]
set -euo pipefail
zorva=$1 cli=$2 picture=$3 shots=${4:-}

for tool in xvfb-run xdotool openbox; do
  command -v "$tool" > /dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$picture" "$work/pic.jpg"
# The first area of a map is the one on top: a over b where they meet.
cat > "$work/page.html" << 'HTML'
<html><body>
<img src="pic.jpg" usemap="#m">
<map name="m">
<area shape="rect" coords="40,40,160,120" href="a.html" alt="a">
<area shape="rect" coords="100,80,260,200" href="b.html" alt="b">
</map>
</body></html>
HTML
echo "not a picture" > "$work/notes.txt"
[ -n "$shots" ] && mkdir -p "$shots"
export XDG_CONFIG_HOME="$work/config" WORK="$work" ZORVA="$zorva" SHOTS="$shots"

xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
  set -euo pipefail
  openbox > /dev/null 2>&1 &
  sleep 1
  # import reads what is on the screen; xwd would show dialogs black.
  shot() { if [ -n "$SHOTS" ]; then import -window root "$SHOTS/$1.png"; fi; }
  "$ZORVA" "$WORK/page.html" > "$WORK/zorva.log" 2>&1 &
  pid=$!
  win=$(timeout 20 xdotool search --sync --onlyvisible --name "ZORVA" | head -1)
  sleep 1.5
  eval "$(xdotool getwindowgeometry --shell "$win")"
  # The picture starts 48 and 55 pixels into the window; the panel s fields
  # and the area list sit at the right (800 x 600, the window s first size).
  pic() { echo $((X + 48 + $1)) $((Y + 55 + $2)); }
  url="$((X + 716)) $((Y + 198))" alt="$((X + 716)) $((Y + 250))"

  # 1. The default area s URL, nothing selected: the title takes its mark.
  xdotool mousemove $url click 1
  xdotool type --delay 20 "home.html"
  xdotool key Return
  sleep 0.5
  shot 1-default-area-edited
  xdotool getwindowname "$win" > "$WORK/title-edited.txt"
  # Closing asks; Escape keeps the window.
  xdotool key ctrl+q
  sleep 2
  xdotool mousemove $((X + 400)) $((Y + 300))
  sleep 1
  shot 2-close-asks
  xdotool key Escape
  sleep 0.5
  kill -0 "$pid"

  # 2. A file that is not a picture: a message, the dialog again, the page kept.
  # Waits for a window of the editor besides its main window (a dialog).
  dialog() {
    for i in $(seq 100); do
      [ "$(xdotool search --onlyvisible --pid "$pid" 2> /dev/null | grep -vc "^$win\$")" -gt 0 ] && break
      sleep 0.2
    done
    sleep 0.7
  }
  xdotool key ctrl+o
  dialog
  shot 3a-open-asks-first
  xdotool key n  # not saved: the page is to stay as it is
  sleep 1.5
  dialog
  xdotool type --delay 20 "$WORK/notes.txt"
  xdotool key Return
  sleep 2
  shot 3-failed-open-message
  xdotool key Return
  dialog
  shot 3b-open-dialog-again
  xdotool key Escape
  sleep 0.7
  shot 4-after-failed-open
  xdotool getwindowname "$win" > "$WORK/title-after-open.txt"

  # 3. The polygon tool, a click into the ALT field, Ctrl+O there, Escape:
  #    the tool box shows the polygon, and the next clicks place vertices.
  xdotool mousemove $(pic 450 280) click 1
  sleep 0.5
  xdotool key 3
  sleep 0.3
  shot 5a-polygon-chosen
  xdotool mousemove $alt click 1
  sleep 0.3
  xdotool key ctrl+o
  dialog
  xdotool key n
  sleep 1.5
  dialog
  xdotool key Escape
  sleep 0.7
  shot 5-toolbox-after-ctrl-o
  for p in "300 230" "380 230" "340 280" "300 230"; do
    xdotool mousemove $(pic $p) click 1
    sleep 0.2
  done
  xdotool key 0

  # 4. b picked by its inside, forward once, then the arrow keys.
  xdotool mousemove $(pic 230 180) click 1
  sleep 0.3
  xdotool key ctrl+bracketright
  sleep 0.5
  shot 6-forward
  xdotool key Right Right Right shift+Down
  sleep 0.5
  shot 7-nudged
  xdotool key ctrl+s
  sleep 1
  xdotool key ctrl+q
  for i in $(seq 50); do kill -0 "$pid" 2> /dev/null || break; sleep 0.2; done
  kill "$pid" 2> /dev/null || true
'

fail() { echo "FAIL: $*"; cat "$work/zorva.log"; exit 1; }
case "$(cat "$work/title-edited.txt")" in
  *page.html\**) ;;
  *) fail "after the default area's edit the title is '$(cat "$work/title-edited.txt")'" ;;
esac
case "$(cat "$work/title-after-open.txt")" in
  *page.html\**) ;;
  *) fail "after the failed open the title is '$(cat "$work/title-after-open.txt")'" ;;
esac
dump=$("$cli" dump "$work/page.html")
python3 - "$dump" << 'PY'
import json, sys
doc = json.loads(sys.argv[1])
areas = doc["areas"]  # bottom first
assert doc["default"]["href"] == "home.html", doc["default"]
links = [a.get("href", "") for a in areas]
assert len(areas) == 3, f"expected a, b and the polygon: {areas}"
# b went forward over a; the polygon, drawn last, stays on top.
assert links[:2] == ["a.html", "b.html"], links
poly = areas[2]
assert poly["type"] == 2 and poly["closed"] and len(poly["points"]) == 3, poly
# b nudged by 3 to the right and 10 down.
assert areas[1]["points"] == [[103, 90], [263, 210]], areas[1]["points"]
print("PASS: default area", doc["default"]["href"], "order", links, "b at", areas[1]["points"])
PY
