#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package of the program: <build folder>/tovimar_<version>_amd64.deb.
#   packaging/build-package.sh [BUILD_FOLDER]      (default: build-package)
# Installs the Debian packages the build needs, configures the build folder
# when it is new (Release), builds what the package holds (not the tests)
# and packs it with CPack.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-package}

scripts/install-dependencies.sh
# dpkg-shlibdeps (dpkg-dev) and file find the libraries the programs need.
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
for p in dpkg-dev file; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq dpkg-dev file
    break
  fi
done

if [ ! -f "$build/CMakeCache.txt" ]; then
  cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTOVIMAR_BENCHMARKS=OFF
fi
cmake --build "$build" -j"$(nproc)" --target package_contents
rm -f "$build"/tovimar_*.deb
(cd "$build" && cpack -G DEB)
ls "$build"/tovimar_*.deb
