#!/usr/bin/env bash
# The report copied with "Copia prospetto", as a word processor lays it out on
# A4: the HTML taken from the clipboard goes through LibreOffice Writer's HTML
# import (what a paste into a document uses) to a PDF. The largest amount, whose
# words are the longest, must keep to the page, and no label may break. The
# page is left as report-layout.png for a look by eye.
source "$(dirname "$0")/common.sh"
need xclip soffice pdftotext pdftoppm pdfinfo
start_display
start_velmora
window_geometry
FAILED=0

ok() { echo "ok: $*"; }

# The largest amount, born 16/08/1946, on 7 dicembre 2026, valued for life.
focus_window
xdotool type --delay 60 9999999999999,99
xdotool key Tab
sleep 0.3
xdotool type --delay 60 16081946
xdotool key Tab
sleep 0.3
click_at 616 172
xdotool key ctrl+a
xdotool type --delay 40 "7 dicembre 2026"
click_at 300 84
sleep 2
focus_window
xdotool key alt+p
sleep 0.4
xdotool key Return # "Copia prospetto"
sleep 0.5
xclip -o -selection clipboard -t text/html >"$WORK/copied.html" 2>/dev/null || true
grep -q "novemila" "$WORK/copied.html" || { echo "FAIL: no report of the largest amount copied"; exit 1; }

profile=$(mktemp -d)
trap 'rm -rf "$profile"; cleanup' EXIT
soffice -env:UserInstallation="file://$profile" --headless --norestore \
  --infilter="HTML (StarWriter)" --convert-to pdf:writer_pdf_Export --outdir "$WORK" \
  "$WORK/copied.html" >"$WORK/soffice.log" 2>&1 || true
PDF=$WORK/copied.pdf
if [ ! -s "$PDF" ]; then
  if grep -q "could not be loaded" "$WORK/soffice.log"; then
    echo "SKIP: LibreOffice Writer is not installed (libreoffice-writer-nogui)"
    exit 77
  fi
  cat "$WORK/soffice.log"
  fail "LibreOffice made no PDF of the copied report"
  exit 1
fi
pdftoppm -r 70 -png -singlefile "$PDF" "$WORK/report-layout"
echo "page: $WORK/report-layout.png"

pages=$(pdfinfo "$PDF" | awk '/^Pages:/ {print $2}')
[ "$pages" = 1 ] && ok "one page" || fail "$pages pages"
pdfinfo "$PDF" | grep -q "595.* x 841.* pts" && ok "A4" || fail "not A4: $(pdfinfo "$PDF" | grep 'Page size')"

# Every word ends inside the page's text area: the HTML page style leaves a
# right margin of 1 cm (28.3 pt), where the ordinary lines end too.
pdftotext -bbox "$PDF" "$WORK/words.html"
widest=$(grep -o 'xMax="[0-9.]*"' "$WORK/words.html" | tr -dc '0-9.\n' | sort -g | tail -n1)
awk -v x="$widest" 'BEGIN { exit !(x <= 595.3 - 28.3) }' &&
  ok "every word keeps to the page (right edge $widest pt)" ||
  fail "a word runs to $widest pt, past the right margin"

# Each label on one line, whole.
pdftotext -layout "$PDF" "$WORK/copied.txt"
for label in "Valore della piena proprietà:" "Data di riferimento:" \
  "Data di nascita dell'usufruttuario:" "Età alla data di riferimento:" "Fascia di età:" \
  "Saggio applicato:" "Usufrutto:" "Nuda proprietà:"; do
  grep -qF -- "$label" "$WORK/copied.txt" && ok "'$label' on one line" ||
    fail "'$label' is broken"
done
# The words, broken between their groups only.
for part in "novemilanovecentonovantanovemiliardi" "duemilacinquecentomiliardi/00"; do
  grep -qF -- "$part" "$WORK/copied.txt" && ok "'$part' whole" || fail "'$part' is broken"
done

exit $FAILED
