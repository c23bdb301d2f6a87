#!/usr/bin/env bash
# The service's throughput, not a timed test: single valuations a second with
# their p50 and p99 latency at 1, 16 and 256 connections (wrk), then a batch
# of ROWS rows through the API against velmora lotto on the same file, with
# the service's peak memory.
#   bench/server/run.sh [velmora] [seconds] [rows]
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
velmora=${1:-$here/../../build/program/velmora}
seconds=${2:-10}
rows=${3:-1000000}
command -v wrk >/dev/null || { echo "wrk is not installed (bash scripts/velmora deps)"; exit 1; }
work=$(mktemp -d)
trap 'kill "$pid" 2>/dev/null || true; rm -rf "$work"' EXIT

"$velmora" servizio --porta 0 2>"$work/log" &
pid=$!
port=
for _ in $(seq 1 50); do
  port=$(sed -n 's|.*in ascolto su http://127.0.0.1:\([0-9]*\)/.*|\1|p' "$work/log")
  [ -n "$port" ] && break
  sleep 0.1
done
[ -n "$port" ] || { cat "$work/log"; exit 1; }
url=http://127.0.0.1:$port

for connections in 1 16 256; do
  threads=$((connections < 2 ? 1 : 2))
  printf 'connections %d: ' "$connections"
  wrk -t"$threads" -c"$connections" -d"${seconds}s" -s "$here/valutazione.lua" \
    "$url/api/v1/valutazione" | grep '^p50_ms'
done

python3 - "$rows" >"$work/casi.csv" <<'ROWS'
import sys
print("tipo;valore;nascita;anni;data;saggio;diritto;accrescimento;imposta")
for i in range(int(sys.argv[1])):
    day = f"{1 + i % 28:02d}/{1 + i % 12:02d}/{2014 + i % 12}"
    if i % 3 == 0:
        print(f"vitalizio;{1000 + i % 99991},{i % 100:02d};{1 + i % 28:02d}/03/{1930 + i % 70};;{day};data;usufrutto;;registro")
    elif i % 3 == 1:
        print(f"vitalizio;{1000 + i % 99991};01/02/1940+03/04/1950;;{day};data;uso;si;successioni")
    else:
        print(f"tempo-determinato;{1000 + i % 99991};;{1 + i % 30};{day};data;usufrutto;;registro")
ROWS
start=$(date +%s.%N)
"$velmora" lotto "$work/casi.csv" >"$work/cli.csv" || true
cli=$(echo "$(date +%s.%N) - $start" | bc)
start=$(date +%s.%N)
curl -sf -H 'Content-Type: text/csv' --data-binary "@$work/casi.csv" "$url/api/v1/lotto" \
  -o "$work/api.csv"
api=$(echo "$(date +%s.%N) - $start" | bc)
cmp -s "$work/cli.csv" "$work/api.csv" && same=yes || same=no
peak=$(sed -n 's/^VmHWM:\s*//p' "/proc/$pid/status")
printf 'batch of %d rows: command line %.0f rows/s, API %.0f rows/s, same result %s, service peak %s\n' \
  "$rows" "$(echo "$rows / $cli" | bc -l)" "$(echo "$rows / $api" | bc -l)" "$same" "$peak"
