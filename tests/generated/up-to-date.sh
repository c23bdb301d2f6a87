#!/usr/bin/env bash
# The files written from resources/data are committed; writing them again
# must give them back unchanged, so that no figure is edited by hand or left
# behind when the data change. The pages are written by the core, through the
# tool built beside the tests:
#   up-to-date.sh build/tests/write_pages
set -euo pipefail
repo=$(cd "$(dirname "$0")/../.." && pwd)
writer=${1:?usage: up-to-date.sh PATH/TO/write_pages}
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

"$writer" "$out"
failed=0
for page in normativa.htm TabelleUsufrutto.htm TabelleUsufruttoTempoDeterminato.htm; do
  committed=resources/companion/$page
  if ! diff -u "$repo/$committed" "$out/$page"; then
    echo "FAIL: $committed differs from what the core writes from the data"
    failed=1
  fi
done
[ $failed -eq 0 ] && echo "every generated file is up to date"
exit $failed
