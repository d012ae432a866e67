#!/usr/bin/env bash
# Installs the Debian packages the build, the program and the tests need,
# when any of them is missing. Sourced by run.sh and test.sh.
FERVANO_PACKAGES=(
  cmake g++ make pkg-config
  qt6-base-dev qt6-svg-dev libqt6svg6-dev libgl-dev
  libgtest-dev libbenchmark-dev
  fonts-liberation2 fonts-urw-base35
  xvfb xauth xdotool x11-utils imagemagick
  desktop-file-utils dpkg-dev file librsvg2-bin
)

fervano_install_deps() {
  local missing=()
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=()
  [ "$(id -u)" -ne 0 ] && sudo=(sudo)
  "${sudo[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq "${missing[@]}"
}
