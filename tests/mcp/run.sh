#!/usr/bin/env bash
# The protocol's own client against velmora mcp.
#   tests/mcp/run.sh PROGRAM
# Skips (77) only when node or the SDK installed by `npm ci --prefix tests/mcp`
# (scripts/velmora deps) is missing: nothing is downloaded here.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
if ! command -v node >/dev/null || [ ! -d "$here/node_modules/@modelcontextprotocol/sdk" ]; then
  echo "node or tests/mcp/node_modules missing: run bash scripts/velmora deps"
  exit 77
fi
exec node "$here/client.mjs" "$1"
