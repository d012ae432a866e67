#!/usr/bin/env bash
# Simulation 2 opened from the menu: "Canaleta Aberta" draws the cables, the
# trough outline and the field rings of cable 2 at once, in both editions.
source "$(dirname "$0")/lib.sh"
e2e_start "$1"

# Pixels of one colour ("r,g,b") in a part of a screenshot (x, y, w, h in pixels).
count_colour() {
  convert "$1" -crop "$4x$5+$2+$3" +repage -format %c histogram:info:- |
    awk -v c="($6)" '{ gsub(/ /, "", $2) } $2 == c { n += $1 } END { print n + 0 }'
}

run_open_trough() {
  local edition=$1 shot=/tmp/simula2-e2e-$$-$1.png
  e2e_launch "$edition"
  # ensaio2 at 10800, 3240, 2895 x 615 twips.
  e2e_click_twips "$MENU" $((10800 + 1400)) $((3240 + 300))
  win=$(e2e_wait_window Ensaio2)
  # "Canaleta Aberta": Command1 at 480, 10200, 1815 x 615.
  e2e_click_twips "$win" $((480 + 900)) $((10200 + 300))
  e2e_settle 20 open_trough_drawn "$edition" "$shot"
  kill "$APP_PID" 2>/dev/null || true
  wait "$APP_PID" 2>/dev/null || true
  APP_PID=
  [ -n "${KEEP:-}" ] || rm -f "$shot"
}

# The checks of the open trough on a fresh screenshot of the window $win.
open_trough_drawn() {
  local edition=$1 shot=$2 n
  import -window "$win" "$shot"

  # Picture2 starts at 8, 32 pixels. The floor of the trough runs at y = 5110
  # twips (pixel row 340) from x = 6907 to 10093 twips.
  [ "$(e2e_pixel "$shot" $((8 + 500)) $((32 + 340)))" = "0,0,0" ] || fail "$edition: no trough floor"
  [ "$(e2e_pixel "$shot" $((8 + 600)) $((32 + 340)))" = "0,0,0" ] || fail "$edition: no trough floor"
  # Cable 1 (green) around 7710, 4517 twips; cable 2 (blue) around 9290, 4517.
  n=$(count_colour "$shot" $((8 + 507)) $((32 + 294)) 14 14 "0,161,58")
  [ "$n" -gt 20 ] || fail "$edition: cable 1 has $n green pixels"
  n=$(count_colour "$shot" $((8 + 612)) $((32 + 294)) 14 14 "0,0,150")
  [ "$n" -gt 20 ] || fail "$edition: cable 2 has $n blue pixels"
  # The field of plastic, RGB(0,192,255), to the right of the trough.
  n=$(count_colour "$shot" $((8 + 700)) $((32 + 200)) 150 100 "0,192,255")
  [ "$n" -gt 2000 ] || fail "$edition: the field has $n points to the right of the trough"
  # The controls stay on top of the drawing: inside Frame2 its pale cyan
  # (the style shades it slightly), not a field point.
  e2e_pixel "$shot" $((8 + 740)) $((32 + 560)) | awk -F, '$1 > 110 && $1 < 140 && $2 > 240 && $3 > 240 { ok = 1 } END { exit !ok }' ||
    fail "$edition: Frame2 hidden"
}

run_open_trough pt
run_open_trough es
echo "simula2 e2e: ok"
