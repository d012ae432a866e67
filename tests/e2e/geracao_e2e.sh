#!/usr/bin/env bash
# The generation window opened from the menu of the Portuguese edition: "go"
# turns the generator, "Geração" draws the curves and reveals the power
# panels, and three steps of the phase angle draw the triangle.
source "$(dirname "$0")/lib.sh"
e2e_start "$1"
SHOT=$(mktemp --suffix=.png)

e2e_launch pt
# The menu button "Geração" at 10800, 360, 2895 x 615 twips.
e2e_click_twips "$MENU" $((10800 + 1400)) $((360 + 300))
WIN=$(e2e_wait_window "Geração")
read -r WX WY < <(xdotool getwindowgeometry "$WIN" | awk '/Position/ {split($2, a, ","); print a[1], a[2]}')

# Colour of the window's pixel at a point given in twips.
pixel() { e2e_pixel "$SHOT" $((WX + $1 / 15)) $((WY + $2 / 15)); }
expect() {
  local got
  got=$(pixel "$1" "$2")
  [ "$got" = "$3" ] || fail "$4: pixel at $1,$2 twips is $got, not $3"
}

before_go() {
  e2e_shot "$SHOT"
  expect $((3600 + 200)) $((6120 + 300)) "255,255,255" "the electromagnet picture before go"
  expect $((4440 + 3000)) $((480 + 1000)) "224,224,224" "the empty waveform surface"
}
e2e_settle 5 before_go

# "go" at 720, 960, 3015 x 495; its animation lasts 631 steps of 15 ms, and
# hides the electromagnet at its end.
after_go() {
  e2e_shot "$SHOT"
  expect $((10920 + 2000)) $((480 + 1900)) "0,0,255" "the generator's core"
  expect $((10920 + 2000 + 1050)) $((480 + 1900)) "255,0,0" "the generator's ring"
  expect $((10920 + 2000 + 1250)) $((480 + 1900)) "0,255,255" "the generator's rim"
  expect $((4440 + 3000)) $((480 + 2000)) "255,255,255" "the white axis"
  expect $((4440 + 1000)) $((480 + 3000)) "0,0,0" "the black axis"
  expect $((3600 + 200)) $((6120 + 300)) "192,192,192" "the electromagnet hidden after go"
  expect $((360 + 200)) $((5520 + 250)) "192,192,192" "the cycle explanation still hidden"
}
e2e_click_twips "$WIN" $((720 + 1500)) $((960 + 250))
e2e_settle 60 after_go

# "Geração" at 720, 1560, 3015 x 495: 631 steps of 23 ms in this edition;
# the panels show at its end.
after_generation() {
  e2e_shot "$SHOT"
  expect $((360 + 200)) $((5520 + 250)) "255,255,0" "the cycle explanation"
  expect $((360 + 3500)) $((6840 + 3500)) "0,0,0" "the triangle panel"
  expect $((4440 + 3000)) $((480 + 4000)) "0,255,0" "the power axis"
}
e2e_click_twips "$WIN" $((720 + 1500)) $((1560 + 250))
e2e_settle 90 after_generation

# A click on the right arrow of HScroll1 (in Frame1 at 4920, 7440; the bar
# at 840, 360, 3735 x 255), then two Right keys: each change runs the
# animation again, the keys waiting for the run before. (A second click on
# the arrow while its run goes on would be dropped.)
e2e_click_twips "$WIN" $((4920 + 840 + 3735 - 90)) $((7440 + 360 + 127))
xdotool key --delay 30 Right Right
after_steps() {
  e2e_shot "$SHOT"
  expect $((360 + 2600)) $((6840 + 2500)) "255,255,255" "the active power side of the triangle"
  # Three steps (0.03 rad): the reactive side rises 75 twips; one step would give 25.
  expect $((360 + 2799)) $((6840 + 2440)) "100,255,100" "the reactive power side after three steps"
  expect $((4440 + 3000)) $((480 + 4000)) "0,255,0" "the power axis after the re-run"
}
e2e_settle 30 after_steps
[ -n "${GERACAO_SHOT:-}" ] && cp "$SHOT" "$GERACAO_SHOT"

rm -f "$SHOT"
echo "geracao e2e: ok"
