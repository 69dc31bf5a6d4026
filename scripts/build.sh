#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Configures and builds everything into build/ (the program, the calculator, the tests, the benchmarks).
# Extra arguments go to CMake (scripts/test.sh asks for warnings as errors).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-dependencies.sh
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}" "$@" >/dev/null
cmake --build build -j"$(nproc)"
