#!/usr/bin/env bash
# Installs every Debian package Snapvale needs to build, run and test.
# Does nothing when all of them are already there.
set -euo pipefail

PACKAGES=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-svg-dev qt6-image-formats-plugins qt6-qpa-plugins
  libqt6svg6 libgl-dev
  libjpeg62-turbo-dev libpng-dev zlib1g-dev libtiff-dev libcups2-dev
  fonts-liberation desktop-file-utils
  googletest libgtest-dev
  xvfb xauth
  cups cups-client cups-filters ghostscript printer-driver-cups-pdf poppler-utils
)

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "Installing: ${missing[*]}" >&2
SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
