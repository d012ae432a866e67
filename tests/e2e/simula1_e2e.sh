#!/usr/bin/env bash
# "Simulação 1" opens "ensaio1"; "Fase 1" draws the cable run with its marker
# row and the cross-section, writes the spacing and then shows "Fase 2".
source "$(dirname "$0")/lib.sh"
e2e_start "$1"
SHOTS="${SIMULA1_SHOTS:-$(mktemp -d)}"

# Colour of the pixel at a twip position of the window's client area.
pixel() {
  local x y
  read -r x y < <(xdotool getwindowgeometry "$WIN" | awk '/Position/ {split($2, a, ","); print a[1], a[2]}')
  e2e_pixel "$1" $((x + $2 / 15)) $((y + $3 / 15))
}
# Share of dark (text) pixels in a 40 x 20 pixel box at a twip position.
ink() {
  local x y
  read -r x y < <(xdotool getwindowgeometry "$WIN" | awk '/Position/ {split($2, a, ","); print a[1], a[2]}')
  convert "$1" -crop "40x20+$((x + $2 / 15))+$((y + $3 / 15))" +repage -colorspace gray -threshold 50% -negate \
    -format "%[fx:mean]" info:
}

e2e_launch pt
e2e_click_twips "$MENU" $((10800 + 1400)) $((2520 + 300))  # ensaio1
WIN=$(e2e_wait_window ensaio1)
xdotool getwindowgeometry "$WIN" | grep -q "Geometry: 1032x741" || fail "window is not 1032 x 741"
e2e_shot "$SHOTS/before.png"
[ "$(pixel "$SHOTS/before.png" 2760 10560)" = "192,192,192" ] || fail "Fase 2 shown before Fase 1"

# "Fase 1": 138 marker pauses of 15 ms; it shows Fase 2 at its end.
fase1() {
  e2e_shot "$SHOTS/fase1.png"
  [ "$(pixel "$SHOTS/fase1.png" 2760 10560)" != "192,192,192" ] || fail "Fase 2 not shown after Fase 1"
  # Picture1 at (360, 120): the bar, the last marker circle of radius 50 around (13900, 950).
  [ "$(pixel "$SHOTS/fase1.png" $((360 + 13900)) $((120 + 1040)))" = "117,128,134" ] || fail "no bar"
  [ "$(pixel "$SHOTS/fase1.png" $((360 + 13850)) $((120 + 950)))" = "0,128,134" ] || fail "no last marker"
  # Picture2 at (360, 5520): the outermost field ring, radius 480 around (8000, 2700).
  [ "$(pixel "$SHOTS/fase1.png" $((360 + 8480)) $((5520 + 2700)))" = "0,0,58" ] || fail "no outer ring"
  [ "$(pixel "$SHOTS/fase1.png" $((360 + 8520)) $((5520 + 2700)))" = "192,255,255" ] || fail "a ring too many"
  awk "BEGIN {exit !($(ink "$SHOTS/fase1.png" $((360 + 1950)) $((5520 + 510))) > 0.05)}" || fail "no spacing written"
}
e2e_click_twips "$WIN" $((480 + 700)) $((10320 + 250))
e2e_settle 30 fase1
kill "$APP_PID"
APP_PID=

e2e_launch es
e2e_click_twips "$MENU" $((10800 + 1400)) $((2520 + 300))
WIN=$(e2e_wait_window ensaio1)
xdotool getwindowgeometry "$WIN" | grep -q "Geometry: 935x741" || fail "Spanish window is not 935 x 741"
echo "simula1 e2e: ok"
