#!/usr/bin/env bash
# An office's 2027 added in a private XDG_DATA_HOME, as a notary adds it the
# day the decree is published: the command line and the window value an act of
# 15 January 2027 at the 2,5 % floor and name the file. The same file with one
# bad row changes nothing and is told with its line on standard error and, at
# start, in a message box (left as bad-row.png for a look by eye). A file that
# changes 2026 is refused and 2026 values as it did. "velmora dati" lists the
# files; "velmora dati --verifica" checks good and bad ones.
source "$(dirname "$0")/common.sh"
need xclip
start_display
FAILED=0

export XDG_DATA_HOME="$WORK/data" XDG_DATA_DIRS="$WORK/no-data"
dati="$XDG_DATA_HOME/velmora/dati"
nuovi="$WORK/nuovi"
rm -rf "$XDG_DATA_HOME" "$nuovi"
mkdir -p "$dati" "$nuovi"

# A data file: the header's five columns, then each row's five fields.
tsv() {
  local file=$1
  shift
  printf '%s\t%s\t%s\t%s\t%s\n' "$@" >"$file"
}
RATES=(from to rate_percent set_by source)
COEFFICIENTS=(year rate_used_percent decree
  "coefficients (bands 0-20, 21-30, 31-40, 41-45, 46-50, 51-53, 54-56, 57-60, 61-63, 64-66, 67-69, 70-72, 73-75, 76-78, 79-82, 83-86, 87-92, 93-99)"
  source)
# The legal rate of 2027 below the floor. The decrees are made up for this
# test: no such decree exists.
RATE_2027=(2027-01-01 2027-12-31 1.2 "DM 10/12/2026 (decreto inventato per la prova)" prova)
write_2027() {
  tsv "$dati/2027-saggio.tsv" "${RATES[@]}" "${RATE_2027[@]}" "$@"
  tsv "$dati/2027-coefficienti.tsv" "${COEFFICIENTS[@]}" 2027 "2.5 (floor; legal rate 1.2)" \
    "DM 22/12/2026 (decreto inventato per la prova)" \
    "38 36 34 32 30 28 26 24 22 20 18 16 14 12 10 8 6 4" prova
}

# The program without a display, with the data folders above.
run() {
  set +e
  env -i PATH="$PATH" HOME="$HOME" "${CLOCK[@]}" XDG_DATA_HOME="$XDG_DATA_HOME" XDG_DATA_DIRS="$XDG_DATA_DIRS" \
    timeout 20 "$VELMORA" "$@" </dev/null >"$WORK/out" 2>"$WORK/err"
  RC=$?
  set -e
  OUT=$(cat "$WORK/out")
  ERR=$(cat "$WORK/err")
}
# Waits for a window with the title and gives it the keyboard; 1 when none came.
wait_for_window() {
  local id=""
  for _ in $(seq 50); do
    id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n1 || true)
    [ -n "$id" ] && break
    sleep 0.1
  done
  [ -n "$id" ] || return 1
  xdotool windowfocus --sync "$id" 2>/dev/null || true
  sleep 0.3
}
fixed_term_json() {
  run tempo-determinato --valore 100000 --anni 10 --data "$1" --formato json
}

# ---- the 2027 files on the command line ----
write_2027
fixed_term_json 15/01/2027
expect "2027: valued" "$(is "$RC" 0)"
expect "2027: at the floor" "$(has "$OUT" '"saggio": "2,5%"')"
expect "2027: 21,88 %" "$(has "$OUT" '"percentuale": "21,88%"')"
expect "2027: the file named" "$(has "$OUT" "\"fonte_dati\": \"dati aggiunti: $dati/2027-saggio.tsv\"")"
expect "2027: nothing on stderr" "$(is "$ERR" "")"
run vitalizio --valore 100000 --nascita 16/08/1946 --data 15/01/2027 --formato csv
expect "2027 lifetime: 25 % from the added coefficients, both files named" \
  "$(has "$OUT" ";25%;75%;25000,00;75000,00;;usufrutto;registro;una_vita;;\"dati aggiunti: $dati/2027-saggio.tsv; $dati/2027-coefficienti.tsv\"")"

