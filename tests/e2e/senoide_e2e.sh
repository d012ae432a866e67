#!/usr/bin/env bash
# The single-phase window opens from the menu; "Fundamental" draws its blue
# sine point by point on Picture1 and the magnitude curve on Picture2.
source "$(dirname "$0")/lib.sh"
e2e_start "$1"
SHOT=$(mktemp -d)/senoide.png

e2e_launch pt
# "Senoides Monofasica": Command1 at 10800, 1080, 2895 x 615 twips.
e2e_click_twips "$MENU" $((10800 + 1400)) $((1080 + 300))
WIN=$(e2e_wait_window "Senoide Simples")
import -window "$WIN" "$SHOT"
# Picture1 is 1080, 0, 6015 x 4335 twips: 72, 0, 401 x 289 pixels.
[ "$(blue_count "$SHOT" 401x289+72+0)" = 0 ] || fail "Picture1 has blue pixels before Fundamental"

# "Fundamental" at 480, 840, 1935 x 375 inside Frame3 at 8400, 4560.
e2e_click_twips "$WIN" $((8400 + 480 + 960)) $((4560 + 840 + 180))
# The animation lasts about ten seconds.
drawn() {
  import -window "$WIN" "$SHOT"
  n=$(blue_count "$SHOT" 401x289+72+0)
  [ "$n" -gt 300 ] || fail "Picture1 shows only $n blue pixels after Fundamental"
  # The sine rises first: the crest at (1080 + 1941, 500) and the trough at
  # (1080 + 3826, 3500) twips.
  [ "$(e2e_pixel "$SHOT" 201 33)" = "0,0,255" ] || fail "no blue crest on Picture1: $(e2e_pixel "$SHOT" 201 33)"
  [ "$(e2e_pixel "$SHOT" 327 233)" = "0,0,255" ] || fail "no blue trough on Picture1: $(e2e_pixel "$SHOT" 327 233)"
  # The curve starts at x = 1000 twips: nothing blue left of it.
  [ "$(blue_count "$SHOT" 66x289+72+0)" = 0 ] || fail "blue pixels left of the vertical axis"
  # Picture2 (8400, 0): the magnitude curve lies above its axis at y = 2000 (133 px).
  up=$(blue_count "$SHOT" 401x133+560+0)
  down=$(blue_count "$SHOT" 401x150+560+139)
  [ "$up" -gt 200 ] && [ "$down" = 0 ] || fail "Picture2 magnitude curve: $up above, $down below the axis"
  # The axes stay green: Picture1's vertical axis at x = 1000 twips.
  [ "$(e2e_pixel "$SHOT" $((72 + 66)) 20)" = "0,255,0" ] || fail "no green axis on Picture1"
}
e2e_settle 60 drawn

# The Spanish edition opens the same window.
kill "$APP_PID" && wait "$APP_PID" 2>/dev/null || true
e2e_launch es
e2e_click_twips "$MENU" $((10800 + 1400)) $((1080 + 300))
e2e_wait_window "Senoide Simples" >/dev/null
echo "senoide e2e: ok"
