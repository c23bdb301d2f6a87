#!/usr/bin/env bash
# "Stampa prospetto…" through a real CUPS queue: a fixed-term valuation of
# € 1.234,56 for 12 years, then the menu command; the job must reach the
# queue as one page of text. Needs root (it sets up cupsd and a
# queue) and the CUPS and PDF tools.
if [ "$(id -u)" -ne 0 ]; then
  echo "SKIP: printing end to end needs root to set up CUPS"
  exit 77
fi
source "$(dirname "$0")/common.sh"
need cupsd lpadmin lpstat pdfinfo
[ -f /usr/lib/cups/backend/cups-pdf ] || { echo "SKIP: printer-driver-cups-pdf is not installed"; exit 77; }

bash "$(dirname "$0")/cups-setup.sh"
QUEUE=VelmoraPDF
OUT=/var/spool/cups-pdf/$(id -un)
FAILED=0

start_display
start_velmora
window_geometry
xdotool windowfocus --sync "$WID" 2>/dev/null || true
sleep 0.3
xdotool type --delay 60 "1234,56"
click_at 604 274
xdotool type --delay 40 12
click_at 300 132
sleep 2

before=$(last_job)
xdotool windowfocus --sync "$WID" 2>/dev/null || true
# Alt+P opens "Prospetto"; the fourth command prints.
xdotool key alt+p
sleep 0.4
xdotool key Down Down Down Return
job=""
for _ in $(seq 100); do
  job=$(last_job)
  [ "$job" -gt "$before" ] && break
  sleep 0.1
done
[ "$job" -gt "$before" ] || { echo "FAIL: no print job reached the queue"; exit 1; }

pdf=""
for _ in $(seq 300); do
  pdf=$(find "$OUT" -maxdepth 1 -name "*job_${job}.pdf" 2>/dev/null | head -n1 || true)
  [ -n "$pdf" ] && pdfinfo "$pdf" >/dev/null 2>&1 && break
  pdf=""
  sleep 0.2
done
[ -n "$pdf" ] || { echo "FAIL: no PDF for job $job in $OUT"; exit 1; }
cp "$pdf" "$WORK/printed.pdf"
# cups-pdf re-encodes the glyphs so that no text can be read back: the page
# is checked for one A4 page with text on it, and left as printed.png for a
# look by eye (the figures themselves are checked in the saved PDF, report.sh).
need pdftoppm convert
pages=$(pdfinfo "$WORK/printed.pdf" | awk '/^Pages:/ {print $2}')
[ "$pages" = 1 ] && echo "ok: one page" || { echo "FAIL: $pages pages"; FAILED=1; }
pdftoppm -png -r 60 -singlefile "$WORK/printed.pdf" "$WORK/printed"
ink=$(convert "$WORK/printed.png" -colorspace gray -threshold 50% -format "%[fx:int(1000*(1-mean))]" info:)
if [ "$ink" -ge 5 ] && [ "$ink" -le 200 ]; then echo "ok: text on the page ($ink per mille)"; else echo "FAIL: ink $ink per mille"; FAILED=1; fi
if xdotool search --onlyvisible --name '^Velmora by Dovel$' >/dev/null 2>&1; then
  echo "FAIL: a message box is open"
  FAILED=1
fi
exit $FAILED
