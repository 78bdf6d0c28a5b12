#!/usr/bin/env bash
# Long soak of the simulation: random kelvane-sim scripts over every boat type,
# dock layout and control, with the document's invariants checked after every
# step, in a Release build and again under AddressSanitizer and
# UndefinedBehaviorSanitizer.
#   scripts/soak.sh [--minutes N] [--seed S] [--strict]
# --minutes is the time for each build (default 1); --strict fails the run on
# a step that ends with the hull 1 ft or more inside a dock or piling.
set -euo pipefail
cd "$(dirname "$0")/.."
minutes=1
args=()
while [[ $# -gt 0 ]]; do
  case "$1" in
    --minutes) minutes="$2"; shift 2 ;;
    --seed) args+=(--seed "$2"); shift 2 ;;
    --strict) args+=(--strict); shift ;;
    *) echo "usage: scripts/soak.sh [--minutes N] [--seed S] [--strict]" >&2; exit 2 ;;
  esac
done
jobs=$(nproc)
cmake -S . -B build-release -DCMAKE_BUILD_TYPE=Release -DKELVANE_GUI=OFF -DKELVANE_BENCH=OFF >/dev/null
cmake --build build-release -j "$jobs" --target kelvane-soak >/dev/null
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DKELVANE_SANITIZE=ON -DKELVANE_BENCH=OFF >/dev/null
cmake --build build-asan -j "$jobs" --target kelvane-soak >/dev/null
echo "== Release"
build-release/kelvane-soak --steps 0 --minutes "$minutes" "${args[@]}"
echo "== AddressSanitizer and UndefinedBehaviorSanitizer"
build-asan/kelvane-soak --steps 0 --minutes "$minutes" "${args[@]}"
