#!/usr/bin/env bash
# Builds the Debian package from the build folder (as scripts/setup.sh package
# does) and checks what it holds, what it depends on and its AppStream data.
#   check_package.sh BUILD_DIR SOURCE_DIR OUT_DIR VERSION
# The package is left in OUT_DIR for install_package.sh.
set -euo pipefail
build=$(realpath "$1") src=$(realpath "$2") out=$3 version=$4
mkdir -p "$out"
out=$(realpath "$out")

fail() { echo "FAIL: $*"; exit 1; }
for tool in cpack dpkg-deb dpkg-shlibdeps appstreamcli lintian groff man desktop-file-validate readelf; do
  command -v "$tool" > /dev/null || fail "$tool is not installed (scripts/setup.sh installs it)"
done

arch=$(dpkg --print-architecture)
deb=$out/zorva_${version}_${arch}.deb
rm -rf "$out/_CPack_Packages" "$out/tree" "$out/destdir" "$deb"
cpack -G DEB --config "$build/CPackConfig.cmake" -B "$out" > "$out/cpack.log" 2>&1 \
  || { cat "$out/cpack.log"; fail "cpack failed"; }
[ -f "$deb" ] || { ls "$out"; fail "cpack made no $(basename "$deb")"; }
echo "built $deb"

# --- contents ---------------------------------------------------------------
dpkg-deb -c "$deb" > "$out/contents.txt"
if awk '$2 != "root/root"' "$out/contents.txt" | grep -q .; then
  fail "files not owned by root:"$'\n'"$(awk '$2 != "root/root"' "$out/contents.txt")"
fi
dpkg-deb --fsys-tarfile "$deb" | tar -t | sed 's|^\./|/|; s|/$||' | grep -v '^$' | sort > "$out/paths.txt"
mkdir -p "$out/tree"
dpkg-deb -x "$deb" "$out/tree"
(cd "$out/tree" && find . ! -type d | sed 's|^\.||' | sort) > "$out/files.txt"

required=(/usr/bin/zorva /usr/bin/zorva-cli /usr/share/zorva/zorva.qch /usr/share/zorva/zorva.qhc
  /usr/share/zorva/zorva_en.qch /usr/share/zorva/zorva_en.qhc /usr/share/zorva/translations/zorva_en.qm
  /usr/share/applications/example.ulmora.zorva.desktop /usr/share/mime/packages/zorva.xml
  /usr/share/metainfo/example.ulmora.zorva.metainfo.xml
  /usr/share/man/man1/zorva.1.gz /usr/share/man/man1/zorva-cli.1.gz
  /usr/share/doc/zorva/README.md /usr/share/doc/zorva/copyright /usr/share/doc/zorva/changelog.gz)
for size in 16 32 48 64 128 256; do
  required+=(/usr/share/icons/hicolor/${size}x${size}/apps/zorva.png
    /usr/share/icons/hicolor/${size}x${size}/mimetypes/application-x-zorva-project.png)
done
for f in "${required[@]}"; do grep -qxF "$f" "$out/files.txt" || fail "not in the package: $f"; done

# Nothing outside /usr, nothing under /usr/local, nothing the build makes for
# itself, and none of the caches that belong to the desktop's triggers.
bad=$(grep -vE '^/usr(/|$)' "$out/paths.txt" || true)
bad+=$(grep -E '^/usr/local(/|$)' "$out/paths.txt" || true)
bad+=$(grep -E 'CMakeFiles|CMakeCache|cmake_install|_CPack_|\.ninja|\.o$|\.a$|_autogen|/moc_|\.qhcp$|\.tmp$' "$out/paths.txt" || true)
bad+=$(grep -E '^/usr/share/mime/[^p]|^/usr/share/applications/mimeinfo\.cache|icon-theme\.cache' "$out/paths.txt" || true)
[ -z "$bad" ] || fail "the package holds what it must not:"$'\n'"$bad"

