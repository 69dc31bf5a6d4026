#!/usr/bin/env bash
# Configures and builds everything into build/ (the program, the calculator, the tests, the benchmarks).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-dependencies.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)"
