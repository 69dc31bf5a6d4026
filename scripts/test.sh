#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds and runs every test, headless; ends with ctest's summary. Then the same
# whole suite again built with AddressSanitizer and UndefinedBehaviorSanitizer
# (build-asan/), then each fuzz target for a short bounded time (build-fuzz/).
#   scripts/test.sh               all three (what CI runs)
#   scripts/test.sh --rapide      the plain build's suite only
# FUZZ_SECONDS (default 25) sets the time of each fuzz target.
set -euo pipefail
cd "$(dirname "$0")/.."
quick=0
[ "${1:-}" = "--rapide" ] && quick=1
scripts/build.sh -DTOVIMAR_WARNINGS_AS_ERRORS=ON
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build --output-on-failure -j"$(nproc)"
# Every kind of file on a real full disk (a small tmpfs): needs root, else says it skipped.
scripts/test-full-disk.sh build
[ $quick -eq 1 ] && exit 0

echo "== Tests sous AddressSanitizer et UndefinedBehaviorSanitizer (build-asan)"
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTOVIMAR_SANITIZE=ON \
      -DTOVIMAR_BENCHMARKS=OFF "${launcher[@]}" >/dev/null
cmake --build build-asan -j"$(nproc)"
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:strict_string_checks=1:detect_stack_use_after_return=1
export LSAN_OPTIONS=suppressions=$PWD/scripts/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
ctest --test-dir build-asan --output-on-failure -j"$(nproc)"

echo "== Fuzzing, ${FUZZ_SECONDS:-25} s par cible (build-fuzz)"
scripts/fuzz.sh "${FUZZ_SECONDS:-25}"

echo "== Paquet Debian : construit, installé dans une racine Debian 12 neuve, essayé (build)"
packaging/test-package.sh build
