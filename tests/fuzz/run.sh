#!/usr/bin/env bash
# Builds the fuzzers with clang and runs them for a bounded time in all,
# shared between them.
#   tests/fuzz/run.sh [build-dir] [seconds]
# Exits non-zero when a fuzzer finds a crash, a broken invariant or a hang;
# the input that did it is left in the build directory as crash-*, timeout-*
# or oom-*.
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
repo=$(cd "$here/../.." && pwd)
build=${1:-$repo/build-fuzz}
seconds=${2:-60}

CC=clang CXX=clang++ cmake -S "$repo" -B "$build" -DVELMORA_FUZZ=ON \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo
targets=(fuzz_texts fuzz_csv fuzz_legal_data fuzz_mcp fuzz_service_request)
cmake --build "$build" -j2 --target "${targets[@]}"

# New inputs go to scratch corpora so that the committed seeds stay as they are.
corpus=$(mktemp -d)
trap 'rm -rf "$corpus"' EXIT
for target in "${targets[@]}"; do
  mkdir -p "$corpus/$target"
  cp "$here/corpus/$target"/* "$corpus/$target"/
done
# The built-in data files are seeds of the data reader too, with its words.
cp "$repo"/resources/data/*.tsv "$corpus/fuzz_legal_data"/
declare -A extra=([fuzz_legal_data]="-max_len=8192 -dict=$here/legal_data.dict")
# A fuzzer works on one core: as many run at once as there are cores, each
# for its share of the time, and each one's output is shown when it ends.
share=$((seconds / ${#targets[@]}))
declare -A running=()
status=0
finish_one() {
  local pid
  wait -n -p pid "${!running[@]}" || { echo "FAIL: ${running[$pid]}"; status=1; }
  cat "$build/${running[$pid]}.log"
  unset "running[$pid]"
}
for target in "${targets[@]}"; do
  [ ${#running[@]} -lt "$(nproc)" ] || finish_one
  # shellcheck disable=SC2086 # the extra options are words
  "$build/tests/fuzz/$target" -max_total_time="$share" -timeout=10 \
    -rss_limit_mb=2048 -max_len=4096 ${extra[$target]:-} -artifact_prefix="$build/$target-" \
    "$corpus/$target" >"$build/$target.log" 2>&1 &
  running[$!]=$target
done
while [ ${#running[@]} -gt 0 ]; do finish_one; done
exit "$status"
