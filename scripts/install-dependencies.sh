#!/usr/bin/env bash
# Installs the Debian 12 packages the program needs to build, run and be tested.
set -euo pipefail
packages=(cmake g++ ninja-build libgtest-dev libbenchmark-dev qt6-base-dev qt6-svg-dev
          libqt6sql6-sqlite qt6-translations-l10n xvfb xauth xdotool poppler-utils
          fonts-dejavu-core fonts-dejavu-extra hyperfine)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
echo "Installation des paquets : ${missing[*]}"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
