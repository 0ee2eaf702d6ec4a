#!/usr/bin/env bash
# Runs every benchmark of the given build folder, one after the other.
set -euo pipefail
build="${1:-build-bench}"
"$build/bench/eigensolver_bench" --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
for extra in "$build"/bench/*_bench; do
  [ "$(basename "$extra")" = eigensolver_bench ] && continue
  [ -x "$extra" ] && "$extra"
done
