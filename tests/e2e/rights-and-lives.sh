#!/usr/bin/env bash
# Several lives, the rights of use and habitation and the fixed term's limit
# on the command line and in a batch, with no display.
source "$(dirname "$0")/common.sh"
FAILED=0

run() {
  set +e
  env -i PATH="$PATH" HOME="$HOME" timeout 20 "$VELMORA" "$@" <"${INPUT:-/dev/null}" \
    >"$WORK/out" 2>"$WORK/err"
  RC=$?
  set -e
  OUT=$(cat "$WORK/out")
  ERR=$(cat "$WORK/err")
}
key() { python3 -c 'import json, sys; print(json.dumps(eval("json.load(open(sys.argv[1]))" + sys.argv[2]), ensure_ascii=False))' "$WORK/out" "$1"; }
field() { python3 -c 'import csv, sys; rows = list(csv.reader(open(sys.argv[1], newline=""), delimiter=";")); print(rows[int(sys.argv[2])][int(sys.argv[3])])' "$WORK/out" "$1" "$2"; }

# ---- two spouses: the youngest counts with accrual, the oldest without ----
for accrual in si no; do
  run vitalizio --valore 100000 --nascita 16/08/1946 --nascita 03/05/1950 \
    --accrescimento "$accrual" --data 07/12/2026 --formato json
  expect "spouses, accrual $accrual: valued" "$(is "$RC" 0)"
  [ "$accrual" = si ] && want='"30%"' || want='"25%"'
  expect "spouses, accrual $accrual: the share of the life that counts" \
    "$(is "$(key '["usufrutto"]["percentuale"]')" "$want")"
  expect "spouses, accrual $accrual: both lives" "$(is "$(key '["vite"][1]["eta_anni"]')" 76)"
done
expect "the rule is named" "$(is "$(key '["regola"]')" '"piu_anziano"')"
# Refused as the batch's row is, by the one case reader: a refused case.
run vitalizio --valore 100000 --nascita 16/08/1946 --nascita 03/05/1950 --data 07/12/2026
expect "two lives without the accrual: refused" "$(is "$RC" 1)"
expect "naming the option" "$(has "$ERR" "velmora: --accrescimento: con più date di nascita")"

run vitalizio --valore 100000 --nascita 16/08/1946 --diritto abitazione --data 07/12/2026
expect "the right of habitation is named in the report" \
  "$(has "$OUT" "Diritto di abitazione vitalizio al saggio")"
expect "and valued as the usufruct" "$(has "$OUT" "Diritto di abitazione: 25% – € 25.000,00")"

run tempo-determinato --valore 100000 --anni 30 --imposta successioni --nascita 01/01/1941 \
  --data 09/12/2026 --formato json
expect "the limit: the lifetime 20% is due" "$(is "$(key '["usufrutto"]["percentuale"]')" '"20%"')"
expect "with both values" "$(is "$(key '["limite"]["tempo_determinato"]["percentuale"]')" '"52,33%"')"

# ---- a batch of several lives ----
{
  printf 'pratica;tipo;valore;nascita;accrescimento;imposta;diritto;anni;data\n'
  printf 'C-1;vitalizio;100000;16/08/1946+03/05/1950;si;;;;07/12/2026\n'
  printf 'C-2;vitalizio;100000;16/08/1946+03/05/1950;no;;uso;;07/12/2026\n'
  printf 'C-3;vitalizio;100000;16/08/1946+03/05/1950;;;;;07/12/2026\n'
  printf 'C-4;tempo-determinato;100000;01/01/1941;;successioni;;30;09/12/2026\n'
} >"$WORK/vite.csv"
run lotto "$WORK/vite.csv"
expect "the batch has a refused row" "$(is "$RC" 1)"
expect "C-1: the youngest's age" "$(is "$(field 1 5);$(field 1 9);$(field 1 16)" "76;30%;piu_giovane")"
expect "C-2: the oldest's, a right of use" \
  "$(is "$(field 2 5);$(field 2 9);$(field 2 14);$(field 2 16)" "80;25%;uso;piu_anziano")"
expect "C-3: refused, the act must say which" "$(has "$(field 3 13)" "accrescimento")"
expect "C-4: the limit applied" "$(is "$(field 4 9);$(field 4 17)" "20%;applicato")"
expect "C-4: the beneficiary's age" "$(is "$(field 4 5)" "85")"
expect "keys follow the results" "$(is "$(field 4 20)" "C-4")"

[ "$FAILED" -eq 0 ] || exit 1
echo "rights and lives passed"
