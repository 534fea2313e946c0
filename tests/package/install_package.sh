#!/usr/bin/env bash
# Installs the package made by check_package.sh into this machine with apt-get,
# uses the installed programs as a user would, and purges it again, checking
# that none of its files stays behind.
#   install_package.sh DEB_DIR VERSION SAMPLES_DIR [SCREENSHOT]
# Only as root (CI); it leaves alone a zorva package that was there before, and
# whatever happens it purges what it installed, so later tests find the
# machine as it was.
set -euo pipefail
dir=$1 version=$2 samples=$(realpath "$3") shot=${4:-}

if [ "$(id -u)" -ne 0 ]; then echo "SKIP: installing a package needs root (CI runs as root)"; exit 77; fi
for tool in apt-get dpkg xvfb-run xdotool openbox xwd convert man; do
  command -v "$tool" > /dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done
if dpkg-query -W -f='${Status}' zorva 2> /dev/null | grep -q 'installed'; then
  echo "SKIP: a zorva package is already installed here; it is left alone"
  exit 77
fi

fail() { echo "FAIL: $*"; exit 1; }
deb=$(realpath "$dir")/zorva_${version}_$(dpkg --print-architecture).deb
[ -f "$deb" ] || fail "no package $deb (the test package_deb makes it)"
# Another apt or dpkg (a helper, an unattended upgrade) may hold the lock.
apt=(apt-get -y -q -o DPkg::Lock::Timeout=300)
export DEBIAN_FRONTEND=noninteractive
work=$(mktemp -d)
installed=0
cleanup() {
  if [ "$installed" = 1 ]; then "${apt[@]}" purge zorva > "$work/purge.log" 2>&1 || cat "$work/purge.log"; fi
  rm -rf "$work"
}
trap cleanup EXIT

# A minimal image's dpkg may leave manual pages out; this package's pages are
# taken in anyway, since they are what is checked.
include_man=()
if grep -rqsE '^path-exclude[= ]+/usr/share/man' /etc/dpkg/dpkg.cfg /etc/dpkg/dpkg.cfg.d; then
  echo "note: dpkg here leaves out manual pages; installing zorva's with --path-include"
  include_man=(-o 'DPkg::Options::=--path-include=/usr/share/man/man1/zorva*')
fi
# Recommends (fonts, Qt's Japanese texts, xdg-utils) are not needed for the
# check and would be fetched from the network.
installed=1
"${apt[@]}" --no-install-recommends "${include_man[@]}" install "$deb" > "$work/install.log" 2>&1 \
  || { cat "$work/install.log"; fail "apt-get install failed"; }
dpkg-query -W -f='${Status}' zorva | grep -q 'install ok installed' || fail "zorva is not installed"
dpkg -L zorva | while read -r f; do [ -d "$f" ] || echo "$f"; done | sort > "$work/files.txt"
echo "installed $(wc -l < "$work/files.txt") files"

[ "$(dpkg-query -W -f='${Version}' zorva)" = "$version" ] || fail "the installed version is not $version"
[ "$(/usr/bin/zorva-cli --version)" = "zorva-cli $version" ] || fail "zorva-cli --version: $(/usr/bin/zorva-cli --version)"

# The bundled sample as a page, written by the installed zorva-cli.
cp "$samples/sample.zvf" "$samples/sample.jpg" "$work/"
export XDG_CONFIG_HOME="$work/config" XDG_STATE_HOME="$work/state"
/usr/bin/zorva-cli convert "$work/sample.zvf" "$work/sample.html" || fail "zorva-cli convert failed"
grep -qi '<map' "$work/sample.html" || fail "the page has no map"
grep -qi '<area' "$work/sample.html" || fail "the page has no areas"

# The installed editor on that page, on a virtual display with a window
# manager (focus for the keys); then Help > Contents must find the manual the
# package put under /usr/share/zorva.
export WORK="$work" SHOT="$work/shot.png"
# Bounded in time, so the purge below always gets its turn.
timeout 120 xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
  openbox > /dev/null 2>&1 &
  sleep 1
  /usr/bin/zorva "$WORK/sample.html" > "$WORK/zorva.log" 2>&1 &
  pid=$!
  win=$(timeout 20 xdotool search --sync --onlyvisible --name "ZORVA" | head -1) || true
  sleep 2
  xdotool getwindowname "$win" > "$WORK/title.txt" 2> /dev/null || true
  xwd -root -silent | convert xwd:- "$SHOT"
  xdotool windowactivate --sync "$win" 2> /dev/null || true
  xdotool key alt+h
  sleep 0.5
  xdotool key c
  help=$(timeout 15 xdotool search --sync --onlyvisible --name "ヘルプ" | head -1) || true
  xdotool getwindowname "$help" > "$WORK/help-title.txt" 2> /dev/null || true
  kill "$pid" 2> /dev/null || true
  wait "$pid" 2> /dev/null || true
' || true
[ -s "$work/title.txt" ] || { cat "$work/zorva.log"; fail "the installed zorva showed no window"; }
grep -q 'sample.html' "$work/title.txt" || fail "the window title is '$(cat "$work/title.txt")', not the page's"
# The picture is in sight: the sample's header band (its top-left colour,
# 480 x 56 pixels at 100 %) fills thousands of pixels of the screen.
band=$(convert "$work/sample.jpg" -format '%[pixel:p{5,5}]' info:)
pixels=$(convert "$SHOT" -fuzz 6% -fill black +opaque "$band" -fill white -opaque "$band" \
  -format '%[fx:round(mean*w*h)]' info:)
[ "$pixels" -gt 20000 ] || fail "the picture is not on the screen ($pixels pixels of $band)"
if [ -n "$shot" ]; then cp "$SHOT" "$shot"; echo "screenshot: $shot"; fi
[ "$(cat "$work/help-title.txt" 2> /dev/null)" = "ZORVA ヘルプ" ] \
  || fail "Help > Contents opened no manual window (the manual is not where the editor looks)"

# The manual page, found by man as a user would.
[ "$(man -w zorva-cli)" = /usr/share/man/man1/zorva-cli.1.gz ] || fail "man -w zorva-cli: $(man -w zorva-cli 2>&1)"
MANWIDTH=80 MANPAGER=cat man zorva-cli 2> "$work/man.err" > "$work/man.txt" || fail "man zorva-cli failed"
grep -q 'EXIT STATUS' "$work/man.txt" || fail "man zorva-cli shows no EXIT STATUS"
[ ! -s "$work/man.err" ] || fail "man zorva-cli warned: $(cat "$work/man.err")"

# The desktop knows the type through the package's triggers.
grep -q 'application/x-zorva-project:\*\.zvf' /usr/share/mime/globs2 || fail "*.zvf is not in the MIME database"

"${apt[@]}" purge zorva > "$work/purge.log" 2>&1 || { cat "$work/purge.log"; fail "apt-get purge failed"; }
installed=0
if dpkg-query -W -f='${Status}' zorva 2> /dev/null | grep -q 'installed'; then fail "zorva is still installed"; fi
left=$(while read -r f; do [ -e "$f" ] && echo "$f"; done < "$work/files.txt" || true)
[ -z "$left" ] || fail "files left after purge:"$'\n'"$left"
for dir in /usr/share/zorva /usr/share/doc/zorva; do [ ! -e "$dir" ] || fail "$dir is left after purge"; done
if grep -q 'zorva' /usr/share/mime/globs2; then fail "the MIME database still knows zorva after purge"; fi
echo "installed, used and purged without a trace"
