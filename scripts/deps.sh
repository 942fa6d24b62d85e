#!/usr/bin/env bash
# Installs the Debian 12 packages needed to build, test and run Vantaro; only those missing.
set -euo pipefail

packages=(
  g++ make cmake ninja-build          # compiler and build
  qt6-base-dev                        # Qt 6 Widgets, PrintSupport, Test, moc, offscreen platform
  qt6-svg-dev                         # the grid's SVG icons
  libgtest-dev                        # GoogleTest
  fonts-dejavu-core                   # a font for the interface and offscreen tests
  lhasa jlha-utils p7zip-full         # LHA peers the archive tests compare with
  clang-14 libclang-rt-14-dev         # libFuzzer and the sanitizers' runtime for fuzzing
  xvfb xauth                          # a virtual X display for the real-window smoke test
)

missing=()
for package in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$package")
done

if ((${#missing[@]} == 0)); then
  exit 0
fi

echo "Installing: ${missing[*]}"
if [[ $(id -u) -eq 0 ]]; then
  as_root=()
elif command -v sudo >/dev/null; then
  as_root=(sudo)
else
  echo "deps.sh: missing packages (${missing[*]}) and no root rights to install them" >&2
  exit 1
fi
export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" apt-get update -qq
"${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
