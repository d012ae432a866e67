#!/usr/bin/env bash
# The Debian package: built with CPack from the build folder, unpacked into a
# scratch root (the machine's own packages are never touched), it holds both
# programs, valid menu entries, valid AppStream metadata that names them, the
# icon and a manual page for each program, depends on Qt and the layout fonts;
# both unpacked programs answer --help and --version in their language without
# a display, and start with the 918 x 734 menu, their icon and the window class
# their menu entry names.
source "$(dirname "$0")/lib.sh"
e2e_start "$1"

WORK=$(mktemp -d)
trap 'e2e_stop; rm -rf "$WORK"' EXIT
ROOT="$WORK/root"

cpack --config "$BUILD/CPackConfig.cmake" -G DEB -B "$WORK/out" >"$WORK/cpack.log" 2>&1 ||
  { cat "$WORK/cpack.log" >&2; fail "cpack -G DEB failed"; }
debs=("$WORK"/out/*.deb)
[ ${#debs[@]} = 1 ] && [ -f "${debs[0]}" ] || fail "expected one .deb, found: ${debs[*]}"
DEB=${debs[0]}

# Control fields.
field() { dpkg-deb -f "$DEB" "$1"; }
[ "$(field Package)" = fervano ] || fail "package name is '$(field Package)'"
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$BUILD/CMakeCache.txt")
case "$(field Version)" in "$version" | "$version"-*) ;; *) fail "version $(field Version) is not $version" ;; esac
[ "$(field Section)" = education ] || fail "section is '$(field Section)'"
depends=$(field Depends)
for dep in libqt6widgets6 libqt6gui6 libqt6svg6 qt6-translations-l10n fonts-liberation2 fonts-urw-base35; do
  grep -Eq "(^|, )$dep( |,|$)" <<<"$depends" || fail "Depends lacks $dep: $depends"
done

# Contents: everything under /usr, nothing from the build tree.
dpkg-deb -x "$DEB" "$ROOT"
listing=$(dpkg-deb -c "$DEB" | awk '{print $6}')
outside=$(grep -Ev '^\./(usr/.*)?$' <<<"$listing" || true)
[ -z "$outside" ] || fail "files outside /usr: $outside"
grep -q '^\./usr/local/' <<<"$listing" && fail "files under /usr/local"

for ed in pt es; do
  bin="$ROOT/usr/bin/fervano-$ed"
  [ -x "$bin" ] || fail "usr/bin/fervano-$ed missing or not executable"
  file -b "$bin" | grep -q '^ELF' || fail "fervano-$ed is not an ELF program"
  readelf -d "$bin" | grep -Eq 'RPATH|RUNPATH' && fail "fervano-$ed keeps a run path: $(readelf -d "$bin" | grep -E 'RPATH|RUNPATH')"

  entry="$ROOT/usr/share/applications/fervano-$ed.desktop"
  [ -f "$entry" ] || fail "desktop entry fervano-$ed.desktop missing"
  desktop-file-validate "$entry" >"$WORK/validate.log" 2>&1 || { cat "$WORK/validate.log" >&2; fail "fervano-$ed.desktop is not valid"; }
  key() { sed -n "s/^$1=//p" "$entry"; }
  [ "$(key Exec)" = "fervano-$ed" ] || fail "fervano-$ed.desktop runs '$(key Exec)'"
  [ "$(key Icon)" = fervano ] || fail "fervano-$ed.desktop shows icon '$(key Icon)'"
  [ "$(key Type)" = Application ] || fail "fervano-$ed.desktop is of type '$(key Type)'"
  case "$(key Categories)" in Education\;Science\;*) ;; *) fail "fervano-$ed.desktop categories: $(key Categories)" ;; esac
done
grep -q '^Name=.*Português' "$ROOT/usr/share/applications/fervano-pt.desktop" || fail "Portuguese entry not named in Portuguese"
grep -q '^Name=.*Español' "$ROOT/usr/share/applications/fervano-es.desktop" || fail "Spanish entry not named in Spanish"
grep -q '^Comment=.*tensões induzidas' "$ROOT/usr/share/applications/fervano-pt.desktop" || fail "Portuguese comment"
grep -q '^Comment=.*tensiones inducidas' "$ROOT/usr/share/applications/fervano-es.desktop" || fail "Spanish comment"

icons="$ROOT/usr/share/icons/hicolor"
file -b "$icons/scalable/apps/fervano.svg" | grep -q SVG || fail "scalable icon missing or not SVG"
for size in 16 32 48 64 128 256; do
  png="$icons/${size}x${size}/apps/fervano.png"
  file -b "$png" 2>/dev/null | grep -q "PNG image data, $size x $size" || fail "icon ${size}x${size}: $(file -b "$png")"
done

# AppStream metadata: valid (offline: the home page cannot be reached from
# here, and an unreachable address would count against it), one entry for
# each program, and the release of the package.
metainfo="$ROOT/usr/share/metainfo/org.example.fervano.metainfo.xml"
[ -f "$metainfo" ] || fail "AppStream metadata missing"
appstreamcli validate-tree --no-net "$ROOT" >"$WORK/appstream.log" 2>&1 ||
  { cat "$WORK/appstream.log" >&2; fail "AppStream metadata is not valid"; }
launchables=$(sed -n 's:.*<launchable type="desktop-id">\(.*\)</launchable>.*:\1:p' "$metainfo" | sort | xargs)
[ "$launchables" = "fervano-es.desktop fervano-pt.desktop" ] || fail "metadata launches: $launchables"
grep -q "<release version=\"$version\"" "$metainfo" || fail "metadata has no release $version"

# Manual pages, and what the programs say without a display.
for ed in pt es; do
  man="$ROOT/usr/share/man/man1/fervano-$ed.1.gz"
  [ -f "$man" ] || fail "manual page of fervano-$ed missing"
  zcat "$man" | grep -q "^fervano-$ed \\\\- " || fail "manual page of fervano-$ed has no NAME line"
done
zcat "$ROOT/usr/share/man/man1/fervano-pt.1.gz" | grep -q '^\.SH OPÇÕES' || fail "Portuguese manual page"
zcat "$ROOT/usr/share/man/man1/fervano-es.1.gz" | grep -q '^\.SH OPCIONES' || fail "Spanish manual page"
(
  unset DISPLAY
  out=$("$ROOT/usr/bin/fervano-pt" --help) || fail "fervano-pt --help exited $?"
  grep -q '^Uso: fervano-pt \[opções\]$' <<<"$out" || fail "fervano-pt --help: $out"
  out=$("$ROOT/usr/bin/fervano-es" -h) || fail "fervano-es -h exited $?"
  grep -q '^Uso: fervano-es \[opciones\]$' <<<"$out" || fail "fervano-es -h: $out"
  out=$("$ROOT/usr/bin/fervano-pt" --version) || fail "fervano-pt --version exited $?"
  [ "$out" = "fervano-pt (FERVANO, edição em português) $version" ] || fail "fervano-pt --version: $out"
  out=$("$ROOT/usr/bin/fervano-es" --version) || fail "fervano-es --version exited $?"
  [ "$out" = "fervano-es (FERVANO, edición en español) $version" ] || fail "fervano-es --version: $out"
  rc=0
  "$ROOT/usr/bin/fervano-es" --ayuda >/dev/null 2>"$WORK/unknown.log" || rc=$?
  [ "$rc" = 2 ] && grep -q 'argumento no reconocido' "$WORK/unknown.log" ||
    fail "fervano-es --ayuda: exit $rc, $(cat "$WORK/unknown.log")"
)

# The unpacked programs start.
for ed in pt es; do
  "$ROOT/usr/bin/fervano-$ed" >"$WORK/run-$ed.log" 2>&1 &
  APP_PID=$!
  MENU=$(e2e_wait_window FERVANO) || { cat "$WORK/run-$ed.log" >&2; fail "fervano-$ed from the package shows no menu"; }
  read -r w h < <(xdotool getwindowgeometry "$MENU" | awk '/Geometry/ {split($2, a, "x"); print a[1], a[2]}')
  [ "$w" = 918 ] && [ "$h" = 734 ] || fail "fervano-$ed menu is ${w}x${h}, not 918x734"
  icon=$(xprop -id "$MENU" _NET_WM_ICON)
  grep -q 'Icon (' <<<"$icon" || fail "fervano-$ed menu has no window icon: $icon"
  wmclass=$(grep '^StartupWMClass=' "$ROOT/usr/share/applications/fervano-$ed.desktop" | cut -d= -f2)
  xprop -id "$MENU" WM_CLASS | grep -q "\"$wmclass\"" ||
    fail "fervano-$ed window class $(xprop -id "$MENU" WM_CLASS) does not match StartupWMClass=$wmclass"
  kill "$APP_PID"
  wait "$APP_PID" 2>/dev/null || true
  APP_PID=
done
echo "package e2e: ok ($(basename "$DEB"))"
