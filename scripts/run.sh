#!/usr/bin/env bash
# Sets up, builds and starts Kelvane.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j "$(nproc)"
if [[ -x build/kelvane ]]; then
  exec build/kelvane "$@"
fi
# Until the window exists: the headless runner on the demo scenario.
exec build/kelvane-sim scenarios/demo.sim "$@"
