#!/usr/bin/env bash
# The Portuguese edition starts with its main menu at 918 x 734 pixels;
# "Sair" ends it with status 0; the Spanish edition ends with "Salir".
source "$(dirname "$0")/lib.sh"
e2e_start "$1"
ended() { ! kill -0 "$APP_PID" 2>/dev/null; }

e2e_launch pt
read -r w h < <(xdotool getwindowgeometry "$MENU" | awk '/Geometry/ {split($2, a, "x"); print a[1], a[2]}')
[ "$w" = 918 ] && [ "$h" = 734 ] || fail "menu client area is ${w}x${h}, not 918x734"

# "Sair": Command4 at 10800, 7800, 2895 x 615 twips.
e2e_click_twips "$MENU" $((10800 + 1400)) $((7800 + 300))
e2e_until 5 ended || fail "the program did not end after Sair"
wait "$APP_PID" && status=0 || status=$?
[ "$status" = 0 ] || fail "exit status $status"
APP_PID=

e2e_launch es
e2e_click_twips "$MENU" $((10800 + 1400)) $((7800 + 300))
e2e_until 5 ended || fail "the Spanish edition did not end after Salir"
APP_PID=
echo "menu e2e: ok"
