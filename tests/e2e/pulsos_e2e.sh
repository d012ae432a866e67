#!/usr/bin/env bash
# The pulse harmonics window opens from the last menu button; "Inicio" draws
# the small grid and the voltage curve on the upper surface, "Resultante del
# Neutro" the large grid and the white curve on the lower one.
source "$(dirname "$0")/lib.sh"
e2e_start "$1"
SHOT_DIR=$(mktemp -d)

# Screen pixel of a surface point: the surface's left/top in twips plus the
# point in twips, each in 15-twip pixels.
px() { echo $(( ($1 + 7) / 15 + $2 / 15 )); }
pixel_of() { e2e_pixel "$1" "$(px 120 "$2")" "$(px "$3" "$4")"; }

e2e_launch pt
e2e_click_twips "$MENU" $((10800 + 1400)) $((4080 + 360))
WIN=$(e2e_wait_window "Harmonicas Pulsos")
# "Inicio": 9120, 6960, 3375 x 615; the curve takes about a second.
upper() {
  import -window "$WIN" "$SHOT_DIR/pt.png"
  [ "$(pixel_of "$SHOT_DIR/pt.png" 3375 0 60)" = "50,50,50" ] || fail "no grid line at x = 3375 on the upper surface"
  [ "$(pixel_of "$SHOT_DIR/pt.png" 2900 0 60)" = "107,161,61" ] || fail "no marker line at x = 2900"
  [ "$(pixel_of "$SHOT_DIR/pt.png" 2900 0 2500)" = "50,50,50" ] || fail "the horizontal grid does not cover the marker crossing"
  [ "$(pixel_of "$SHOT_DIR/pt.png" 1200 0 2000)" = "0,255,0" ] || fail "no horizontal axis at y = 2000"
  [ "$(pixel_of "$SHOT_DIR/pt.png" 1000 0 2025)" = "0,0,255" ] || fail "the curve does not start at (1000, 2025)"
  [ "$(pixel_of "$SHOT_DIR/pt.png" 3375 4080 60)" = "192,192,192" ] || fail "the lower surface is not blank"
}
e2e_click_twips "$WIN" $((9120 + 1680)) $((6960 + 300))
e2e_settle 20 upper
kill "$APP_PID"
wait "$APP_PID" 2>/dev/null || true
APP_PID=

e2e_launch es
e2e_click_twips "$MENU" $((10800 + 1400)) $((4080 + 360))
WIN=$(e2e_wait_window "Harmonicas Pulsos")
# "Resultante del Neutro": 9120, 8520, 3375 x 615; about 2.4 s.
lower() {
  import -window "$WIN" "$SHOT_DIR/es.png"
  [ "$(pixel_of "$SHOT_DIR/es.png" 3375 4080 60)" = "50,50,50" ] || fail "no grid line at x = 3375 on the lower surface"
  [ "$(pixel_of "$SHOT_DIR/es.png" 2900 4080 3700)" = "107,161,61" ] || fail "the marker line does not cover the crossing"
  [ "$(pixel_of "$SHOT_DIR/es.png" 1000 4080 3225)" = "255,255,255" ] || fail "the white curve does not start at (1000, 3225)"
  [ "$(pixel_of "$SHOT_DIR/es.png" 3375 0 60)" = "192,192,192" ] || fail "the upper surface is not blank"
}
e2e_click_twips "$WIN" $((9120 + 1680)) $((8520 + 300))
e2e_settle 20 lower
rm -rf "$SHOT_DIR"
echo "pulsos e2e: ok"
