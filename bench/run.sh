#!/usr/bin/env bash
# Runs the benchmarks of the given build folder, one after the other. The GUI
# benchmarks use Qt's offscreen platform unless QT_QPA_PLATFORM says otherwise.
set -euo pipefail
build="${1:-build-bench}/bench"
export QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}"
"$build/eigensolver_bench" --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
"$build/startup_bench" "$build/vorlix_startup_probe" "$build/bare_window_probe"
"$build/window_work_bench"
