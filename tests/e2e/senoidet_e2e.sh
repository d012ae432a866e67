#!/usr/bin/env bash
# The three-phase window opens from the menu ("Senoides Trifasicas") in both
# editions; FUNDAMENTAL draws the grid and the three phase voltages, whose
# peaks lie 1500 twips above and below the axis of the upper surface.
source "$(dirname "$0")/lib.sh"
e2e_start "$1"
SHOT=$(mktemp -d)

# True when a colour (as #RRGGBB) appears in a box of pixels of a screenshot.
has_colour() {
  local colours
  colours=$(convert "$1" -crop "$4x$5+$2+$3" +repage -unique-colors -depth 8 txt:-)
  grep -qi "$6" <<<"$colours"
}

# True when a colour shows in a box of the window, on a fresh screenshot.
shows_colour() {
  import -window "$1" "$SHOT/w.png"
  has_colour "$SHOT/w.png" "${@:2}"
}

for ed in pt es; do
  e2e_launch "$ed"
  # Command2 at 10800, 1800, 2895 x 615 twips.
  e2e_click_twips "$MENU" $((10800 + 1400)) $((1800 + 300))
  WIN=$(e2e_wait_window "Senoide Trifasica")
  read -r w h < <(xdotool getwindowgeometry "$WIN" | awk '/Geometry/ {split($2, a, "x"); print a[1], a[2]}')
  [ "$w" = 1016 ] && [ "$h" = 741 ] || fail "$ed: client area is ${w}x${h}, not 1016x741"

  # FUNDAMENTAL: Frame2 at 7440, 0; the button at 240, 1680, 1935 x 375.
  e2e_click_twips "$WIN" $((7440 + 240 + 960)) $((1680 + 180))
  # Phase R (blue) has its trough at x = 1000 + 471·6 = 3826, y = 3500 on Picture1 (Left 1080):
  # it is the last of the three extremes drawn, so the curve is then well grown.
  e2e_until 30 shows_colour "$WIN" $(((1080 + 3826) / 15 - 3)) $((3500 / 15 - 3)) 7 7 "#0000FF" ||
    fail "$ed: the phase R trough was not drawn"
  # Its crest at x = 1000 + 157·6 = 1942, y = 500.
  has_colour "$SHOT/w.png" $(((1080 + 1942) / 15 - 3)) $((500 / 15 - 3)) 7 7 "#0000FF" ||
    fail "$ed: no phase R crest"
  # Phase S (green) and T (red) curves, the grey grid and the green axis.
  has_colour "$SHOT/w.png" 72 0 409 273 "#FF0000" || fail "$ed: no phase T curve"
  has_colour "$SHOT/w.png" $(((1080 + 1475) / 15)) 150 1 20 "#969696" || fail "$ed: no grid line"
  has_colour "$SHOT/w.png" 400 $((2000 / 15)) 20 1 "#00FF00" || fail "$ed: no axis"

  kill "$APP_PID"
  wait "$APP_PID" 2>/dev/null || true
  APP_PID=
done
rm -rf "$SHOT"
echo "senoidet e2e: ok"
