#!/usr/bin/env bash
# Installs what the build needs (only what is missing), configures and builds.
#   scripts/setup.sh test          build and run every test
#   scripts/setup.sh run [FILE]    build and start the editor (on the bundled sample by default)
#   scripts/setup.sh build         build only
#   scripts/setup.sh package       build zorva_<version>_<arch>.deb in the build folder
# Environment: BUILD_DIR (default build), ZORVA_CMAKE_ARGS (extra configure arguments).
set -euo pipefail
cd "$(dirname "$0")/.."

mode=${1:-build}
shift || true
BUILD_DIR=${BUILD_DIR:-build}

# Beyond the build: lrelease (qt6-l10n-tools) compiles the translations;
# Qt's Japanese texts for its standard dialogs; xdotool, xwd
# (x11-apps) and ImageMagick to drive and capture the editor under Xvfb (the
# machine's /usr/local/bin/convert is only a stand-in that hands over to the real
# one), with openbox as the window manager a desktop has; desktop-file-utils,
# libxml2-utils and shared-mime-info for checking what cmake --install puts in place; Qt Help (its library, qhelpgenerator for the
# manual, and the SQLite driver the help files are read through); python3 with
# html5lib to read patched pages back as a browser parses them; chromium to
# click through responsive pages; Java and npm for the Nu HTML Checker (the
# npm package vnu-jar), which validates HTML5 pages; python3-opencv as the
# reference the trace tool's polygons are measured against. For the Debian package:
# scdoc (the manual pages' source), dpkg-dev (dpkg-shlibdeps finds the package's
# dependencies), lintian, appstream (appstreamcli validates the AppStream data),
# man-db and groff-base to check the manual pages.
packages=(build-essential cmake ninja-build pkg-config qt6-base-dev qt6-tools-dev
  qt6-tools-dev-tools qt6-l10n-tools libqt6sql6-sqlite libjpeg62-turbo-dev
  libpng-dev zlib1g-dev libgtest-dev libgmock-dev googletest libgif-dev
  fonts-noto-cjk xvfb xauth openbox qt6-translations-l10n xdotool x11-apps imagemagick
  desktop-file-utils libxml2-utils shared-mime-info python3 python3-html5lib
  chromium default-jre-headless python3-opencv
  scdoc dpkg-dev lintian appstream man-db groff-base)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
# npm from Debian only where no npm is there: a Node.js from elsewhere brings
# its own, which Debian's package would conflict with.
command -v npm >/dev/null || missing+=(npm)
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  SUDO=
  [ "$(id -u)" -ne 0 ] && SUDO=sudo
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# The validator comes from npm, not from Debian; installed once for everyone.
if [ ! -f "$(npm root -g)/vnu-jar/build/dist/vnu.jar" ]; then
  echo "Installing: vnu-jar (npm)"
  SUDO=
  [ "$(id -u)" -ne 0 ] && SUDO=sudo
  $SUDO npm install -g --no-fund --no-audit vnu-jar
fi

cmake -S . -B "$BUILD_DIR" -G Ninja ${ZORVA_CMAKE_ARGS:-}
cmake --build "$BUILD_DIR" -j "$(nproc)"

case "$mode" in
  test)
    ctest --test-dir "$BUILD_DIR" --output-on-failure -j "$(nproc)"
    ;;
  run)
    file=${1:-samples/sample.zvf}
    exec "$BUILD_DIR/zorva" "$file"
    ;;
  package)
    (cd "$BUILD_DIR" && cpack -G DEB)
    ls "$BUILD_DIR"/zorva_*.deb
    ;;
  build) ;;
  *)
    echo "usage: $0 test|run [FILE]|build|package" >&2
    exit 2
    ;;
esac
