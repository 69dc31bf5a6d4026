#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Printing the planning and the trisomy 21 letter into a PDF, timed as whole processes against a
# minimal one-page PDF written with QPrinter, in the same run; beside each page,
# its texts in their faces painted straight with QPainter (no layout of ours):
# what Qt's PDF engine alone costs for those glyphs. Then the in-process
# figures of planning_pdf_bench. Run from the repository after a build.
set -euo pipefail
cd "$(dirname "$0")/.."
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}
out=$(mktemp -d)
hyperfine --warmup 5 --runs "${RUNS:-40}" -N \
  "build/bench/pdf_once minimal $out/minimal.pdf" \
  "build/bench/pdf_once planning $out/planning.pdf" \
  "build/bench/pdf_once planning-straight $out/planning-straight.pdf" \
  "build/bench/t21_letter_pdf_once $out/t21_letter.pdf" \
  "build/bench/t21_letter_pdf_once $out/t21_letter-straight.pdf straight" \
  "build/bench/biometry_pdf_once report $out/biometry.pdf" \
  "build/bench/biometry_pdf_once report-straight $out/biometry-straight.pdf" \
  "build/bench/biometry_pdf_once chart $out/chart.pdf"
build/bench/planning_pdf_bench
build/bench/chart_paint_bench
rm -rf "$out"
