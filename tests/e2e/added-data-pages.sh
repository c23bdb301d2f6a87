#!/usr/bin/env bash
# An office's 2027 files: the legislation page the "?" menu opens is written
# from the law in use into the user's cache, with the two table pages it links
# to, and they list 2027 marked with its file.
source "$(dirname "$0")/common.sh"
start_display
record_opened

export XDG_CACHE_HOME="$WORK/cache" XDG_DATA_HOME="$WORK/data" XDG_DATA_DIRS="$WORK/no-data"
rm -rf "$XDG_CACHE_HOME" "$XDG_DATA_HOME"
dati="$XDG_DATA_HOME/velmora/dati"
mkdir -p "$dati"
# Decrees made up for this test.
printf '%s\t%s\t%s\t%s\t%s\n' from to rate_percent set_by source \
  2027-01-01 2027-12-31 1.2 "DM 10/12/2026 (decreto inventato)" prova >"$dati/2027-saggio.tsv"
printf '%s\t%s\t%s\t%s\t%s\n' year rate_used_percent decree \
  "coefficients (bands 0-20, 21-30, 31-40, 41-45, 46-50, 51-53, 54-56, 57-60, 61-63, 64-66, 67-69, 70-72, 73-75, 76-78, 79-82, 83-86, 87-92, 93-99)" \
  source 2027 "2.5 (floor; legal rate 1.2)" "DM 22/12/2026 (decreto inventato)" \
  "38 36 34 32 30 28 26 24 22 20 18 16 14 12 10 8 6 4" prova >"$dati/2027-coefficienti.tsv"

start_velmora
FAILED=0
pages="$XDG_CACHE_HOME/Velmora/pagine"
open_from_help_menu n "file://$pages/normativa.htm"
for page in normativa.htm TabelleUsufrutto.htm TabelleUsufruttoTempoDeterminato.htm; do
  if grep -qF "dati aggiunti: $dati/2027-coefficienti.tsv" "$pages/$page"; then
    echo "ok: $page names the added coefficients"
  else
    fail "$page does not name $dati/2027-coefficienti.tsv"
  fi
done
grep -qF "o dopo il 31 dicembre 2027)" "$pages/normativa.htm" ||
  fail "the legislation page does not take the rates to the end of 2027"
grep -qF "<h2 id=\"vigente\">Atti del 2027: saggio 2,5%</h2>" \
  "$pages/TabelleUsufruttoTempoDeterminato.htm" ||
  fail "the fixed-term page does not lead with 2027 at the floor"
exit $FAILED
