# Sourced by the screenshot scripts inside their virtual display.
# client WINDOW: where the window's inside is on the screen (CX CY CW CH).
client() {
  local info
  info=$(xwininfo -id "$1")
  CX=$(awk "/Absolute upper-left X/ {print \$4}" <<< "$info")
  CY=$(awk "/Absolute upper-left Y/ {print \$4}" <<< "$info")
  CW=$(awk "/Width:/ {print \$2}" <<< "$info")
  CH=$(awk "/Height:/ {print \$2}" <<< "$info")
}
# grab WINDOW FILE: a picture of the window with the frame and title bar the
# window manager drew around it.
grab() {
  client "$1"
  local l r t b
  IFS=", " read -r l r t b <<< "$(xprop -id "$1" _NET_FRAME_EXTENTS | sed "s/.*= //")"
  import -window root -crop "$((CW + l + r))x$((CH + t + b))+$((CX - l))+$((CY - t))" +repage "$2"
}
# help_search FRAME TITLE WORD FILE: Help > Contents from the frame's menu,
# the search tab (the third, at the top left), WORD typed, and a picture of the
# help window (found by the pattern TITLE) in FILE.
help_search() {
  xdotool key --window "$1" alt+h
  sleep 0.5
  xdotool key c
  local help
  help=$(timeout 20 xdotool search --sync --onlyvisible --name "$2" | head -1)
  sleep 1.5
  client "$help"
  xdotool mousemove $((CX + 155)) $((CY + 12)) click 1
  sleep 0.5
  xdotool type --delay 200 "$3"
  sleep 0.5
  xdotool key Return
  sleep 1
  grab "$help" "$4"
}
