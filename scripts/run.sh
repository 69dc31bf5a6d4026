#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds and starts Tovimar-S. Extra arguments go to the program (--sans-accueil skips the splash).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/build.sh
exec build/tovimar "$@"
