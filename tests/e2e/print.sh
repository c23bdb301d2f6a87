#!/usr/bin/env bash
# Printing through a real CUPS queue: a lifetime valuation, "stampa", "Stampa"
# in the Stampanti window; the cups-pdf page must hold the window's client
# area. A second printout, landscape and two copies, must reach CUPS so.
# Needs root (it sets up cupsd and a queue) and the CUPS, X and image tools.
if [ "$(id -u)" -ne 0 ]; then
  echo "SKIP: printing end to end needs root to set up CUPS"
  exit 77
fi
source "$(dirname "$0")/common.sh"
need cupsd lpadmin lpstat lpoptions ipptool pdftoppm pdfinfo compare
[ -f /usr/lib/cups/backend/cups-pdf ] || { echo "SKIP: printer-driver-cups-pdf is not installed"; exit 77; }

bash "$(dirname "$0")/cups-setup.sh"
QUEUE=VelmoraPDF
OUT=/var/spool/cups-pdf/$(id -un)
FAILED=0

start_display
start_velmora
window_geometry
TOP=$((WIN_Y + WIN_H - 433))

# Waits for the PDF of job $1 and copies it to $2.
wait_for_pdf() {
  local job=$1 to=$2 pdf=""
  for _ in $(seq 300); do
    pdf=$(find "$OUT" -maxdepth 1 -name "*job_${job}.pdf" 2>/dev/null | head -n1 || true)
    if [ -n "$pdf" ] && pdfinfo "$pdf" >/dev/null 2>&1; then
      cp "$pdf" "$to"
      return 0
    fi
    sleep 0.2
  done
  echo "FAIL: no PDF for job $job in $OUT"
  lpstat -W all -l -o "$QUEUE" || true
  return 1
}

# The printer window: sets PWID and its top-left corner PX PY.
find_printer_window() {
  PWID=""
  for _ in $(seq 100); do
    PWID=$(xdotool search --onlyvisible --name '^Stampanti$' 2>/dev/null | head -n1 || true)
    [ -n "$PWID" ] && break
    sleep 0.1
  done
  [ -n "$PWID" ] || { echo "FAIL: the Stampanti window did not appear"; exit 1; }
  # Out of the way of the main window, whose image is compared below.
  xdotool windowmove --sync "$PWID" 0 $((TOP + 480)) 2>/dev/null || xdotool windowmove "$PWID" 0 $((TOP + 480))
  sleep 0.5
  local info
  info=$(xwininfo -id "$PWID")
  PX=$(awk '/Absolute upper-left X/ {print $4}' <<<"$info")
  PY=$(awk '/Absolute upper-left Y/ {print $4}' <<<"$info")
}

# Clicks at a point of the printer window, in logical pixels.
click_printer() {
  xdotool mousemove $((PX + $1)) $((PY + $2)) click 1
  sleep 0.3
}

# A lifetime valuation: the amount (the focus starts in PP), the birth date,
# "usufrutto vitalizio".
xdotool windowfocus --sync "$WID" 2>/dev/null || true
sleep 0.5
xdotool type --delay 80 100000
sleep 0.3
xdotool key Tab
sleep 0.5
xdotool type --delay 80 16081946
sleep 0.3
xdotool key Tab
sleep 0.5
click_at 385 84
sleep 1.5
# "stampa", on its caption
click_at 312 262
find_printer_window
screenshot "$WORK/screen.png"
convert "$WORK/screen.png" -crop "${WIN_W}x433+${WIN_X}+${TOP}" +repage "$WORK/client.png"
screenshot "$WORK/printer-window-full.png"
convert "$WORK/printer-window-full.png" -crop "669x307+${PX}+${PY}" +repage "$WORK/printer-window.png"

# "Stampa", the button at 7560, 360 twips.
before=$(last_job)
click_printer 548 40
job=""
for _ in $(seq 100); do
  job=$(last_job)
  [ "$job" -gt "$before" ] && break
  sleep 0.1
done
if [ "$job" -le "$before" ]; then
  echo "FAIL: no print job reached the queue"
  exit 1
fi
wait_for_pdf "$job" "$WORK/portrait.pdf" || exit 1
pdfinfo "$WORK/portrait.pdf" | grep -E 'Pages|Page size'

