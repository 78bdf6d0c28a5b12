#!/usr/bin/env bash
# Line coverage of src/ by the core tests and the window tests, measured with gcovr
# in its own build folder (build-coverage). Prints one line per layer and the total:
#   scripts/coverage.sh            core and window tests
#   scripts/coverage.sh --core     core tests only (no display needed)
# The figures recorded in docs/coverage.md come from this script; a change to the
# tests should leave them no more than one point lower.
set -euo pipefail
cd "$(dirname "$0")/.."

core_only=0
[[ "${1:-}" == "--core" ]] && core_only=1

if ! command -v gcovr >/dev/null; then
  sudo_cmd=()
  [[ $(id -u) -ne 0 ]] && sudo_cmd=(sudo)
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y --no-install-recommends gcovr
fi

dir=build-coverage
gui=ON
((core_only)) && gui=OFF
cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS="--coverage" \
  -DCMAKE_EXE_LINKER_FLAGS="--coverage" -DKELVANE_BENCH=OFF -DKELVANE_GUI="$gui" >/dev/null
nice cmake --build "$dir" -j "$(nproc)"

# Counters from an earlier run would add to this one.
find "$dir" -name '*.gcda' -delete
ctest --test-dir "$dir" --output-on-failure -j "$(nproc)" -LE gui || true
if ((!core_only)) && [[ -f "$dir/kelvane_gui_tests" ]]; then
  xvfb-run -a -s "-screen 0 1600x1000x24" ctest --test-dir "$dir" --output-on-failure -j 1 -L gui || true
fi

# One figure per layer: the core (no Qt), the Qt shell, the headless runner.
layer() {
  local name=$1; shift
  local filters=()
  for f in "$@"; do filters+=(--filter "$f"); done
  local pct
  pct=$(gcovr -r . --object-directory "$dir" "${filters[@]}" 2>/dev/null |
        awk '/^TOTAL/{printf "%d %d %.1f%%", $2, $3, $2 ? 100 * $3 / $2 : 0}')
  printf '%-8s %s\n' "$name" "$pct"
}
echo "layer    lines covered percent"
layer core 'src/(common|boat|simulation|docks|controls|document)/'
((core_only)) || layer shell 'src/(render|app|dialogs)/'
layer tools 'tools/'
((core_only)) || layer src 'src/'
