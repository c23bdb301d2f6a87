#!/usr/bin/env bash
# The two valuations and the batch on the command line, with no display at
# all: their outputs in the three formats, the window's messages for refused
# cases, broken CSV named by its line, and every exit status.
source "$(dirname "$0")/common.sh"
FAILED=0

# Runs the program in an environment without DISPLAY or WAYLAND_DISPLAY;
# standard input from $INPUT when set.
INPUT=/dev/null
# With ON_DAY set, on that day.
run() {
  on_day_clock
  local clock=("${CLOCK[@]}")
  [ ${#ON_DAY_CLOCK[@]} -eq 0 ] || clock=("${ON_DAY_CLOCK[@]}")
  set +e
  env -i PATH="$PATH" HOME="$HOME" "${clock[@]}" timeout 20 "$VELMORA" "$@" <"$INPUT" >"$WORK/out" 2>"$WORK/err"
  RC=$?
  set -e
  OUT=$(cat "$WORK/out")
  ERR=$(cat "$WORK/err")
}

line() { sed -n "$1p" <<<"$OUT"; }

WARNING="Attenzione: la tabella 2016 (saggio dello 0,2%) non è quella in vigore il 7 dicembre 2026: a quella data si applica il saggio del 2,5%; per questo usufrutto le due tabelle danno la stessa quota, il 25%."
HEADER="tipo;valore;nascita;anni;data;eta_anni;eta_mesi;eta_giorni;saggio;perc_usufrutto;perc_nuda_proprieta;usufrutto;nuda_proprieta;errore;diritto;imposta;regola;limite;fonte_dati;avvertenza"

# ---- lifetime: the worked example of the 2016 table ----
run vitalizio --valore 100000 --nascita 16081946 --data 07/12/2026 --saggio 2016 --formato csv
expect "lifetime csv exits 0" "$(is "$RC" 0)"
expect "lifetime csv header" "$(is "$(line 1)" "$HEADER")"
expect "lifetime csv figures" \
  "$(is "$(line 2)" "vitalizio;100000;16081946;;07/12/2026;80;3;21;0,2%;25%;75%;25000,00;75000,00;;usufrutto;registro;una_vita;;incorporati;\"$WARNING\"")"
expect "lifetime csv: two lines" "$(is "$(wc -l <"$WORK/out")" 2)"
expect "the 2016 table for an act of 2026 is said not to be in force" \
  "$(is "$ERR" "velmora: $WARNING")"

run vitalizio --valore 250.000 --nascita "3 maggio 1950" --data 09/12/2026 --formato json
expect "lifetime json exits 0" "$(is "$RC" 0)"
# A key of the JSON on standard output, as Python reads it.
key() { python3 -c 'import json, sys; print(json.dumps(eval("json.load(open(sys.argv[1]))" + sys.argv[2]), ensure_ascii=False))' "$WORK/out" "$1"; }
expect "json names the usufruct's share" "$(is "$(key '["usufrutto"]["percentuale"]')" '"30%"')"
expect "json names the bare ownership" "$(is "$(key '["nuda_proprieta"]["percentuale"]')" '"70%"')"
expect "json states the rate used" "$(is "$(key '["saggio"]')" '"2,5%"')"
expect "json states the floor" "$(is "$(key '["minimo"]')" true)"
expect "json gives the exact value" "$(is "$(key '["valore"]')" '"250000.00"')"
expect "json parses, amounts add up" "$(python3 -c '
import json, sys
from decimal import Decimal
o = json.load(open(sys.argv[1]))
u, n = o["usufrutto"], o["nuda_proprieta"]
ok = Decimal(u["importo"]) + Decimal(n["importo"]) == Decimal(o["valore"])
ok = ok and u["testo"].startswith("€ ") and u["lettere"].endswith("/" + u["importo"][-2:])
print(1 if ok else 0)' "$WORK/out")"

run vitalizio --valore 100000 --nascita 16/08/1946 --data 07/12/2026 --saggio 2016
expect "lifetime report exits 0" "$(is "$RC" 0)"
expect "the report has its title" "$(has "$OUT" "PROSPETTO DI CALCOLO")"
expect "the report has the usufruct" "$(has "$OUT" "25.000,00")"
expect "the report has the words" "$(has "$OUT" "venticinquemila/00")"

# ---- fixed term ----
run tempo-determinato --valore 1.234,56 --anni 12 --saggio 2016 --data 07/12/2026 --formato csv
expect "fixed term csv exits 0" "$(is "$RC" 0)"
expect "fixed term csv figures" \
  "$(has "$(line 2)" "tempo-determinato;1.234,56;;12;")"
expect "fixed term csv shares and amounts" "$(has "$(line 2)" ";;;;0,2%;2,37%;97,63%;29,26;1205,30;")"

run tempo-determinato --valore 100000 --anni 10 --data 9/12/2026 --formato csv
expect "fixed term at the rate of the day" \
  "$(is "$(line 2)" "tempo-determinato;100000;;10;9/12/2026;;;;2,5%;21,88%;78,12%;21880,00;78120,00;;usufrutto;registro;;;incorporati;")"

# ---- refusals: status 1, one diagnostic line on stderr, nothing on stdout ----
refused() {
  local what=$1 message=$2
  shift 2
  run "$@"
  expect "$what: exits 1" "$(is "$RC" 1)"
  expect "$what: names the option, the value and why" "$(is "$ERR" "velmora: $message")"
  expect "$what: nothing on stdout" "$(is "$OUT" "")"
}
refused "no value" \
  '--valore «0»: l'"'"'importo al centesimo deve essere maggiore di zero, come 250.000,50' \
  vitalizio --valore 0 --nascita 16081946 --data 07/12/2026
refused "birth date" '--nascita «31021950»: non è una data: scrivere la data come 03/05/1950, 03051950, 3 maggio 1950 o 1950-05-03 (giorno prima del mese, anno di quattro cifre)' \
  vitalizio --valore 5 --nascita 31021950 --data 07/12/2026
refused "born after" \
  '--nascita «1/1/2020»: la data di nascita è successiva alla data di riferimento (01/01/2019)' \
  vitalizio --valore 5 --nascita 1/1/2020 --data 1/1/2019
refused "fraction of a year" '--anni «2,5»: la durata è un numero intero di anni da 1 a 30' \
  tempo-determinato --valore 5 --anni 2,5 --data 07/12/2026
refused "too many years" '--anni «31»: la durata massima per il calcolo è di 30 anni' \
  tempo-determinato --valore 5 --anni 31 --data 07/12/2026

# ---- usage errors: status 2 and a hint ----
usage() {
  local what=$1 message=$2
  shift 2
  run "$@"
  expect "$what: exits 2" "$(is "$RC" 2)"
  expect "$what: names the fault" "$(has "$ERR" "velmora: $message")"
  expect "$what: points to --help" "$(has "$ERR" "velmora --help")"
}
usage "unknown command" "comando non riconosciuto: valuta" valuta
usage "unknown option" "opzione non riconosciuta per vitalizio: --eta" \
  vitalizio --valore 1 --nascita 1/1/1950 --eta 3
usage "missing option" "tempo-determinato richiede l'opzione --anni" tempo-determinato --valore 1
usage "wrong format" "valore non ammesso per --formato: xml" \
  tempo-determinato --valore 1 --anni 3 --formato xml
usage "unknown window option without a display" "argomento non riconosciuto: --nessuna" --nessuna

run vitalizio --help
expect "help of a command exits 0" "$(is "$RC" 0)"
expect "help lists the commands with an example" \
  "$(has "$OUT" "velmora tempo-determinato --valore 100000 --anni 10")"
expect "help states the exit statuses" "$(has "$OUT" "3  file del lotto o dei dati non leggibile, o risultati non scritti")"

# ---- the batch ----
printf '\xef\xbb\xbfvalore;tipo;nascita;anni;data;saggio\r\n' >"$WORK/casi.csv"
{
  printf '100000;vitalizio;16081946;;07/12/2026;2016\r\n'
  printf '"1.234,56";tempo-determinato;;12;;2016\r\n'
  printf '0;vitalizio;16081946;;07/12/2026;2016\r\n'
  printf '5;tempo-determinato;;31;;2016\r\n'
  printf '"5;vitalizio\r\n'
  printf '5;vitalizio;1/1/1950\r\n'
  printf '5;usufrutto;;3;;\r\n'
  printf '100000;tempo-determinato;;10;9/12/2026;data\r\n'
} >>"$WORK/casi.csv"
# The row without a date is valued on the day the batch runs: a fixed one.
ON_DAY=2026-12-09 run lotto "$WORK/casi.csv"
expect "batch with refused rows exits 1" "$(is "$RC" 1)"
expect "batch: one line a row and the header" "$(is "$(wc -l <"$WORK/out")" 9)"
expect "batch: header" "$(is "$(line 1)" "$HEADER")"
expect "batch: lifetime row" \
  "$(is "$(line 2)" "vitalizio;100000;16081946;;07/12/2026;80;3;21;0,2%;25%;75%;25000,00;75000,00;;usufrutto;registro;una_vita;;incorporati;\"$WARNING\"")"