# The package is exactly what cmake --install puts in place (so whatever an
# install rule adds arrives without an edit here).
DESTDIR="$out/destdir" cmake --install "$build" --prefix /usr > /dev/null
(cd "$out/destdir" && find . ! -type d | sed 's|^\.||' | sort) > "$out/installed.txt"
diff -u "$out/installed.txt" "$out/files.txt" > "$out/install-diff.txt" \
  || fail "the package differs from cmake --install:"$'\n'"$(cat "$out/install-diff.txt")"

# No path of this machine's build: no RPATH, no source or build folder named
# inside any file, binaries stripped.
for exe in zorva zorva-cli; do
  if readelf -d "$out/tree/usr/bin/$exe" | grep -qE 'RPATH|RUNPATH'; then fail "$exe carries an RPATH"; fi
  if readelf -S "$out/tree/usr/bin/$exe" | grep -q '\.debug_info'; then fail "$exe is not stripped"; fi
done
for dir in "$build" "$src"; do
  # A folder as short as /src could be any file's bytes; such a check would
  # say nothing.
  [ ${#dir} -ge 8 ] || { echo "note: $dir is too short a name to look for"; continue; }
  hits=$(grep -rlF "$dir" "$out/tree" || true)
  [ -z "$hits" ] || fail "files name the folder $dir:"$'\n'"$hits"
done

# --- the programs -------------------------------------------------------------
for exe in zorva zorva-cli; do
  got=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$out/tree/usr/bin/$exe" --version)
  [ "$got" = "$exe $version" ] || fail "$exe --version printed '$got', not '$exe $version'"
done

# --- manual pages ---------------------------------------------------------------
for page in zorva zorva-cli; do
  gz=$out/tree/usr/share/man/man1/$page.1.gz
  gzip -t "$gz" || fail "$page.1.gz is not gzip"
  warnings=$(zcat "$gz" | groff -man -ww -z 2>&1) || fail "groff failed on $page.1"
  [ -z "$warnings" ] || fail "groff warns on $page.1:"$'\n'"$warnings"
  text=$(MANWIDTH=80 man -l "$gz" 2>&1) || fail "man -l $page.1.gz failed"
  for section in NAME SYNOPSIS DESCRIPTION OPTIONS 'EXIT STATUS' ENVIRONMENT FILES; do
    grep -qx "$section" <<< "$text" || fail "$page(1) has no $section section"
  done
  grep -qF '.config/Ulmora/ZORVA.conf' <<< "$text" || fail "$page(1) does not name the settings file"
done
# Every command and option zorva-cli --help names is in its manual page.
help=$("$out/tree/usr/bin/zorva-cli" --help)
page=$(zcat "$out/tree/usr/share/man/man1/zorva-cli.1.gz" | MANWIDTH=200 man -l - 2>/dev/null)
words=$(grep -oE '^  [a-z]+ ' <<< "$help" | tr -d ' '; grep -oE -- '--[a-z][a-z-]*' <<< "$help")
for w in $words; do grep -qF -- "$w" <<< "$page" || fail "zorva-cli(1) does not mention $w"; done
zcat "$out/tree/usr/share/man/man1/zorva.1.gz" | grep -qF 'ZORVA/recovery' || fail "zorva(1) does not name the recovery folder"

# --- metadata -------------------------------------------------------------------
field() { dpkg-deb -f "$deb" "$1"; }
# The package names of relation fields, without versions, one a line.
names_in() { for f in "$@"; do field "$f"; done | tr ',|' '\n\n' | sed 's/(.*)//; s/^ *//; s/ *$//' | grep -v '^$' | sort -u; }
[ "$(field Package)" = zorva ] || fail "Package is '$(field Package)'"
[ "$(field Version)" = "$version" ] || fail "Version is '$(field Version)', not $version"
[ "$(field Architecture)" = "$arch" ] || fail "Architecture is '$(field Architecture)'"
depends=$(field Depends)
case "$depends" in *'${'*|'') fail "Depends is not resolved: '$depends'" ;; esac
depends_names=$(names_in Depends)
# Each library the programs link is depended on through the package that holds
# it on this machine, and so are the Qt plugins no linker sees.
needed=$(for exe in zorva zorva-cli; do readelf -d "$out/tree/usr/bin/$exe"; done \
  | sed -n 's/.*(NEEDED).*\[\(.*\)\]/\1/p' | sort -u)
[ -n "$needed" ] || fail "readelf found no libraries the programs link"
resolved=$(for exe in zorva zorva-cli; do ldd "$out/tree/usr/bin/$exe"; done)
for soname in $needed; do
  path=$(awk -v s="$soname" '$1 == s && $2 == "=>" {print $3; exit}' <<< "$resolved")
  [ -n "$path" ] || fail "$soname is not on this machine"
  owner=$(dpkg -S "$(realpath "$path")" 2> /dev/null || dpkg -S "$path" 2> /dev/null) || fail "no package holds $path"
  owner=${owner%%:*}
  grep -qxF "$owner" <<< "$depends_names" || fail "Depends lacks $owner (for $soname): $depends"
done
for plugin in libqt6sql6-sqlite qt6-qpa-plugins; do
  grep -qxF "$plugin" <<< "$depends_names" || fail "Depends lacks $plugin: $depends"
done
# No package named is only for building, and every dependency is a package
# this machine knows.
for name in $(names_in Depends Recommends); do
  case "$name" in
    *-dev|*-dev-tools|cmake|ninja-build|build-essential|pkg-config|googletest|libgtest*|libgmock*|scdoc|lintian|qt6-tools-dev*)
      fail "depends on the build-only package $name" ;;
  esac
