#!/usr/bin/env bash
# What a command or a batch is given is read strictly: an amount with a
# decimal point, a third decimal, a two-digit year or a month before the day
# is refused with the form wanted, and no refused row is valued. The batch
# keeps the user's own columns and notes.
source "$(dirname "$0")/common.sh"
FAILED=0

run() {
  set +e
  env -i PATH="$PATH" HOME="$HOME" "${CLOCK[@]}" timeout 20 "$VELMORA" "$@" <"${INPUT:-/dev/null}" \
    >"$WORK/out" 2>"$WORK/err"
  RC=$?
  set -e
  OUT=$(cat "$WORK/out")
  ERR=$(cat "$WORK/err")
}
line() { sed -n "$1p" <<<"$OUT"; }
field() { python3 -c 'import csv, sys; rows = list(csv.reader(open(sys.argv[1], newline=""), delimiter=";")); print(rows[int(sys.argv[2])][int(sys.argv[3])])' "$WORK/out" "$1" "$2"; }

# ---- amounts: refused with the form wanted, status 1, no figures ----
for value in 250000.00 1234.56 12.50 1.5 1..000 1000,005 0,001 abc; do
  run tempo-determinato --valore "$value" --anni 10 --data 07/12/2026 --formato csv
  expect "--valore $value is refused" "$(is "$RC" 1)"
  expect "--valore $value: nothing valued" "$(is "$OUT" "")"
  expect "--valore $value: the option and the value are named" \
    "$(has "$ERR" "velmora: --valore «$value»: ")"
  expect "--valore $value: one line" "$(is "$(wc -l <"$WORK/err")" 1)"
done
expect "the form wanted is shown" "$(has "$ERR" "250.000,50")"
for value in "€ 100.000,00" "100.000,00 €" "100000"; do
  run tempo-determinato --valore "$value" --anni 10 --data 07/12/2026 --formato csv
  expect "--valore $value is taken" "$(is "$(field 1 11)" "21880,00")"
done

# ---- dates ----
for date in 12/25/1950 01/01/25 31/02/1950 1950/05/03; do
  run vitalizio --valore 100000 --nascita "$date" --data 07/12/2026
  expect "--nascita $date is refused" "$(is "$RC" 1)"
  expect "--nascita $date: the forms are named" "$(has "$ERR" "03/05/1950, 03051950")"
done
run vitalizio --valore 100000 --nascita 1950-05-03 --data 2026-12-07 --formato csv
expect "ISO dates are taken" "$(is "$(field 1 5)" "76")"
for empty in --data= "--nascita="; do
  run vitalizio --valore 100000 --nascita 03/05/1950 "$empty"
  expect "$empty is a usage error, never today" "$(is "$RC" 2)"
done
run vitalizio --valore 100000 --nascita 03/05/1950 --nascita 04/05/1950 --data 07/12/2026
expect "two lives without the accrual are refused as a case" "$(is "$RC" 1)"
expect "and the act must say which" "$(has "$ERR" "l'atto deve dire se tra i titolari c'è diritto di accrescimento")"

# ---- an input the kind has no use for: refused, as in a batch ----
run vitalizio --valore 100000 --nascita 03/05/1950 --anni 5 --data 07/12/2026
expect "years for a lifetime are refused" "$(is "$RC" 1)"
expect "naming the option and its value" "$(has "$ERR" "velmora: --anni «5»: la durata in anni vale solo per tempo-determinato")"
run tempo-determinato --valore 100000 --anni 10 --nascita 01/01/1941 --data 07/12/2026
expect "a beneficiary for the registration tax is refused" "$(is "$RC" 1)"
expect "saying which tax it goes with" "$(has "$ERR" "va con --imposta successioni")"
run vitalizio --valore --nascita 03/05/1950 --data 07/12/2026
expect "an option where the value goes: a usage error" "$(is "$RC" 2)"
expect "naming the option without its value" "$(has "$ERR" "l'opzione --valore richiede un valore")"

# ---- the age that picks the band is the calendar's ----
run vitalizio --valore 100000 --nascita 31/01/1950 --data 30/01/2026 --formato csv
expect "born on the 31st: 75 on the eve of the anniversary" \
  "$(is "$(field 1 5);$(field 1 9)" "75;35%")"
run vitalizio --valore 100000 --nascita 31/01/1950 --data 31/01/2026 --formato csv
expect "and 76 on the anniversary" "$(is "$(field 1 5);$(field 1 9)" "76;30%")"

# ---- the batch: every refused row, none valued ----
{
  printf 'pratica;tipo;valore;nascita;anni;data;note\n'
  printf 'A-1;tempo-determinato;1234.56;;10;07/12/2026;\n'
  printf 'A-2;tempo-determinato;1000,005;;10;07/12/2026;\n'
  printf 'A-3;vitalizio;100000;12/25/1950;;07/12/2026;\n'
  printf 'A-4;vitalizio;100000;01/01/25;;07/12/2026;\n'
  printf 'A-5;tempo-determinato;100.000,00 €;;10;2026-12-07;"prima riga\nseconda; riga"\n'
} >"$WORK/casi.csv"
run lotto "$WORK/casi.csv"
expect "batch with refused rows exits 1" "$(is "$RC" 1)"
for row in 1 2 3 4; do
  expect "row A-$row is refused" "$([ -n "$(field "$row" 13)" ] && echo 1 || echo 0)"
  expect "row A-$row has no figures" "$(is "$(field "$row" 11)$(field "$row" 12)" "")"
  expect "row A-$row keeps its key" "$(is "$(field "$row" 20)" "A-$row")"
