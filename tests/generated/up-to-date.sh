#!/usr/bin/env bash
# The files written from resources/data are committed; writing them again
# must give them back unchanged, so that no figure is edited by hand or left
# behind when the data change.
set -euo pipefail
repo=$(cd "$(dirname "$0")/../.." && pwd)
for tool in python3; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

python3 "$repo/resources/make-documents.py" "$out"
failed=0
for pair in "normativa.htm:resources/companion/normativa.htm" \
  "TabelleUsufrutto.htm:resources/companion/TabelleUsufrutto.htm" \
  "TabelleUsufruttoTempoDeterminato.htm:resources/companion/TabelleUsufruttoTempoDeterminato.htm"; do
  written=${pair%%:*}
  committed=${pair#*:}
  if ! diff -u "$repo/$committed" "$out/$written"; then
    echo "FAIL: $committed differs from what resources/ writes from the data"
    failed=1
  fi
done
[ $failed -eq 0 ] && echo "every generated file is up to date"
exit $failed
