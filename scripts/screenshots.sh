#!/usr/bin/env bash
# Makes the pictures of the user's guide again: builds Release, then, on a virtual display,
# pictures every organiser, data window view, smaller window and wizard of a generated class-size
# year into docs/images/.
#
# Usage: scripts/screenshots.sh
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/deps.sh
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DVANTARO_BUILD_TESTS=OFF >/dev/null
cmake --build build/release --target vantaro-screenshots -j "$(nproc)" >/dev/null
mkdir -p docs/images
HOME=$(mktemp -d) xvfb-run -a -s "-screen 0 1400x1000x24" build/release/bench/vantaro-screenshots docs/images
