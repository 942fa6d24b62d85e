#!/usr/bin/env bash
# Builds Release and runs every benchmark under bench/, each printing ours, the peer's and the ratio.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/deps.sh
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DVANTARO_BUILD_TESTS=OFF >/dev/null
cmake --build build/release

shopt -s nullglob
ran=0
for benchmark in build/release/bench/bench_*; do
  [[ -x "$benchmark" ]] || continue
  echo "== $(basename "$benchmark")"
  "$benchmark"
  ran=1
done
((ran)) || echo "bench.sh: no benchmarks yet"
