#!/usr/bin/env bash
# The English interface's pictures for README, from the real editor under a
# virtual display with LANG=en_US.UTF-8, driven with real mouse and key events
# through the menus' mnemonics:
#   docs/en/screenshot.png           the bundled sample, one area selected
#   docs/en/screenshot-property.png  the property panel and area list of that
#   docs/en/screenshot-settings.png  Edit > Preferences (the HTML output settings)
#   docs/en/screenshot-message.png   the question of Edit > Clear All
#   docs/en/screenshot-help.png      the help window's search for "guide"
#   scripts/screenshot_en.sh [BUILD_DIR] [OUT_FOLDER]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
out=${2:-docs/en}
mkdir -p "$out"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# The editor runs under LANG=en_US.UTF-8; the tools keep the shell's locale.
unset LANGUAGE LC_ALL LC_MESSAGES
export ZORVA_LANG=en_US.UTF-8
export XDG_CONFIG_HOME="$work/config" XDG_CACHE_HOME="$work/cache" ZORVA="$build/zorva"
export SAMPLE="$PWD/samples/sample.zvf" WORK="$work" SHOT_TOOLS="$PWD/scripts/screenshot_window.sh"

xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
  set -euo pipefail
  openbox > /dev/null 2>&1 &
  sleep 1
  . "$SHOT_TOOLS"

  LANG=$ZORVA_LANG "$ZORVA" "$SAMPLE" > "$WORK/zorva.log" 2>&1 &
  pid=$!
  win=$(timeout 20 xdotool search --sync --onlyvisible --name "ZORVA" | head -1)
  sleep 1.5
  client "$win"
  # Select the sample'"'"'s orange rectangle by its outline (picture x 30).
  ox=$((CX + 49)) oy=$((CY + 74))
  xdotool mousemove $((ox + 30)) $((oy + 120)) click 1
  sleep 0.5
  xdotool click 1
  sleep 0.3
  xdotool mousemove $((ox + 300)) $((oy + 250))
  sleep 0.5
  grab "$win" "$WORK/shot.png"
  # The panel and the list: the right-hand column between the toolbar and the status bar.
  client "$win"
  import -window root -crop "268x$((CH - 76))+$((CX + CW - 268))+$((CY + 54))" +repage "$WORK/property.png"

  # Edit > Preferences by the mnemonics.
  xdotool key --window "$win" alt+e
  sleep 0.5
  xdotool key f
  settings=$(timeout 20 xdotool search --sync --onlyvisible --name "HTML Output Settings" | head -1)
  sleep 1
  grab "$settings" "$WORK/settings.png"
  xdotool key Escape
  sleep 0.5

  # Edit > Clear All asks first.
  xdotool key --window "$win" alt+e
  sleep 0.5
  xdotool key a
  sleep 1.5
  question=$(xdotool getactivewindow)
  grab "$question" "$WORK/message.png"
  xdotool key Escape
  sleep 0.5

  help_search "$win" "^ZORVA " "guide" "$WORK/help.png"
  kill "$pid"
  wait "$pid" 2> /dev/null || true
'
for shot in shot property settings message help; do
  name=screenshot-$shot.png
  [ "$shot" = shot ] && name=screenshot.png
  cp "$work/$shot.png" "$out/$name"
done
echo "wrote $out/screenshot.png, screenshot-property.png, screenshot-settings.png, screenshot-message.png, screenshot-help.png"
