#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian 12 packages the program needs to build, run and be tested,
# and the French locale the program's users run (the tests run under it too).
# Idempotent; works as root or through sudo.
set -euo pipefail
packages=(cmake g++ ninja-build libgtest-dev libbenchmark-dev qt6-base-dev qt6-svg-dev
          libqt6sql6-sqlite qt6-translations-l10n xvfb xauth xdotool poppler-utils
          fonts-dejavu-core fonts-dejavu-extra hyperfine locales
          clang libclang-rt-14-dev clang-format ccache)
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installation des paquets : ${missing[*]}"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
fi
# fr_FR.UTF-8: the locale of the machines the program is for.
if ! locale -a 2>/dev/null | grep -qiE '^fr_FR\.utf-?8$'; then
  echo "Génération de la locale fr_FR.UTF-8"
  if grep -qE '^#? *fr_FR\.UTF-8 UTF-8' /etc/locale.gen; then
    $sudo sed -i -E 's/^# *(fr_FR\.UTF-8 UTF-8)/\1/' /etc/locale.gen
  else
    echo "fr_FR.UTF-8 UTF-8" | $sudo tee -a /etc/locale.gen >/dev/null
  fi
  $sudo locale-gen >/dev/null
fi
