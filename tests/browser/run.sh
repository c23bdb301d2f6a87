#!/usr/bin/env bash
# The page of velmora servizio in Debian's chromium.
#   tests/browser/run.sh PROGRAM
# Skips (77) only when chromium, pdftotext or playwright-core installed by
# `npm ci --prefix tests/browser` (scripts/velmora deps) is missing: nothing
# is downloaded here.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
for tool in node /usr/bin/chromium pdftotext pdfinfo; do
  if ! command -v "$tool" >/dev/null; then
    echo "$tool missing: run bash scripts/velmora deps"
    exit 77
  fi
done
if [ ! -d "$here/node_modules/playwright-core" ]; then
  echo "tests/browser/node_modules missing: run bash scripts/velmora deps"
  exit 77
fi
export VELMORA_PROGRAM=$1
exec node --test "$here/page.test.mjs"
