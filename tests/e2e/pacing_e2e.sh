#!/usr/bin/env bash
# A click made while an animation runs waits for it and is then delivered:
# clicking Picture1 during "Fundamental" leaves the curve growing, and once the
# animation has ended the click clears Picture1 (Picture2 keeps its curve).
source "$(dirname "$0")/lib.sh"
e2e_start "$1"
SHOT=$(mktemp -d)/pacing.png

# Blue pixels of Picture1 (72, 0, 401 x 289 pixels) left of the sine's crest
# (x 1000..1941 twips), drawn first, and right of 3000 twips, drawn last.
blue_left() { blue_count "$SHOT" 63x289+138+0; }
blue_right() { blue_count "$SHOT" 120x289+272+0; }
shot() { import -window "$WIN" "$SHOT"; }
left_drawn() { shot && [ "$(blue_left)" -gt 20 ]; }
right_drawn() { shot && [ "$(blue_right)" -gt 10 ]; }
delivered() {
  shot
  p1=$(blue_count "$SHOT" 401x289+72+0)
  p2=$(blue_count "$SHOT" 401x289+560+0)
  [ "$p1" = 0 ] && [ "$p2" -gt 200 ]
}

e2e_launch pt
e2e_click_twips "$MENU" $((10800 + 1400)) $((1080 + 300))
WIN=$(e2e_wait_window "Senoide Simples")
e2e_click_twips "$WIN" $((8400 + 480 + 960)) $((4560 + 840 + 180))  # Fundamental
e2e_until 20 left_drawn || fail "Fundamental drew nothing"
e2e_click_twips "$WIN" $((1080 + 5000)) 300                          # Picture1, during the animation
# A click delivered at once would clear the start of the curve for good.
e2e_until 30 right_drawn || fail "the curve stopped growing after the click"
during=$(blue_left)
[ "$during" -gt 20 ] || fail "the click cleared Picture1 during the animation ($during blue pixels)"
kill -0 "$APP_PID" || fail "the program ended"

# The animation lasts about ten seconds in all; then the held click clears Picture1.
e2e_until 30 delivered || true
[ "$p1" = 0 ] || fail "the click made during the animation was not delivered afterwards ($p1 blue pixels left)"
[ "$p2" -gt 200 ] || fail "Picture2 lost its curve ($p2 blue pixels)"
echo "pacing e2e: ok"
