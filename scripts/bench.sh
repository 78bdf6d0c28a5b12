#!/usr/bin/env bash
# Builds Release and prints every performance figure in one table with the
# machine's description: Step (open water, pressed against a pier, eleven
# contact passes), RenderFrame at 1280 x 800 on the software renderer (median
# and 95th percentile of single frames), the time from start to first frame,
# the CPU share and peak resident memory over 60 s of driving beside a bare Qt
# window clearing at the same frame rate (both measured in the same minute, on
# displays of their own), and the heap allocations of Step and RenderFrame.
#   scripts/bench.sh [--seconds N] [--profile]
# --profile adds where the time goes over one second of driving (perf).
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=60
profile=0
while [[ $# -gt 0 ]]; do
  case "$1" in
    --seconds) seconds="$2"; shift 2 ;;
    --profile) profile=1; shift ;;
    *) echo "usage: scripts/bench.sh [--seconds N] [--profile]" >&2; exit 2 ;;
  esac
done
jobs=$(nproc)
build=build-release
screen="-screen 0 1600x1000x24 -noreset"
cmake -S . -B $build -DCMAKE_BUILD_TYPE=Release -DKELVANE_BENCH=ON >/dev/null
cmake --build $build -j "$jobs" --target kelvane kelvane_bench kelvane_render_bench \
  kelvane_bare_window kelvane_core_tests kelvane_gui_tests kelvane-soak >/dev/null
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

median_of() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

echo "== Step (kelvane_bench)"
$build/kelvane_bench --benchmark_repetitions=10 --benchmark_min_time=0.3 \
  --benchmark_report_aggregates_only=true --benchmark_format=json >"$work/core.json"

echo "== RenderFrame (kelvane_render_bench under Xvfb)"
xvfb-run -a -s "$screen" $build/kelvane_render_bench --benchmark_min_time=2 \
  --benchmark_filter='boat:0/running:1' --benchmark_format=json >"$work/render.json" \
  2>"$work/render.err"
renderer=$(xvfb-run -a -s "$screen" $build/kelvane_render_bench --benchmark_filter=NONE 2>/dev/null |
  sed -n 's/^renderer: //p')

echo "== start to first frame (5 starts)"
# The first start in an empty folder asks to OK the missing settings file.
run_display() { xvfb-run -a -s "$screen" "$@"; }
cat >"$work/first.sh" <<'INNER'
#!/usr/bin/env bash
# argv: program, folder, repeats. Prints one start-to-first-frame time (ms) a line.
program=$1; folder=$2; here=$(dirname "$0")
cd "$folder"
"$program" 2>/dev/null & pid=$!
sleep 3; "$BENCH_KEYS" 800 500 Return; sleep 1; kill $pid; wait $pid 2>/dev/null
for ((i = 0; i < $3; ++i)); do
  start=$(date +%s%3N)
  KELVANE_FIRST_FRAME_STAMP=1 "$program" 2>"$here/stamp" & pid=$!
  for ((t = 0; t < 100; ++t)); do grep -q "first frame" "$here/stamp" && break; sleep 0.1; done
  kill $pid; wait $pid 2>/dev/null
  stamp=$(sed -n 's/.*first frame at \([0-9]*\) ms/\1/p' "$here/stamp")
  echo $((stamp - start))
done
INNER
chmod +x "$work/first.sh"
mkdir -p "$work/first"
export BENCH_KEYS=$PWD/bench/drive_keys.py
first_ms=$(run_display "$work/first.sh" "$PWD/$build/kelvane" "$work/first" 5 | median_of)

echo "== $seconds s of driving beside the bare window"
cat >"$work/drive.sh" <<'INNER'
#!/usr/bin/env bash
# argv: program, folder, seconds, drive (1: run and steer with the keys).
# Prints: CPU seconds used, wall seconds, peak resident kB.
program=$1; folder=$2; seconds=$3
cd "$folder"
"$program" 2>/dev/null & pid=$!
sleep 3
if [[ $4 == 1 ]]; then "$BENCH_KEYS" 800 500 F1 e e e e; fi
ticks() { awk '{ print $14 + $15 }' /proc/$pid/stat; }
t0=$(ticks); w0=$(date +%s.%N)
end=$(( $(date +%s) + seconds ))
while (( $(date +%s) < end )); do
  if [[ $4 == 1 ]]; then "$BENCH_KEYS" 800 500 j j j sleep:4 k l l l sleep:4 k; else sleep 8; fi
  if [[ -n "${BENCH_PROFILE:-}" && ! -f "$BENCH_PROFILE" ]]; then
    perf record -q -g -p $pid -o "$BENCH_PROFILE" -- sleep 1 >/dev/null 2>&1 || touch "$BENCH_PROFILE"
  fi
