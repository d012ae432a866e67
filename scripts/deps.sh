#!/usr/bin/env bash
# Installs the Debian packages the build, the program and the tests need,
# when any of them is missing. Sourced by run.sh and test.sh.
# Only real packages are listed: a virtual one is never reported as
# installed, and would send every run to apt-get.
FERVANO_PACKAGES=(
  cmake g++ make pkg-config
  qt6-base-dev qt6-svg-dev qt6-translations-l10n libgl-dev
  libgtest-dev clang-format
  fonts-liberation2 fonts-urw-base35
  xvfb xauth xdotool x11-utils imagemagick
  desktop-file-utils appstream dpkg-dev file librsvg2-bin
)

# Prints the packages of the list that are not installed, one a line.
fervano_missing_deps() {
  local p have
  # dpkg-query fails when any package is unknown to it; under pipefail and
  # errexit that would end the function before it lists anything.
  have="$({ dpkg-query -W -f='${Package} ${Status}\n' "$@" 2>/dev/null || true; } | awk '/install ok installed$/ { print $1 }')"
  for p in "$@"; do
    grep -qx -- "$p" <<<"$have" || echo "$p"
  done
}

# Installs what is missing; when nothing is, no package tool runs.
fervano_install_deps() {
  local missing
  mapfile -t missing < <(fervano_missing_deps "$@")
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=()
  [ "$(id -u)" -ne 0 ] && sudo=(sudo)
  "${sudo[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq "${missing[@]}"
}
