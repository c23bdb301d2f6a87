#!/usr/bin/env bash
# At the rate of the date of the act, typed as a user types it: € 100.000,
# menu Saggio, "Saggio in vigore alla data di riferimento", a reference date
# of 07/12/2026 and 10 years give 21,88 % and € 21.880,00; 15/06/2023 gives
# 38,61 %. The figures are read back as a user copies them. The choice holds
# at the next start. The screenshots are left as rate-2026.png and
# rate-2023.png for a look by eye.
source "$(dirname "$0")/common.sh"
need xclip
start_display
start_velmora
window_geometry
FAILED=0

# Types the reference date and the years, parks the options through the
# years field, then "usufrutto a tempo determinato".
fixed_term() {
  click_at 616 172
  xdotool key ctrl+a
  xdotool type --delay 40 "$1"
  click_at 604 274
  xdotool key ctrl+a
  xdotool type --delay 40 "$2"
  click_at 300 132
  sleep 2
  focus_window
}

focus_window
# The menu by the keyboard: Alt+S opens "Saggio" on its first command; the
# second is the rate of the date.
xdotool key alt+s
sleep 0.4
xdotool key Down Return
sleep 0.4
focus_window
xdotool type --delay 60 100000
xdotool key Tab
sleep 0.3

fixed_term "07/12/2026" 10
screenshot "$WORK/rate-2026.png"
expect_results "21,88%" "€ 21.880,00" "78,12%" "€ 78.120,00"

fixed_term "15/06/2023" 10
screenshot "$WORK/rate-2023.png"
expect_results "38,61%" "€ 38.610,00" "61,39%" "€ 61.390,00"

if xdotool search --onlyvisible --name '^Velmora( 2003)? by Dovel$' >/dev/null 2>&1; then
  echo "FAIL: a message box is open"
  FAILED=1
fi

# The next start keeps the choice: a date of 2026 values at 2,5 %, not at
# the 2016 table's 0,2 %.
kill "$APP_PID"
wait "$APP_PID" 2>/dev/null || true
start_velmora
window_geometry
focus_window
xdotool type --delay 60 100000
xdotool key Tab
sleep 0.3
fixed_term "07/12/2026" 10
expect_field "PERCUSU at the next start" 40 187 "21,88%"
exit $FAILED