expect "batch: fixed-term row, today by default" \
  "$(has "$(line 3)" "tempo-determinato;1.234,56;;12;09/12/2026;;;;0,2%;2,37%;97,63%;29,26;1205,30;;usufrutto;registro;;;incorporati;")"
expect "batch: refused value" \
  "$(has "$(line 4)" ';valore «0»: l'"'"'importo al centesimo deve essere maggiore di zero')"
expect "batch: refused duration" \
  "$(has "$(line 5)" ';anni «31»: la durata massima per il calcolo è di 30 anni')"
expect "batch: unclosed quote named by its line" "$(has "$(line 6)" ";riga 6: virgolette non chiuse")"
expect "batch: short row named by its line" \
  "$(has "$(line 7)" ";riga 7: 3 campi invece dei 6 dell'intestazione")"
expect "batch: unknown kind" "$(is "$(line 8)" "usufrutto;5;;3;;;;;;;;;;tipo non riconosciuto: usufrutto (vitalizio o tempo-determinato);;;;;;")"
expect "batch: a broken row has no kind" "$(is "$(line 6)" ";;;;;;;;;;;;;riga 6: virgolette non chiuse;;;;;;")"
expect "batch: the rows after the broken ones" \
  "$(is "$(line 9)" "tempo-determinato;100000;;10;9/12/2026;;;;2,5%;21,88%;78,12%;21880,00;78120,00;;usufrutto;registro;;;incorporati;")"
