#!/usr/bin/env bash
# Figures never outlive their inputs: € 250.000, born 03/05/1950, valued on
# 31/12/2026 (30 %), then the reference date retyped as 15/06/2018 and left.
# The results and the age must be gone, in the 2016 mode and at the date of
# the act; valued again they are those of 2018. As root with cups-pdf, the
# cleared window is printed and the page must hold no figure.
source "$(dirname "$0")/common.sh"
need xclip
start_display
start_velmora
window_geometry
FAILED=0

# The insides of the result fields, in client pixels: x y w h.
RESULT_BOXES=("20 180 70 16" "100 180 120 16" "20 316 70 16" "100 316 120 16"
  "283 331 30 14" "374 331 30 14" "459 331 34 14")

# How many result fields of a picture of the client area show something:
# an empty field is one flat colour.
fields_with_figures() {
  local picture=$1 n=0 box spread
  for box in "${RESULT_BOXES[@]}"; do
    read -r x y w h <<<"$box"
    spread=$(convert "$picture" -crop "${w}x${h}+${x}+${y}" +repage -colorspace gray \
      -format '%[fx:standard_deviation]' info:)
    awk -v s="$spread" 'BEGIN { exit !(s > 0.03) }' && n=$((n + 1))
  done
  echo "$n"
}

retype_reference() {
  click_at 616 172
  xdotool key ctrl+a
  xdotool type --delay 40 "$1"
  # Left for a field without handlers.
  click_at 298 338
  sleep 0.3
}

value_lifetime() {
  click_at 385 84
  sleep 1.5
  focus_window
}

replay() {
  local mode=$1
  shift
  focus_window
  # A double click on the value starts everything anew.
  xdotool mousemove $((WIN_X + 640)) $((WIN_Y + WIN_H - 433 + 36)) click --repeat 2 1
  sleep 0.5
  xdotool type --delay 60 250000
  xdotool key Tab
  sleep 0.3
  xdotool type --delay 60 03051950
  xdotool key Tab
  sleep 0.3
  retype_reference "31/12/2026"
  value_lifetime
  expect_results "30%" "€ 75.000,00" "70%" "€ 175.000,00" 76 7 27
  screenshot "$WORK/$mode-valued.png"
  crop_client "$WORK/$mode-valued.png" 0 0 "$WIN_W" 433 "$WORK/$mode-valued-client.png"
  [ "$(fields_with_figures "$WORK/$mode-valued-client.png")" = 7 ] ||
    { echo "FAIL: $mode: the check for figures does not see the seven figures"; FAILED=1; }

  retype_reference "15/06/2018"
  expect_results "" "" "" "" "" "" ""
  # The caret out of the result fields, so that only figures would show there.
  click_at 616 172
  screenshot "$WORK/$mode-cleared.png"
  crop_client "$WORK/$mode-cleared.png" 0 0 "$WIN_W" 433 "$WORK/$mode-cleared-client.png"
  [ "$(fields_with_figures "$WORK/$mode-cleared-client.png")" = 0 ] ||
    { echo "FAIL: $mode: the cleared window still shows a figure"; FAILED=1; }
  [ "$mode" = "2016" ] || print_cleared "$mode"

  value_lifetime
  expect_results "$@" 68 1 12
}

# Prints the window through cups-pdf and looks at the result fields on the page.
print_cleared() {
  local mode=$1
  if [ "$(id -u)" -ne 0 ] || [ ! -f /usr/lib/cups/backend/cups-pdf ] ||
    ! command -v pdftoppm >/dev/null; then
    echo "SKIP (printing): needs root and cups-pdf"
    return
  fi
  bash "$(dirname "$0")/cups-setup.sh" >/dev/null
  local out=/var/spool/cups-pdf/$(id -un) before job pdf="" pid
  before=$(lpstat -W all -o VelmoraPDF 2>/dev/null | awk '{sub(/.*-/, "", $1); print $1}' | sort -n | tail -n1 | grep . || echo 0)
  click_at 312 262 # "stampa"
  pid=$(wait_for_window '^Stampanti$')
  [ -n "$pid" ] || { echo "FAIL: the Stampanti window did not appear"; FAILED=1; return; }
  local info px py
  info=$(xwininfo -id "$pid")
  px=$(awk '/Absolute upper-left X/ {print $4}' <<<"$info")
  py=$(awk '/Absolute upper-left Y/ {print $4}' <<<"$info")
  # The cups-pdf queue made current, then "Stampa".
  xdotool mousemove $((px + 200)) $((py + 41)) click 1
  sleep 0.3
  xdotool type --delay 40 VelmoraPDF
  xdotool key Return
  sleep 0.3
  xdotool mousemove $((px + 432)) $((py + 40)) click 1
  sleep 0.3
  xdotool mousemove $((px + 548)) $((py + 40)) click 1
  for _ in $(seq 150); do
    job=$(lpstat -W all -o VelmoraPDF 2>/dev/null | awk '{sub(/.*-/, "", $1); print $1}' | sort -n | tail -n1 | grep . || echo 0)
    [ "$job" -gt "$before" ] && break
    sleep 0.2
  done
  for _ in $(seq 300); do
    pdf=$(find "$out" -maxdepth 1 -name "*job_${job}.pdf" 2>/dev/null | head -n1 || true)
    [ -n "$pdf" ] && pdfinfo "$pdf" >/dev/null 2>&1 && break
    pdf=""
    sleep 0.2
  done
  if [ -z "$pdf" ]; then
    echo "FAIL: $mode: no printout of the cleared window"
    FAILED=1
  else
    pdftoppm -r 100 -png -singlefile "$pdf" "$WORK/$mode-page"
    convert "$WORK/$mode-page.png" -fuzz 2% -trim +repage -resize "${WIN_W}x433!" \
      "$WORK/$mode-printed.png"
    if [ "$(fields_with_figures "$WORK/$mode-printed.png")" = 0 ]; then
      echo "ok: $mode: the printout of the cleared window holds no figure"
    else
      echo "FAIL: $mode: the printout of the cleared window holds a figure"
      FAILED=1
    fi
  fi
  xdotool key Escape
  sleep 0.5
  focus_window
}

replay 2016 "45%" "€ 112.500,00" "55%" "€ 137.500,00"

# Menu Saggio, "Saggio in vigore alla data di riferimento".
focus_window
xdotool key alt+s
sleep 0.4
xdotool key Down Return
sleep 0.4
replay allaData "42,75%" "€ 106.875,00" "57,25%" "€ 143.125,00"

if xdotool search --onlyvisible --name '^Velmora( 2003)? by Dovel$' >/dev/null 2>&1; then
  echo "FAIL: a message box is open"
  FAILED=1
fi
[ "$FAILED" -eq 0 ] && echo "true-figures: all checks passed"
exit $FAILED
