#!/usr/bin/env bash
# Without a display, or with a platform Qt lacks, both programs end with
# status 2 and one line in their language, as for a bad argument.
source "$(dirname "$0")/lib.sh"
unset DISPLAY WAYLAND_DISPLAY XDG_SESSION_TYPE QT_QPA_PLATFORM
check() {
  local want=$1 rc=0 err
  err=$("${@:2}" 2>&1 >/dev/null) || rc=$?
  [ "$rc" = 2 ] && [ "$err" = "$want" ] || fail "${*:2}: status $rc, said: $err"
}
pt="fervano-pt: nenhuma tela pôde ser aberta; experimente 'fervano-pt --help'."
check "$pt" "$1/fervano-pt"
check "$pt" env QT_QPA_PLATFORM=nonesuch "$1/fervano-pt"
check "fervano-es: no se pudo abrir ninguna pantalla; pruebe 'fervano-es --help'." "$1/fervano-es" -platform nonesuch
