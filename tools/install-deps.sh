#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs the Debian packages that building, running and testing need, when missing.
# Extra package names may follow (`make fuzz` adds clang and its fuzzer runtime).
set -euo pipefail
packages=(cmake ninja-build g++ qt6-base-dev qt6-translations-l10n fonts-ipafont-gothic libgl-dev
          libbenchmark-dev
          xvfb xauth xdg-utils desktop-file-utils appstream poppler-utils dpkg-dev scdoc lintian
          libical-dev clang-format
          at-spi2-core dbus-daemon python3-pyatspi
          "$@")
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
