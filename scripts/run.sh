#!/usr/bin/env bash
# Installs what building and running needs, builds the programs (no tests, no
# benchmarks), and runs the program.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-dependencies.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF -DKORVEL_BUILD_BENCH=OFF
cmake --build build

if [[ -x build/korvel && ( -n "${DISPLAY:-}" || -n "${WAYLAND_DISPLAY:-}" ) ]]; then
  exec build/korvel
fi
# Without a display, show the analysis on the sample truss: span 16, vertical load 10 at the apex.
exec build/korvel-solve --span 16 --load U4.V=10
