#!/usr/bin/env bash
# Builds the fuzzers with clang and runs them for a bounded time, shared
# between the number and date texts and the legal data files.
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
cmake --build "$build" -j2 --target fuzz_texts fuzz_legal_data

# New inputs go to scratch corpora so that the committed seeds stay as they are.
texts=$(mktemp -d)
data=$(mktemp -d)
trap 'rm -rf "$texts" "$data"' EXIT
cp "$here"/corpus/* "$texts"/
# The built-in data files are seeds of the data reader too.
cp "$here"/corpus-data/* "$repo"/resources/data/*.tsv "$data"/

"$build/tests/fuzz/fuzz_texts" -max_total_time=$((seconds / 2)) -timeout=10 \
  -rss_limit_mb=2048 -max_len=4096 -artifact_prefix="$build/" "$texts"
"$build/tests/fuzz/fuzz_legal_data" -max_total_time=$((seconds - seconds / 2)) -timeout=10 \
  -rss_limit_mb=2048 -max_len=8192 -dict="$here/legal_data.dict" -artifact_prefix="$build/" \
  "$data"
