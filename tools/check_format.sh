#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# One style, kept by a machine: every C++ source of the repository is as
# clang-format writes it with the repository's .clang-format. Names each file
# that is not and exits 1; `--fix` rewrites them instead.
#   tools/check_format.sh [--fix] [repository]
set -euo pipefail
fix=0
[ "${1:-}" = "--fix" ] && { fix=1; shift; }
root="${1:-$(dirname "$0")/..}"
cd "$root"
mapfile -d '' files < <(find src tests tools bench fuzz -type f \( -name '*.cpp' -o -name '*.h' \) \
                          -not -path 'tests/tools/layer_breach/*' -print0 | sort -z)
if [ $fix -eq 1 ]; then
  clang-format -i "${files[@]}"
  exit 0
fi
if ! clang-format --dry-run -Werror "${files[@]}" 2>/dev/null; then
  echo "Ces fichiers ne suivent pas .clang-format (tools/check_format.sh --fix les remet en forme) :"
  for f in "${files[@]}"; do
    clang-format --dry-run -Werror "$f" >/dev/null 2>&1 || echo "  $f"
  done
  exit 1
fi