# ---- the same in the window, and its report ----
start_velmora
window_geometry
focus_window
# Alt+S opens "Saggio"; its second command is the rate of the date.
xdotool key alt+s
sleep 0.4
xdotool key Down Return
sleep 0.4
focus_window
xdotool type --delay 60 100000
xdotool key Tab
sleep 0.3
click_at 616 172
xdotool key ctrl+a
xdotool type --delay 40 "15/01/2027"
click_at 604 274
xdotool key ctrl+a
xdotool type --delay 40 10
click_at 300 132
sleep 2
focus_window
screenshot "$WORK/window-2027.png"
expect_results "21,88%" "€ 21.880,00" "78,12%" "€ 78.120,00"
# Alt+P opens "Prospetto" on "Copia prospetto".
empty_clipboard
xdotool key alt+p
sleep 0.4
xdotool key Return
sleep 0.5
REPORT=$(xclip -o -selection clipboard -t UTF8_STRING 2>/dev/null || true)
expect "the window's report: 21,88 %" "$(has "$REPORT" "21,88%")"
expect "the window's report names the file" "$(has "$REPORT" "dati aggiunti: $dati/2027-saggio.tsv")"
kill "$APP_PID"
wait "$APP_PID" 2>/dev/null || true

# ---- one bad row: the file changes nothing, and is told with its line ----
write_2027 2028-01-01 2028-12-31 1,5 "DM 11/12/2027 (decreto inventato per la prova)" prova
BAD="file di dati aggiunto non usato: $dati/2027-saggio.tsv, riga 3: colonna rate_percent: «1,5» va scritto con il punto decimale, come 1.5"
fixed_term_json 15/01/2027
expect "bad row: 2027 is past the data" "$(is "$RC" 1)"
expect "bad row: and the refusal says how to add a decree" "$(has "$ERR" "velmora dati")"
expect "bad row: told on stderr with its line" "$(has "$ERR" "velmora: $BAD")"
fixed_term_json 07/12/2026
expect "bad row: 2026 values as before" "$(has "$OUT" '"percentuale": "21,88%"')"
printf 'tipo;valore;anni;data\ntempo-determinato;1000;5;15/03/2026\ntempo-determinato;1000;6;15/03/2026\n' >"$WORK/casi.csv"
run lotto "$WORK/casi.csv"
expect "bad row: the batch values" "$(is "$RC" 0)"
expect "bad row: the batch tells it once" "$(is "$ERR" "velmora: $BAD")"

# The box over the window at start; its text, with the file and the line, is
# checked by the window tests, and the screenshot is left for a look by eye.
start_velmora
if wait_for_window '^Velmora by Dovel$'; then
  echo "ok: bad row: a message box at start"
  screenshot "$WORK/bad-row.png"
  xdotool key Return
  sleep 1
  if xdotool search --onlyvisible --name '^Velmora by Dovel$' >/dev/null 2>&1; then
    fail "the box came back"
  else
    echo "ok: said once"
  fi
else
  fail "no message box at start for the bad row"
fi
kill "$APP_PID"
wait "$APP_PID" 2>/dev/null || true

# ---- an addition that changes 2026 ----
write_2027
tsv "$dati/2026-saggio.tsv" "${RATES[@]}" 2026-01-01 2026-12-31 1.5 "DM 10/12/2025" prova
fixed_term_json 07/12/2026
expect "2026 changed: refused" "$(has "$ERR" "velmora: file di dati aggiunto non usato: $dati/2026-saggio.tsv, riga 2: il saggio legale dal 01/01/2026 al 31/12/2026 cambierebbe quello dei dati incorporati")"
expect "2026 changed: still 2,5 %" "$(has "$OUT" '"saggio": "2,5%"')"
expect "2026 changed: still 1,6 % legal" "$(has "$OUT" '"saggio_legale": "1,6%"')"
expect "2026 changed: still 21,88 %" "$(has "$OUT" '"percentuale": "21,88%"')"

# ---- velmora dati ----
run dati
expect "dati: exits 0" "$(is "$RC" 0)"
expect "dati: the 2027 rate from its file" \
  "$(has "$OUT" "  01/01/2027  31/12/2027  1,2%    aggiunti     D.M. 10/12/2026 (decreto inventato per la prova)")"
expect "dati: lists the added 2027 files" "$(has "$OUT" "File aggiunti in uso
  $dati/2027-coefficienti.tsv
  $dati/2027-saggio.tsv")"
expect "dati: the refused file with its line" "$(has "$OUT" "File non usati
  $dati/2026-saggio.tsv, riga 2: il saggio legale dal 01/01/2026")"
