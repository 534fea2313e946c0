#!/usr/bin/env bash
# A page changed by another program while the editor has it open: the real
# editor on a virtual display opens a page, a rectangle is drawn, the page's
# heading is edited behind its back, and Ctrl+S must ask before writing.
# Each answer is tried in a session of its own and must do what it says:
# patch the page as it is now (the outside edit stays, the map is the
# editor's), overwrite it (the outside edit is gone), or cancel (the file
# stays as the other program left it).
#   page_changed_on_disk.sh ZORVA ZORVA_CLI PAGES_DIR [SCREENSHOT]
set -euo pipefail
zorva=$1 cli=$2 pages=$3 shot=${4:-}

for tool in xvfb-run xdotool openbox; do
  command -v "$tool" > /dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# One session: opens page.html, draws, lets "another program" edit the page,
# saves, answers the question with the keys given ($1), quits without saving.
session() {
  local keys=$1 dir=$2
  mkdir -p "$dir/config"
  cp "$pages/pic.png" "$dir/"
  printf '%s\n' '<!DOCTYPE html>' '<html lang="en"><head><meta charset="utf-8"><title>t</title></head><body>' \
    '<h1>Heading as opened</h1>' '<img src="pic.png" usemap="#m" alt="pic">' \
    '<map name="m"><area shape="rect" coords="10,10,60,60" href="a.html" alt="A"></map>' '</body></html>' \
    > "$dir/page.html"
  XDG_CONFIG_HOME="$dir/config" DIR="$dir" ZORVA="$zorva" KEYS="$keys" SHOT="$shot" \
    xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
    set -euo pipefail
    openbox > /dev/null 2>&1 &
    sleep 1
    "$ZORVA" "$DIR/page.html" > "$DIR/zorva.log" 2>&1 &
    pid=$!
    win=$(timeout 20 xdotool search --sync --onlyvisible --name "ZORVA" | head -1)
    sleep 1.5
    eval "$(xdotool getwindowgeometry --shell "$win")"
    x0=$((X + 200)) y0=$((Y + 180))
    xdotool mousemove "$x0" "$y0" click 1
    xdotool key 1
    sleep 0.3
    xdotool mousemove "$x0" "$y0" mousedown 1
    xdotool mousemove $((x0 + 40)) $((y0 + 30)) mousemove $((x0 + 100)) $((y0 + 70))
    xdotool mouseup 1
    sleep 0.3
    # Another program edits the heading.
    sed -i "s/Heading as opened/Heading edited elsewhere/" "$DIR/page.html"
    cp "$DIR/page.html" "$DIR/outside.html"
    xdotool key ctrl+s
    if question=$(timeout 10 xdotool search --sync --onlyvisible --name "ページの変更" | head -1); then
      echo asked > "$DIR/asked"
      sleep 1.5
      if [ -n "$SHOT" ]; then xwd -root -silent | convert xwd:- "$SHOT" || true; fi
      xdotool key $KEYS
    fi
    sleep 1.5
    # The file is what counts: the editor goes without a further question.
    kill "$pid" 2> /dev/null || true
    for i in $(seq 25); do kill -0 "$pid" 2> /dev/null || break; sleep 0.2; done
  '
}

status=0
check() {  # name, condition text, python expression over page (text) and areas (dump)
  local name=$1 dir=$2 expect=$3
  if [ ! -f "$dir/asked" ]; then echo "FAIL $name: no question before the save"; cat "$dir/zorva.log"; status=1; return; fi
  python3 - "$dir" "$cli" "$expect" << 'PY' || status=1
import json, subprocess, sys
d, cli, expect = sys.argv[1:4]
page = open(f"{d}/page.html", encoding="utf-8").read()
outside = open(f"{d}/outside.html", encoding="utf-8").read()
areas = json.loads(subprocess.run([cli, "dump", f"{d}/page.html"], capture_output=True, check=True).stdout)["areas"]
ok = eval(expect)
print(("PASS" if ok else "FAIL"), expect, "" if ok else f"\n{page}")
sys.exit(0 if ok else 1)
PY
}

session Return "$work/patch"
check patch "$work/patch" '"Heading edited elsewhere" in page and len(areas) == 2'
session "Tab space" "$work/overwrite"
check overwrite "$work/overwrite" '"Heading as opened" in page and "elsewhere" not in page and len(areas) == 2'
session Escape "$work/cancel"
check cancel "$work/cancel" 'page == outside and len(areas) == 1'
exit $status
