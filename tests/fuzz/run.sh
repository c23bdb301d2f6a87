#!/usr/bin/env bash
# Builds the text fuzzer with clang and runs it for a bounded time.
#   tests/fuzz/run.sh [build-dir] [seconds]
# Exits non-zero when the fuzzer finds a crash, a broken invariant or a hang;
# the input that did it is left in the build directory as crash-*, timeout-*
# or oom-*.
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
repo=$(cd "$here/../.." && pwd)
build=${1:-$repo/build-fuzz}
seconds=${2:-60}

CC=clang CXX=clang++ cmake -S "$repo" -B "$build" -DVELMORA_FUZZ=ON \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$build" -j2 --target fuzz_texts

# New inputs go to a scratch corpus so that the committed seeds stay as they are.
corpus=$(mktemp -d)
trap 'rm -rf "$corpus"' EXIT
cp "$here"/corpus/* "$corpus"/

"$build/tests/fuzz/fuzz_texts" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
  -max_len=4096 -artifact_prefix="$build/" "$corpus"