done
expect "the decimal point is named" "$(has "$(field 1 13)" "valore «1234.56»")"
expect "the month first is named" "$(has "$(field 3 13)" "nascita «12/25/1950»")"
expect "the other columns follow the results" \
  "$(is "$(line 1)" "tipo;valore;nascita;anni;data;eta_anni;eta_mesi;eta_giorni;saggio;perc_usufrutto;perc_nuda_proprieta;usufrutto;nuda_proprieta;errore;diritto;imposta;regola;limite;fonte_dati;avvertenza;pratica;note")"
expect "a note over two lines comes back whole" "$(is "$(field 5 21)" "prima riga
seconda; riga")"
expect "and its row is valued" "$(is "$(field 5 11)" "21880,00")"

printf 'tipo;valore;anni;data\rtempo-determinato;1000;5;15/03/2026\r' >"$WORK/mac.csv"
run lotto "$WORK/mac.csv"
expect "lines ending in CR alone are read" "$(is "$(field 1 11)" "116,10")"

# ---- the batch's rows refused as the commands refuse them ----
{
  printf 'pratica;tipo;valore;nascita;anni;accrescimento;imposta;data\n'
  printf 'B-1;vitalizio;100000;03/05/1950;;si;;07/12/2026\n'
  printf 'B-2;vitalizio;100000;03/05/1950;5;;;07/12/2026\n'
  printf 'B-3;tempo-determinato;100000;;10;no;;07/12/2026\n'
  printf 'B-4;tempo-determinato;100000;01/01/1941;10;;;07/12/2026\n'
  printf 'B-5;tempo-determinato;100000;01/01/1941+01/01/1945;10;;successioni;07/12/2026\n'
  printf 'B-6;tempo-determinato;100000;01/01/1941;30;;successioni;09/12/2026\n'
} >"$WORK/forme.csv"
run lotto "$WORK/forme.csv"
expect "rows the commands refuse: status 1" "$(is "$RC" 1)"
expect "B-1: accrual with one life" "$(has "$(field 1 13)" "accrescimento: l'accrescimento vale solo tra più titolari")"
expect "B-2: years for a lifetime" "$(has "$(field 2 13)" "anni «5»: la durata in anni vale solo per tempo-determinato")"
expect "B-3: accrual for a fixed term" "$(has "$(field 3 13)" "non per tempo-determinato")"
expect "B-4: a birth for the registration tax" "$(has "$(field 4 13)" "va con imposta successioni")"
expect "B-5: one beneficiary" "$(has "$(field 5 13)" "un usufrutto a tempo determinato ha un solo beneficiario")"
for row in 1 2 3 4 5; do
  expect "B-$row: no figures" "$(is "$(field "$row" 11)" "")"
done
expect "B-6: valued, with the beneficiary's age" "$(is "$(field 6 5);$(field 6 9);$(field 6 17)" "85;20%;applicato")"

# ---- Excel's Windows-1252 ----
{
  printf 'pratica;tipo;valore;nascita;accrescimento;data;note\r\n'
  printf 'E-1;vitalizio;\x80 100.000,00;16/08/1946+03/05/1950;s\xec;07/12/2026;Forl\xec\r\n'
} >"$WORK/excel.csv"
run lotto "$WORK/excel.csv"
expect "a Windows-1252 file is valued" "$(is "$RC" 0)"
expect "sì is read" "$(is "$(field 1 9);$(field 1 16)" "30%;piu_giovane")"
expect "the note comes back in UTF-8" "$(is "$(field 1 21)" "Forlì")"
expect "the encoding is said once, naming the file" \
  "$(is "$ERR" "velmora: il file $WORK/excel.csv non è in UTF-8: letto come Windows-1252 (il \"CSV (delimitato dal separatore di elenco)\" di Excel); i risultati sono in UTF-8")"

printf '\xff\xfet\x00i\x00p\x00o\x00' >"$WORK/utf16.csv"
run lotto "$WORK/utf16.csv"
expect "a UTF-16 file is refused" "$(is "$RC" 3)"
expect "saying so" "$(has "$ERR" "è in UTF-16")"
printf 't\x00i\x00p\x00o\x00;\x00v\x00a\x00l\x00o\x00r\x00e\x00\n\x00' >"$WORK/utf16-senza-bom.csv"
run lotto "$WORK/utf16-senza-bom.csv"
expect "a UTF-16 file without its mark is refused" "$(is "$RC" 3)"
expect "named as UTF-16" "$(has "$ERR" "è in UTF-16")"
run lotto "$WORK"
expect "a folder is refused" "$(is "$RC" 3)"
expect "saying so" "$(has "$ERR" "è una cartella")"

[ "$FAILED" -eq 0 ] || exit 1
echo "strict input passed"
