#!/usr/bin/env bash
# Builds Release and runs every benchmark under bench/, each printing ours, the peer's and the
# ratio, then prints all their figures again as one table with the goals that hold and those that
# do not. Generated stores are kept in build/release/bench/stores between runs.
#
# Usage: scripts/bench.sh [benchmark-name-part ...]   e.g. scripts/bench.sh store_open store_check
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/deps.sh
log=$(mktemp)
trap 'rm -f "$log"' EXIT

cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DVANTARO_BUILD_TESTS=OFF >/dev/null
cmake --build build/release --target benchmarks -j "$(nproc)" >"$log" || { cat "$log"; exit 1; }
: >"$log"

shopt -s nullglob
ran=0
for benchmark in build/release/bench/bench_*; do
  [[ -x "$benchmark" ]] || continue
  name=$(basename "$benchmark")
  if (($#)); then
    wanted=0
    for part in "$@"; do [[ "$name" == *"$part"* ]] && wanted=1; done
    ((wanted)) || continue
  fi
  echo "== $name" | tee -a "$log"
  "$benchmark" | tee -a "$log"
  ran=1
done
((ran)) || { echo "bench.sh: no benchmarks yet"; exit 0; }

echo
echo "== Summary ($(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ *//'))"
grep -E '^== |  .* ours ' "$log"
met=$(grep -c 'goal .*: met' "$log" || true)
missed=$(grep -c 'NOT MET' "$log" || true)
echo "Goals: $met met, $missed not met"
