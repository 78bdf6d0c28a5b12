#!/usr/bin/env bash
# Runs each fuzzer (boat file, settings file, kelvane-sim script reader) under
# AddressSanitizer and UndefinedBehaviorSanitizer for as long as asked, from
# the seed corpus, and prints the inputs each ran. A crash or a sanitizer
# report stops that fuzzer, leaves the input as build-fuzz/crash-* and makes
# the script fail.
#   scripts/fuzz.sh [--minutes N]   (N minutes for each fuzzer, default 1)
set -euo pipefail
cd "$(dirname "$0")/.."
minutes=1
while [[ $# -gt 0 ]]; do
  case "$1" in
    --minutes) minutes="$2"; shift 2 ;;
    *) echo "usage: scripts/fuzz.sh [--minutes N]" >&2; exit 2 ;;
  esac
done
seconds=$(awk -v m="$minutes" 'BEGIN { printf "%d", m * 60 }')
cmake -S . -B build-fuzz -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=Debug -DKELVANE_FUZZ=ON \
  -DKELVANE_GUI=OFF -DKELVANE_BENCH=OFF >/dev/null
cmake --build build-fuzz -j "$(nproc)" >/dev/null
corpus=build-fuzz/fuzz-corpus
build-fuzz/kelvane_fuzz_seeds "$corpus"
failed=0
for target in boat:fuzz_boat_file settings:fuzz_settings_file script:fuzz_script_reader; do
  folder=${target%%:*}
  fuzzer=${target#*:}
  extra=()
  [[ $folder == script ]] && extra=(-dict=fuzz/script_words.dict)
  log=build-fuzz/$fuzzer.log
  if build-fuzz/"$fuzzer" -max_total_time="$seconds" -print_final_stats=1 \
      -artifact_prefix=build-fuzz/ "${extra[@]}" "$corpus/$folder" >"$log" 2>&1; then
    outcome="no crash, no sanitizer report"
  else
    outcome="FAILED (see $log)"
    failed=1
  fi
  runs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$' || echo "?")
  echo "$fuzzer: $runs inputs in $minutes min: $outcome"
done
exit $failed
