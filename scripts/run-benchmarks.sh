#!/usr/bin/env bash
# Runs both benchmark programs with JSON output, then prints the machine and
# the table of figures (each benchmark beside its baseline from the same run)
# as markdown for BENCHMARKS.md; the table is also left in BUILD/benchmarks/figures.md.
# Usage: scripts/run-benchmarks.sh [BUILD]   (default: build)
set -euo pipefail

build=${1:-build}
# Absolute: the editor's start-up changes the working folder to its program folder.
out=$(cd "$build" && pwd)/benchmarks
mkdir -p "$out"
"$build/bin/tolvane-bench" --benchmark_out="$out/core.json" --benchmark_out_format=json
QT_QPA_PLATFORM=offscreen "$build/bin/tolvane-app-bench" --benchmark_out="$out/app.json" --benchmark_out_format=json
python3 "$(dirname "$0")/bench-table.py" "$build" "$out/core.json" "$out/app.json" | tee "$out/figures.md"