# The page, rasterised, cut to what is printed on it and set beside the
# window's own image: both small, the difference must be slight.
pdftoppm -r 100 -png -singlefile "$WORK/portrait.pdf" "$WORK/page"
convert "$WORK/page.png" -fuzz 2% -trim +repage "$WORK/printed.png"
read -r pw ph < <(identify -format '%w %h\n' "$WORK/printed.png")
echo "printed area ${pw}x${ph}, window ${WIN_W}x433"
ratio_ok=$(awk -v a="$pw" -v b="$ph" -v c="$WIN_W" 'BEGIN { r = (a / b) / (c / 433); print (r > 0.97 && r < 1.03) }')
[ "$ratio_ok" = 1 ] || { echo "FAIL: the printed image is ${pw}x${ph}, not in the window's proportions"; FAILED=1; }
convert "$WORK/printed.png" -resize '240x132!' "$WORK/printed-small.png"
convert "$WORK/client.png" -resize '240x132!' "$WORK/client-small.png"
rmse=$(compare -metric RMSE "$WORK/printed-small.png" "$WORK/client-small.png" null: 2>&1 | sed -n "s/.*(\(.*\)).*/\1/p" || true)
echo "difference between page and window: $rmse"
awk -v e="$rmse" 'BEGIN { exit !(e < 0.08) }' || { echo "FAIL: the page does not show the window"; FAILED=1; }

# Landscape, two copies: the down arrow in the orientation list chooses
# "orizzontale"; the copies are typed.
click_printer 120 201
xdotool key Down
click_printer 450 284
xdotool key ctrl+a
xdotool type --delay 50 2
before=$job
click_printer 548 40
for _ in $(seq 100); do
  job=$(last_job)
  [ "$job" -gt "$before" ] && break
  sleep 0.1
done
if [ "$job" -le "$before" ]; then
  echo "FAIL: no second print job reached the queue"
  exit 1
fi
wait_for_pdf "$job" "$WORK/landscape.pdf" || exit 1
cat >"$WORK/job.test" <<'EOF'
{
  NAME "the attributes of the job"
  OPERATION Get-Job-Attributes
  GROUP operation-attributes-tag
  ATTR charset attributes-charset utf-8
  ATTR naturalLanguage attributes-natural-language en
  ATTR uri printer-uri $uri
  ATTR integer job-id $job_id
  ATTR keyword requested-attributes all
  STATUS successful-ok
  DISPLAY copies
  DISPLAY orientation-requested
}
EOF
ipptool -t -d job_id="$job" "ipp://localhost/printers/$QUEUE" "$WORK/job.test" | tee "$WORK/job.txt"
grep -q 'copies (integer) = 2' "$WORK/job.txt" || { echo "FAIL: the job does not ask for 2 copies"; FAILED=1; }
# A landscape page comes out turned on the sheet: turned back, it shows the
# window at its natural size, wider than on the portrait page.
pdftoppm -r 100 -png -singlefile "$WORK/landscape.pdf" "$WORK/landscape"
convert "$WORK/landscape.png" -fuzz 2% -trim +repage "$WORK/landscape-printed.png"
read -r lw lh < <(identify -format '%w %h\n' "$WORK/landscape-printed.png")
echo "landscape printed area ${lw}x${lh} on the sheet"
best=1
for turn in 90 -90; do
  convert "$WORK/landscape-printed.png" -rotate "$turn" -resize '240x132!' "$WORK/landscape-small.png"
  e=$(compare -metric RMSE "$WORK/landscape-small.png" "$WORK/client-small.png" null: 2>&1 | sed -n "s/.*(\(.*\)).*/\1/p" || true)
  best=$(awk -v a="$best" -v b="${e:-1}" 'BEGIN { print (b < a) ? b : a }')
done
echo "difference between the turned page and the window: $best"
awk -v e="$best" 'BEGIN { exit !(e < 0.08) }' || { echo "FAIL: the second page does not show the window turned"; FAILED=1; }
awk -v w="$lw" -v h="$lh" -v pw="$pw" 'BEGIN { exit !(h > w && h > pw) }' ||
  { echo "FAIL: the second page is not landscape with the window at its natural size"; FAILED=1; }
screenshot "$WORK/after.png"

[ "$FAILED" -eq 0 ] && echo "print: all checks passed"
exit $FAILED
