#!/usr/bin/env bash
# Installs every Debian package Snapvale needs to build, run and test.
# Does nothing when all of them are already there.
set -euo pipefail

PACKAGES=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-svg-dev qt6-image-formats-plugins qt6-qpa-plugins
  libqt6svg6 libgl-dev
  libjpeg62-turbo-dev libpng-dev zlib1g-dev libtiff-dev libcups2-dev
  liblcms2-dev
  # HEIC/HEIF and AVIF: Debian 12's libheif1 carries its decoders built in, through
  # libde265 (HEVC) and libdav1d (AV1); named here so a missing one fails the install.
  libheif-dev libheif1 libde265-0 libdav1d6
  # "Keep faces in frame": OpenCV's object detection for the face finder module, and
  # the frontal-face cascade it reads at run time.
  libopencv-objdetect-dev libopencv-objdetect406 opencv-data
  fonts-liberation desktop-file-utils
  googletest libgtest-dev
  xvfb xauth locales
  cups cups-client cups-filters ghostscript printer-driver-cups-pdf poppler-utils
  # Translations (lrelease, Qt's own texts) and the Debian package: dpkg-shlibdeps for its
  # Depends, appstreamcli for the metainfo, groff and man-db for the man pages, the MIME
  # database tools for the file types.
  qt6-l10n-tools qt6-translations-l10n
  dpkg-dev appstream groff-base man-db shared-mime-info
)

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}" >&2
  export DEBIAN_FRONTEND=noninteractive
  $SUDO apt-get update -qq
  $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# The settings tests read and write decimals under a comma-decimal locale.
if ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
  $SUDO localedef -i de_DE -f UTF-8 de_DE.UTF-8 || echo "could not generate de_DE.UTF-8" >&2
fi
