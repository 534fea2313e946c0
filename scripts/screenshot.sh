#!/usr/bin/env bash
# Remakes README's pictures from the real editor under a virtual display with
# a window manager, driven with real mouse and key events:
#   docs/screenshot.png             the bundled sample, one area selected and
#                                   moved, so the title carries the unsaved mark
#   docs/screenshot-rulers.png      the rulers at 50, 100 and 200 %
#   docs/screenshot-help.png        the help window's search for "ガイド"
#   docs/screenshot-imageselect.png the image choice of a page with three pictures
# Needs xvfb-run, openbox, xdotool and ImageMagick (scripts/setup.sh installs
# them). ImageMagick's import reads what is on the screen; xwd shows dialogs
# black here. scripts/screenshot_en.sh makes the English ones.
#   scripts/screenshot.sh [BUILD_DIR] [OUT_FOLDER]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
out=${2:-docs}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# The pictures show the Japanese interface whatever this shell's locale: the
# editor's own setting chooses it (below), and the locale stays as it was for
# the pictures made so far (a Japanese LANG or LANGUAGE makes Qt prefer the CJK
# fonts, which draw even the digits differently).
export XDG_CONFIG_HOME="$work/config" XDG_CACHE_HOME="$work/cache" ZORVA="$build/zorva"
export SAMPLE="$PWD/samples/sample.zvf" WORK="$work" SHOT_TOOLS="$PWD/scripts/screenshot_window.sh"
mkdir -p "$work/config/Ulmora"
printf '[Settings]\nLanguage=ja\n' > "$work/config/Ulmora/ZORVA.conf"

# A page with three pictures whose names differ only at their ends, one missing.
pics="$work/site/images/campaigns/2024/spring"
mkdir -p "$pics"
cp samples/sample.jpg "$pics/banner-2024-spring-campaign-large-a.jpg"
convert samples/sample.jpg -resize 50% "$pics/banner-2024-spring-campaign-large-b.jpg"
{
  echo '<!DOCTYPE html><html lang="ja"><head><meta charset="utf-8"><title>t</title></head><body>'
  for end in a b c; do
    echo "<img src=\"images/campaigns/2024/spring/banner-2024-spring-campaign-large-$end.jpg\" alt=\"\"$([ $end = a ] && echo ' usemap="#top"')>"
  done
  echo '<map name="top"><area shape="rect" coords="1,2,30,40" href="a.html" alt="a"></map></body></html>'
} > "$work/site/page.html"

xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
  set -euo pipefail
  openbox > /dev/null 2>&1 &
  sleep 1
  . "$SHOT_TOOLS"

  "$ZORVA" "$SAMPLE" > /dev/null 2>&1 &
  pid=$!
  win=$(timeout 20 xdotool search --sync --onlyvisible --name "ZORVA" | head -1)
  sleep 1.5
  client "$win"
  # The orange rectangle of the sample has its left edge at picture x 30; an
  # area is taken by its outline. The first click gives the window the focus.
  ox=$((CX + 49)) oy=$((CY + 74))
  xdotool mousemove $((ox + 30)) $((oy + 120)) click 1
  sleep 0.5
  xdotool click 1
  sleep 0.3
  xdotool mousedown 1 mousemove $((ox + 35)) $((oy + 125)) mousemove $((ox + 40)) $((oy + 130)) mouseup 1
  xdotool mousemove $((ox + 300)) $((oy + 250))
  sleep 0.5
  grab "$win" "$WORK/shot.png"

  # The top left corner at three zooms.
  for zoom in 5 1 2; do
    xdotool key --window "$win" ctrl+$zoom
    sleep 0.7
    import -window root -crop "300x250+$CX+$((CY + 48))" +repage "$WORK/ruler$zoom.png"
  done
  xdotool key --window "$win" ctrl+1

  # Titles are matched in ASCII: xdotool matches no Japanese title here. The
  # help window is "ZORVA ヘルプ", the main window "... - ZORVA".
  help_search "$win" "^ZORVA " "ガイド" "$WORK/help.png"
  kill "$pid"
  wait "$pid" 2> /dev/null || true

  "$ZORVA" "$WORK/site/page.html" > /dev/null 2>&1 &
  pid=$!
  # The image choice ("イメージ選択") is the one window of the editor without its name.
  choice=
  for attempt in $(seq 40); do
    for w in $(xdotool search --onlyvisible --pid "$pid" --name "." 2> /dev/null); do
      case "$(xdotool getwindowname "$w")" in *ZORVA*) ;; *) choice=$w ;; esac
    done
    [ -n "$choice" ] && break
    sleep 0.5
  done
  sleep 1.5
  grab "$choice" "$WORK/choice.png"
  kill "$pid"
'
convert "$work/ruler5.png" "$work/ruler1.png" "$work/ruler2.png" -background white -splice 8x0 +append "$work/rulers.png"
cp "$work/shot.png" "$out/screenshot.png"
cp "$work/rulers.png" "$out/screenshot-rulers.png"
cp "$work/help.png" "$out/screenshot-help.png"
cp "$work/choice.png" "$out/screenshot-imageselect.png"
echo "wrote $out/screenshot.png, screenshot-rulers.png, screenshot-help.png, screenshot-imageselect.png"
