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
