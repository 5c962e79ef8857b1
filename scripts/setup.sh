#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the program need,
# asking apt only for the ones that are missing so a second run is quick.
set -euo pipefail

packages=(
  g++ cmake ninja-build pkg-config
  qt6-base-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  clang libclang-rt-14-dev
  xvfb xauth xdotool imagemagick x11-utils libx11-dev
  fonts-liberation
  libcurl4-openssl-dev ca-certificates openssl python3
  libhamlib-dev libhamlib-utils python3-sgp4 python3-icalendar python3-ephem dbus-daemon
  gpsd gpsd-clients libgps-dev python3-gps
  desktop-file-utils appstream dpkg-dev file tzdata lintian help2man
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo_cmd=()
  [ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
