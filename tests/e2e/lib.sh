# Helpers for the end-to-end tests: the real programs in a real X server.
# Usage: source this file, then `e2e_start <build-dir>`; an X server runs on
# $DISPLAY until the script ends.
set -euo pipefail

e2e_start() {
  BUILD="$(cd "$1" && pwd)"
  export LC_ALL=C.UTF-8 QT_FONT_DPI=96 XDG_RUNTIME_DIR="$(mktemp -d)"
  unset QT_QPA_PLATFORM
  local n
  for n in $(seq 50 150); do
    [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] && continue
    Xvfb ":$n" -screen 0 1600x1200x24 -noreset -nolisten tcp >/dev/null 2>&1 &
    XVFB_PID=$!
    export DISPLAY=":$n"
    if e2e_until 5 xdpyinfo >/dev/null 2>&1; then
      trap e2e_stop EXIT
      return 0
    fi
    kill "$XVFB_PID" 2>/dev/null || true
  done
  echo "no X server could be started" >&2
  exit 1
}

e2e_stop() {
  [ -n "${APP_PID:-}" ] && kill "$APP_PID" 2>/dev/null || true
  [ -n "${XVFB_PID:-}" ] && kill "$XVFB_PID" 2>/dev/null || true
}

# Starts an edition (pt or es) and waits for the main menu "FERVANO".
e2e_launch() {
  "$BUILD/fervano-$1" >/tmp/fervano-e2e-$$.log 2>&1 &
  APP_PID=$!
  MENU=$(e2e_wait_window FERVANO)
}

# Waits for a visible window with exactly this title, and for it to be
# painted; prints its id.
e2e_wait_window() {
  local id
  id=$(e2e_until 10 e2e_find_window "$1") || { echo "window '$1' did not appear" >&2; return 1; }
  e2e_until 10 e2e_painted "$id" || { echo "window '$1' was not painted" >&2; return 1; }
  echo "$id"
}

# Prints the id of a visible window with exactly this title, if there is one.
e2e_find_window() {
  local id
  id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1 || true)
  [ -n "$id" ] && echo "$id"
}

# True once a window shows more than one colour: a window not yet painted is
# all black.
e2e_painted() {
  [ "$(import -window "$1" -format '%k' info: 2>/dev/null || echo 0)" -gt 1 ]
}

# Runs a command every 0.1 s until it succeeds, for at most <timeout>
# seconds: e2e_until <timeout> <command...>. Fails when it never did.
e2e_until() {
  local end=$((SECONDS + $1))
  shift
  until "$@"; do
    [ "$SECONDS" -lt "$end" ] || return 1
    sleep 0.1
  done
}

# Waits until a function whose checks call fail passes as a whole, for at
# most <timeout> seconds: e2e_settle <timeout> <function...>. The tries run
# quietly in a subshell; one more in this shell then fails the script with
# the message of the check that never passed.
e2e_settle() {
  local timeout=$1
  shift
  e2e_until "$timeout" e2e_quietly "$@" || "$@"
}
e2e_quietly() { ("$@") >/dev/null 2>&1; }

# Clicks at a point given in twips of a window's client area (zoom 1).
e2e_click_twips() {
  local win=$1 x=$(( $2 / 15 )) y=$(( $3 / 15 ))
  xdotool mousemove --window "$win" "$x" "$y" click 1
}

# Screenshot of the whole screen.
e2e_shot() { import -window root "$1"; }

# Colour of a pixel of a screenshot as "r,g,b".
e2e_pixel() {
  convert "$1" -format "%[fx:int(255*p{$2,$3}.r)],%[fx:int(255*p{$2,$3}.g)],%[fx:int(255*p{$2,$3}.b)]" info:
}

# Blue pixels in a rectangle (in pixels) of a screenshot.
blue_count() {
  convert "$1" -crop "$2" +repage -fill white +opaque 'rgb(0,0,255)' -fill black -opaque 'rgb(0,0,255)' \
    -format '%[fx:int(w*h*(1-mean)+0.5)]' info:
}

fail() {
  echo "FAIL: $*" >&2
  exit 1
}