rm "$dati/2026-saggio.tsv"

# ---- velmora dati --verifica ----
tsv "$nuovi/2028-saggio.tsv" "${RATES[@]}" 2028-01-01 2028-12-31 3 "DM 11/12/2027 (decreto inventato per la prova)" prova
run dati --verifica "$nuovi/2028-saggio.tsv"
expect "check of a good file: exits 0" "$(is "$RC" 0)"
expect "check of a good file: what it adds" "$(has "$OUT" "Il file $nuovi/2028-saggio.tsv sarebbe usato: aggiunge ai dati in uso")"
expect "check of a good file: its row" "$(has "$OUT" "  01/01/2028  31/12/2028  3%      aggiunti  D.M. 11/12/2027 (decreto inventato per la prova)")"
expect "check of a good file: where to copy it" "$(has "$OUT" "copiarlo nella cartella $dati")"
check_refused() {
  local what=$1 reason=$2
  run dati --verifica "$nuovi/$what.tsv"
  expect "check of $what: exits 1" "$(is "$RC" 1)"
  expect "check of $what: refused" "$(has "$OUT" "Il file $nuovi/$what.tsv non sarebbe usato")"
  expect "check of $what: the reason with its line" "$(has "$OUT" "$reason")"
}
tsv "$nuovi/virgola.tsv" "${RATES[@]}" 2028-01-01 2028-12-31 1,5 "DM 11/12/2027" prova
check_refused virgola "  riga 2: colonna rate_percent: «1,5» va scritto con il punto decimale"
tsv "$nuovi/2026.tsv" "${RATES[@]}" 2026-01-01 2026-12-31 1.5 "DM 10/12/2025" prova
check_refused 2026 "  riga 2: il saggio legale dal 01/01/2026 al 31/12/2026 cambierebbe"
run dati --verifica "$nuovi/manca.tsv"
expect "check of a missing file: exits 3" "$(is "$RC" 3)"
expect "check of a missing file: says why" "$(has "$ERR" "impossibile leggere il file $nuovi/manca.tsv: il file non esiste")"

# ---- a file read first by its name takes the place of one in use ----
tsv "$nuovi/2027-a.tsv" "${RATES[@]}" 2027-01-01 2027-12-31 3 "DM 10/12/2026 (altro decreto inventato)" prova
run dati --verifica "$nuovi/2027-a.tsv"
expect "check of a file read first: it would be used" "$(has "$OUT" "Il file $nuovi/2027-a.tsv sarebbe usato")"
expect "check of a file read first: the file it leaves out" "$(has "$OUT" "lascerebbe da parte file ora in uso:
  $dati/2027-saggio.tsv, riga 2: non concorda con la riga 2 di $nuovi/2027-a.tsv")"

# ---- coefficients made at the legal rate, not at the floor applied ----
tsv "$dati/2027-coefficienti.tsv" "${COEFFICIENTS[@]}" 2027 1.2 \
  "DM 22/12/2026 (decreto inventato per la prova)" \
  "79 75 70 66 62 58 54 50 45 41 37 33 29 25 20 16 12 8" prova
run vitalizio --valore 100000 --nascita 16/08/1946 --data 15/01/2027 --formato json
expect "coefficients at 1,2 %: refused with file and line" "$(has "$ERR" "velmora: file di dati aggiunto non usato: $dati/2027-coefficienti.tsv, riga 2: i coefficienti del 2027 sono fatti al saggio 1,2%, ma nel 2027 si applica il saggio 2,5% (saggio minimo; saggio legale 1,2%)")"
expect "coefficients at 1,2 %: no lifetime valuation for 2027" "$(is "$RC" 1)"
write_2027

# ---- junk and unreadable files: one line each ----
head -c 900000 /dev/urandom >"$dati/rotto.tsv"
fixed_term_json 15/01/2027
expect "junk: valued all the same" "$(is "$RC" 0)"
expect "junk: one line on stderr" "$(is "$(grep -c "rotto.tsv" "$WORK/err")" 1)"
rm "$dati/rotto.tsv"
run dati --verifica "$nuovi"
expect "check of a folder: exits 3" "$(is "$RC" 3)"
expect "check of a folder: says why in Italian" "$(has "$ERR" "impossibile leggere il file $nuovi: è una cartella")"

exit $FAILED