done
for name in $depends_names; do
  apt-cache show "$name" > /dev/null 2>&1 || dpkg-query -W "$name" > /dev/null 2>&1 || fail "no package $name is known"
done

# --- AppStream and the desktop entry ---------------------------------------------
metainfo=$out/tree/usr/share/metainfo/example.ulmora.zorva.metainfo.xml
appstreamcli validate --no-net "$metainfo" || fail "appstreamcli validate failed"
appstreamcli validate-tree --no-net "$out/tree" || fail "appstreamcli validate-tree failed"
grep -qF "<release version=\"$version\"" "$metainfo" || fail "the AppStream release is not $version"
for tag in summary p li; do
  grep -qF "<$tag xml:lang=\"ja\">" "$metainfo" || fail "no Japanese <$tag> in the metainfo"
done
desktop-file-validate "$out/tree/usr/share/applications/example.ulmora.zorva.desktop" || fail "desktop-file-validate"
# With a web address for docs/, the screenshots are listed; each names a picture
# that is in docs/, and the result is still valid.
shots=$out/screenshots.metainfo.xml
cmake -DTEMPLATE="$src/res/desktop/example.ulmora.zorva.metainfo.xml.in" -DOUTPUT="$shots" \
  -DVERSION="$version" -DDATE=2000-01-01 -DSCREENSHOT_BASE=https://zorva.invalid/docs/ -P "$src/cmake/Metainfo.cmake"
appstreamcli validate --no-net "$shots" || fail "the metainfo with screenshots is not valid"
images=$(grep -oE '<image>[^<]*</image>' "$shots" | sed 's|<image>https://zorva.invalid/docs/||; s|</image>||')
[ -n "$images" ] || fail "no screenshot was listed"
for image in $images; do [ -f "$src/docs/$image" ] || fail "screenshot $image is not in docs/"; done
if grep -q '<screenshot' "$metainfo"; then fail "screenshots listed without a web address"; fi

# --- lintian ------------------------------------------------------------------------
# Warnings are listed and pass; an error, or a lintian that could not run, fails.
rc=0
lintian --tag-display-limit 0 "$deb" > "$out/lintian.txt" 2>&1 || rc=$?
cat "$out/lintian.txt"
if grep -q '^E: ' "$out/lintian.txt"; then fail "lintian reports errors"; fi
[ "$rc" -eq 0 ] || fail "lintian could not check the package (exit status $rc)"
echo "package $(basename "$deb") is complete"