done
t1=$(ticks); w1=$(date +%s.%N)
hwm=$(awk '/VmHWM/ { print $2 }' /proc/$pid/status)
kill $pid; wait $pid 2>/dev/null
awk -v t="$((t1 - t0))" -v hz="$(getconf CLK_TCK)" -v w0="$w0" -v w1="$w1" -v m="$hwm" \
  'BEGIN { printf "%.2f %.2f %d\n", t / hz, w1 - w0, m }'
INNER
chmod +x "$work/drive.sh"
mkdir -p "$work/program" "$work/bare"
cp "$work/first/Persist.kvn" "$work/program/"
profile_file=""
[[ $profile == 1 ]] && profile_file=$work/perf.data
BENCH_PROFILE=$profile_file run_display "$work/drive.sh" "$PWD/$build/kelvane" "$work/program" \
  "$seconds" 1 >"$work/program.txt" &
run_display "$work/drive.sh" "$PWD/$build/kelvane_bare_window" "$work/bare" "$seconds" 0 \
  >"$work/bare.txt"
wait

echo "== heap allocations (the allocation tests count them)"
alloc_step=FAILED
$build/kelvane_core_tests --gtest_filter='*Allocat*' >/dev/null 2>&1 && alloc_step=0
alloc_render=FAILED
xvfb-run -a -s "$screen" $build/kelvane_gui_tests --gtest_filter='*Allocat*' >/dev/null 2>&1 &&
  alloc_render=0

/usr/bin/python3 - "$work" "$renderer" "$first_ms" "$alloc_step" "$alloc_render" <<'PY'
import json, os, platform, sys
work, renderer, first_ms, alloc_step, alloc_render = sys.argv[1:6]
def medians(path):
    out = {}
    text = open(path).read()
    for b in json.loads(text[text.index("{"):])["benchmarks"]:
        if b.get("aggregate_name") == "median":
            out[b["run_name"]] = b
    return out
core = medians(os.path.join(work, "core.json"))
text = open(os.path.join(work, "render.json")).read()
render = json.loads(text[text.index("{"):])["benchmarks"][0]  # after the renderer line
def us(name):
    b = next((v for k, v in core.items() if name in k), None)
    if b is None:
        return "n/a"
    scale = {"ns": 1e-3, "us": 1.0, "ms": 1e3}[b["time_unit"]]
    return f"{b['cpu_time'] * scale:.2f} µs"
def triple(path):
    cpu, wall, kb = open(path).read().split()
    return float(cpu) / float(wall), int(kb) / 1024
pcpu, pmem = triple(os.path.join(work, "program.txt"))
bcpu, bmem = triple(os.path.join(work, "bare.txt"))
model = next((l.split(":", 1)[1].strip() for l in open("/proc/cpuinfo") if l.startswith("model name")), "?")
load = open("/proc/loadavg").read().split()[:3]
print()
print(f"Machine: {model}, {os.cpu_count()} cores, {platform.system()} {platform.release()}, "
      f"load average {' '.join(load)}; renderer: {renderer}")
rows = [
    ("Step, open water", us("StepMotorboatFullAhead"), "≤ 2 µs"),
    ("Step, pressed against a pier", us("StepPressedAgainstPier"), ""),
    ("Contact stage, 11 passes", us("ResolveContactsElevenPasses"), "≤ 50 µs"),
    ("RenderFrame 1280 x 800, median", f"{render['p50_ms']:.2f} ms", "≤ 3 ms"),
    ("RenderFrame 1280 x 800, 95th percentile", f"{render['p95_ms']:.2f} ms", ""),
    ("Start to first frame (median of 5)", f"{first_ms} ms", "≤ 400 ms"),
    ("CPU share while driving: program / bare window",
     f"{100 * pcpu:.1f} % / {100 * bcpu:.1f} % (x {pcpu / bcpu:.2f})", "≤ x 2"),
    ("Peak resident memory: program / bare window",
     f"{pmem:.1f} MB / {bmem:.1f} MB (+{pmem - bmem:.1f} MB)", "≤ +15 MB"),
    ("Heap allocations per Step / per RenderFrame", f"{alloc_step} / {alloc_render}", "0"),
]
width = max(len(r[0]) for r in rows)
print(f"| {'Figure':<{width}} | Measured | Target |")
print(f"|{'-' * (width + 2)}|---|---|")
for r in rows:
    print(f"| {r[0]:<{width}} | {r[1]} | {r[2]} |")
PY
if [[ -n "$profile_file" && -s "$profile_file" ]]; then
  echo
  echo "== where one second of driving goes (perf, by shared object, then by symbol)"
  # (head closes the pipe early: that is no failure)
  perf report -i "$profile_file" --stdio --no-children -g none --sort dso 2>/dev/null |
    grep '%' | head -8 || true
  perf report -i "$profile_file" --stdio --no-children -g none --sort dso,sym 2>/dev/null |
    grep '%' | head -15 || true
fi
