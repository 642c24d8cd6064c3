#!/usr/bin/env bash
# Installs the Debian packages Quorvane builds, runs and tests with.
# Quick when everything is already there: apt is only asked for what is missing.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev qt6-base-dev-tools libgl-dev
  libsane-dev sane-utils
  libzxing-dev
  libjpeg62-turbo-dev
  libtiff-dev libtiff-tools qpdf poppler-utils libzint-dev zint libzbar-dev
  qt6-image-formats-plugins
  xvfb xauth
  clang
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
if ((${#missing[@]} == 0)); then
  exit 0
fi

SUDO=""
if [[ $(id -u) -ne 0 ]]; then SUDO="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
echo "Installing: ${missing[*]}"
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
