#!/usr/bin/env bash
# Installs what is missing, builds everything with the sanitizers and runs the whole suite.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/deps.sh
jobs=$(nproc)
cmake -S . -B build/test -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVANTARO_SANITIZE=ON >/dev/null
cmake --build build/test -j "$jobs"
ctest --test-dir build/test --output-on-failure -j "$jobs"
# The real program on a virtual display: it starts on a store, shows its window and ends cleanly.
scripts/smoke.sh build/test

if [[ -x scripts/fuzz.sh ]]; then
  scripts/fuzz.sh --short
fi
