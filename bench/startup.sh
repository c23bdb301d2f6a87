#!/usr/bin/env bash
# Start-up budget: time from launch to the first painted frame and peak
# resident memory of velmora, against a bare Qt Widgets program showing one
# QLabel, in one run on the same display. Prints the medians and both ratios;
# exits 1 when a ratio is over its goal (time 1.25, memory 1.3).
#   bash bench/startup.sh [runs]
set -euo pipefail
cd "$(dirname "$0")/.."
RUNS=${1:-9}
BUILD=build-bench

cmake -S . -B "$BUILD/velmora" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$BUILD/velmora" -j2 --target velmora >/dev/null
cmake -S bench/startup -B "$BUILD/bare" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$BUILD/bare" -j2 >/dev/null

display=:$((150 + RANDOM % 50))
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true' EXIT
sleep 1
export DISPLAY=$display QT_QPA_PLATFORM=xcb

measure() {
  VELMORA_STARTUP_PROBE=$(date +%s%N) timeout 20 "$1" 2>/dev/null | grep first-frame-ms
}

: >"$BUILD/velmora.txt"
: >"$BUILD/bare.txt"
measure "$BUILD/velmora/program/velmora" >/dev/null  # warm the file cache
measure "$BUILD/bare/bare_label" >/dev/null
for _ in $(seq "$RUNS"); do
  measure "$BUILD/velmora/program/velmora" >>"$BUILD/velmora.txt"
  measure "$BUILD/bare/bare_label" >>"$BUILD/bare.txt"
done

python3 - "$BUILD/velmora.txt" "$BUILD/bare.txt" <<'PY'
import statistics, sys
def medians(path):
    rows = [line.split() for line in open(path)]
    return (statistics.median(float(r[1]) for r in rows),
            statistics.median(float(r[3]) for r in rows), len(rows))
vt, vm, n = medians(sys.argv[1])
bt, bm, _ = medians(sys.argv[2])
print(f"runs: {n}")
print(f"velmora:    first frame {vt:7.1f} ms, peak RSS {vm/1024:6.1f} MiB (medians)")
print(f"bare label: first frame {bt:7.1f} ms, peak RSS {bm/1024:6.1f} MiB (medians)")
print(f"time ratio   {vt/bt:.2f} (goal <= 1.25)")
print(f"memory ratio {vm/bm:.2f} (goal <= 1.30)")
sys.exit(0 if vt / bt <= 1.25 and vm / bm <= 1.30 else 1)
PY
