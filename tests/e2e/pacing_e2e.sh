#!/usr/bin/env bash
# A click made while an animation runs waits for it and is then delivered:
# clicking Picture1 during "Fundamental" leaves the curve growing, and once the
# animation has ended the click clears Picture1 (Picture2 keeps its curve).
source "$(dirname "$0")/lib.sh"
e2e_start "$1"
SHOT=$(mktemp -d)/pacing.png

e2e_launch pt
e2e_click_twips "$MENU" $((10800 + 1400)) $((1080 + 300))
WIN=$(e2e_wait_window "Senoide Simples")
sleep 0.5
e2e_click_twips "$WIN" $((8400 + 480 + 960)) $((4560 + 840 + 180))  # Fundamental
sleep 1.5
e2e_click_twips "$WIN" $((1080 + 5000)) 300                          # Picture1, during the animation
sleep 1.5
import -window "$WIN" "$SHOT"
during=$(blue_count "$SHOT" 401x289+72+0)
[ "$during" -gt 20 ] || fail "the click cleared Picture1 during the animation ($during blue pixels)"
kill -0 "$APP_PID" || fail "the program ended"

# The animation lasts about ten seconds in all; then the held click clears Picture1.
for i in $(seq 1 40); do
  sleep 0.5
  import -window "$WIN" "$SHOT"
  p1=$(blue_count "$SHOT" 401x289+72+0)
  p2=$(blue_count "$SHOT" 401x289+560+0)
  [ "$p1" = 0 ] && [ "$p2" -gt 200 ] && break
done
[ "$p1" = 0 ] || fail "the click made during the animation was not delivered afterwards ($p1 blue pixels left)"
[ "$p2" -gt 200 ] || fail "Picture2 lost its curve ($p2 blue pixels)"
echo "pacing e2e: ok"
