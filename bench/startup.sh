#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Start-up to the main window's first paint (splash skipped), against a plain
# Qt window holding as many widgets and menu entries, measured in the same
# run; beside them, that plain window in the main window's typefaces and
# linked to the same Qt modules (what the composition costs beyond widgets);
# then the peak memory of the first and the program. Run from the repository
# after a build.
set -euo pipefail
cd "$(dirname "$0")/.."
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}
census=$(build/bench/main_window_census 2>/dev/null)
echo "Main window: $census"
baseline="build/bench/plain_window_baseline $census"
sameFaces="build/bench/plain_window_same_faces $census"
program="build/tovimar --sans-accueil --quitter-apres-affichage"
hyperfine --warmup 5 --runs "${RUNS:-40}" -N "$baseline" "$sameFaces" "$program"
for cmd in "$baseline" "$program"; do
  kb=$(/usr/bin/time -f %M $cmd 2>&1 >/dev/null | tail -1)
  echo "Peak memory of $cmd: $kb KiB"
done
