#!/usr/bin/env bash
# Installs what is missing, builds Vantaro (Release) and starts it, with an optional data store.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/deps.sh
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DVANTARO_BUILD_TESTS=OFF >/dev/null
cmake --build build/release --target vantaro

if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" && -z "${QT_QPA_PLATFORM:-}" ]]; then
  echo "run.sh: no display to show the window on (DISPLAY is not set); run it in a desktop session or under xvfb-run" >&2
  exit 1
fi
exec build/release/src/app/vantaro "$@"