expect "batch: nothing on stderr" "$(is "$ERR" "")"

printf 'tipo;valore;anni;data\nvitalizio;1;;\ntempo-determinato;1000;5;15/03/2026\n' >"$WORK/pochi.csv"
INPUT="$WORK/pochi.csv"
run lotto -
INPUT=/dev/null
expect "batch from standard input" "$(is "$(line 3)" "tempo-determinato;1000;;5;15/03/2026;;;;2,5%;11,61%;88,39%;116,10;883,90;;usufrutto;registro;;;incorporati;")"
expect "batch: a row without birth date names the column" \
  "$(has "$(line 2)" ";nascita: manca la data di nascita")"

printf 'tipo;valore;saggio\ntempo-determinato;1000;2016\n' >"$WORK/senza-anni.csv"
run lotto "$WORK/senza-anni.csv"
expect "batch: no years column names it" \
  "$(has "$(line 2)" ";anni: manca il numero di anni di durata")"

# Fields are written back as typed: quoted where they must be, and a file
# that is not UTF-8 read as Windows-1252, as Italian Excel saves it.
printf 'tipo;valore;nascita\nvitalizio;"1""2;3";\xe9\n' >"$WORK/strani.csv"
run lotto "$WORK/strani.csv"
expect "batch: a field with a quote and a separator is quoted again" \
  "$(has "$(line 2)" "vitalizio;\"1\"\"2;3\";é;;")"
expect "batch: the encoding read is said" \
  "$(is "$ERR" "velmora: il file $WORK/strani.csv non è in UTF-8: letto come Windows-1252 (il \"CSV (delimitato dal separatore di elenco)\" di Excel); i risultati sono in UTF-8")"

printf 'tipo;valore;anni;data\ntempo-determinato;1000;5;15/03/2026\n' >"$WORK/buono.csv"
run lotto "$WORK/buono.csv"
expect "batch of good rows exits 0" "$(is "$RC" 0)"

# Results that cannot be written are no success: a full disk, here /dev/full.
for case in "lotto $WORK/buono.csv" "vitalizio --valore 1000 --nascita 01011950 --data 07/12/2026"; do
  set +e
  # shellcheck disable=SC2086 # the words of the case are the arguments
  env -i PATH="$PATH" HOME="$HOME" "${CLOCK[@]}" timeout 20 "$VELMORA" $case >/dev/full 2>"$WORK/err"
  RC=$?
  set -e
  ERR=$(cat "$WORK/err")
  expect "${case%% *} to a full disk exits 3" "$(is "$RC" 3)"
  expect "${case%% *} to a full disk says so" \
    "$(has "$ERR" "impossibile scrivere i risultati sullo standard output")"
done

run lotto "$WORK/manca.csv"
expect "missing file exits 3" "$(is "$RC" 3)"
expect "missing file is named" "$(has "$ERR" "impossibile leggere il file $WORK/manca.csv: il file non esiste")"
run lotto "$WORK"
expect "a folder exits 3" "$(is "$RC" 3)"
printf 'nome;cognome\nx;y\n' >"$WORK/altro.csv"
run lotto "$WORK/altro.csv"
expect "a file of something else exits 3" "$(is "$RC" 3)"
expect "it is named as no batch" "$(has "$ERR" "non ha la riga d'intestazione con le colonne tipo e valore")"
run lotto "$WORK/buono.csv" "$WORK/altro.csv"
expect "two files are a usage error" "$(is "$RC" 2)"

if [ "$FAILED" -ne 0 ]; then
  exit 1
fi
echo "valuations without display passed"
