#!/usr/bin/env bash
# Builds the libFuzzer targets with clang-14, AddressSanitizer and UndefinedBehaviorSanitizer in
# build/fuzz, and runs each from its seed corpus (tests/fuzz/corpus/<target>, plus the LHA fixtures
# for the archive reader): the archive reader, the archive unpacker and the data store reader.
#   scripts/fuzz.sh --short     a bounded run for scripts/test.sh (about a minute with the build)
#   scripts/fuzz.sh [SECONDS]   each target runs SECONDS (default 600); findings are written to
#                               build/fuzz/findings, the grown corpus is kept in build/fuzz/corpus
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=600
if [[ "${1:-}" == "--short" ]]; then
  seconds=15
elif [[ -n "${1:-}" ]]; then
  seconds=$1
fi

if ! command -v clang++-14 >/dev/null; then
  echo "fuzz.sh: clang++-14 is missing (scripts/deps.sh installs clang-14 and libclang-rt-14-dev)" >&2
  exit 1
fi

# Absolute paths: a target may change its current folder (the store reader writes its check's log
# in a private one).
build=$PWD/build/fuzz
jobs=$(nproc)
# No debug information: the build is part of the short run's minute.
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_FLAGS_RELEASE="-O1" \
  -DCMAKE_CXX_COMPILER=clang++-14 -DVANTARO_FUZZ=ON -DVANTARO_SANITIZE=ON \
  -DVANTARO_BUILD_UI=OFF -DVANTARO_BUILD_TESTS=OFF >/dev/null
targets=(fuzz_lha_archive fuzz_lha_unpack fuzz_store_read)
cmake --build "$build" -j "$jobs" --target "${targets[@]}"

mkdir -p "$build/findings"

# Runs one target; its output goes to build/fuzz/<target>.log.
run_target() {
  local target=$1
  local corpus="$build/corpus/$target"
  local seeds=("$PWD/tests/fuzz/corpus/${target#fuzz_}")
  [[ $target == fuzz_lha_archive ]] && seeds+=("$PWD/tests/data/lha")
  mkdir -p "$corpus"
  "$build/tests/fuzz/$target" "$corpus" "${seeds[@]}" -max_total_time="$seconds" -max_len=16384 \
    -timeout=10 -rss_limit_mb=2048 -artifact_prefix="$build/findings/$target-" -print_final_stats=1 \
    >"$build/$target.log" 2>&1
}

# The targets run side by side, one per core.
echo "fuzz.sh: ${targets[*]} for ${seconds}s each"
pids=()
for target in "${targets[@]}"; do
  run_target "$target" &
  pids+=($!)
done
status=0
for i in "${!targets[@]}"; do
  target=${targets[$i]}
  if wait "${pids[$i]}"; then
    echo "== $target: $(grep -E '^stat::number_of_executed_units' "$build/$target.log" | awk '{print $2}') runs, no fault"
  else
    tail -n 40 "$build/$target.log" >&2
    echo "fuzz.sh: $target found a fault; the input is in $build/findings" >&2
    status=1
  fi
done
exit $status
