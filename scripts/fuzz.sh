#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the libFuzzer targets of fuzz/ with clang (build-fuzz/) and runs each in turn.
#   scripts/fuzz.sh [SECONDS] [TARGET...]     each target for SECONDS (default 600)
#   scripts/fuzz.sh --runs N [TARGET...]      each target for N inputs
# Targets: french_date french_number settings_record ultrasound_dating (default: all).
# The corpus grows in build-fuzz/corpus/<target> from the seeds of fuzz/corpus/<target>;
# a crash is kept as build-fuzz/crash-<target>-*. Each run's count is printed at the end.
set -euo pipefail
cd "$(dirname "$0")/.."
limit=(-max_total_time=600)
if [ "${1:-}" = "--runs" ]; then
  limit=(-runs="$2"); shift 2
elif [ -n "${1:-}" ] && [[ "$1" =~ ^[0-9]+$ ]]; then
  limit=(-max_total_time="$1"); shift
fi
targets=("$@")
[ ${#targets[@]} -eq 0 ] && targets=(french_date french_number settings_record ultrasound_dating)

scripts/install-dependencies.sh
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
      -DTOVIMAR_FUZZ=ON -DTOVIMAR_BENCHMARKS=OFF "${launcher[@]}" >/dev/null
cmake --build build-fuzz -j"$(nproc)" --target "${targets[@]/#/fuzz_}"

status=0
summary=""
for t in "${targets[@]}"; do
  corpus=build-fuzz/corpus/$t
  mkdir -p "$corpus"
  log=build-fuzz/fuzz-$t.log
  echo "== fuzz_$t ${limit[*]}"
  if build-fuzz/fuzz/fuzz_$t "${limit[@]}" -print_final_stats=1 -artifact_prefix="build-fuzz/crash-$t-" \
       "$corpus" "fuzz/corpus/$t" >"$log" 2>&1; then
    result="ok"
  else
    result="ÉCHEC (voir $log)"; status=1
    tail -n 30 "$log"
  fi
  runs=$(grep -o 'number_of_executed_units: [0-9]*' "$log" | tail -1 | grep -o '[0-9]*$' || echo "?")
  summary+="fuzz_$t: $runs exécutions, $result"$'\n'
done
printf '%s' "$summary"
exit $status
