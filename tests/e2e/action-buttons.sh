#!/usr/bin/env bash
# The action buttons under a real mouse and keyboard: a click on the empty
# part of a coloured bar is taken, and a button already selected values again
# when it is clicked or Space is pressed on it, showing the new figures.
source "$(dirname "$0")/common.sh"
start_display
start_velmora
window_geometry
FAILED=0
REFUSAL='^Velmora by Dovel$'

# The result fields, and the age fields below the option frame.
RESULTS=(0 170 230 170)
AGE=(275 320 230 35)

# Screenshot of the figures a valuation shows, as $1-results.png and $1-age.png.
figures() {
  sleep 1.5 # the completion sound, or the beep, holds the program a moment
  screenshot "$WORK/$1.png"
  crop_client "$WORK/$1.png" "${RESULTS[@]}" "$WORK/$1-results.png"
  crop_client "$WORK/$1.png" "${AGE[@]}" "$WORK/$1-age.png"
}

retype_reference_date() {
  click_at 616 172
  xdotool key ctrl+a
  xdotool type --delay 40 "$1"
  sleep 0.3
}

xdotool windowfocus --sync "$WID" 2>/dev/null || true
sleep 0.5

# --- 1. The empty right part of a bar, below and beside its caption ---
# No value yet: the two valuations refuse, which shows they were asked.
for bar in "usufrutto vitalizio:470:100" "usufrutto a tempo determinato:470:154"; do
  IFS=: read -r name x y <<<"$bar"
  click_at "$x" "$y"
  box=$(wait_for_window "$REFUSAL")
  if [ -z "$box" ]; then
    fail "a click on the empty part of \"$name\" was not taken"
  else
    echo "ok: the empty part of \"$name\" takes the click"
    close_window "$box"
  fi
done
# "stampa" opens the printer window, or says that there is no printer.
click_at 470 278
box=$(wait_for_window '^(Stampanti|Velmora 2003 by Dovel)$')
if [ -z "$box" ]; then
  fail "a click on the empty part of \"stampa\" was not taken"
else
  echo "ok: the empty part of \"stampa\" takes the click"
  close_window "$box"
fi

# --- 2a. A lifetime valuation asked again after a new reference date ---
click_at 640 36 # the value field
xdotool type --delay 60 100000
xdotool key Tab
sleep 0.3
xdotool type --delay 60 16081946
xdotool key Tab
sleep 0.3
retype_reference_date "7 dicembre 2036"
click_at 300 84 # "usufrutto vitalizio", selected now
figures life-2036
retype_reference_date "7 dicembre 2026"
click_at 300 84 # selected already
figures life-2026
same_picture "$WORK/life-2036-age.png" "$WORK/life-2026-age.png" &&
  fail "clicked again after a new reference date, the window keeps the old age"
same_picture "$WORK/life-2036-results.png" "$WORK/life-2026-results.png" &&
  fail "clicked again after a new reference date, the window keeps the old figures"
retype_reference_date "7 dicembre 2036"
click_at 300 84
figures life-again
if same_picture "$WORK/life-2036-age.png" "$WORK/life-again-age.png" &&
  same_picture "$WORK/life-2036-results.png" "$WORK/life-again-results.png"; then
  echo "ok: \"usufrutto vitalizio\" clicked again shows the figures of the new date"
else
  fail "clicked again, \"usufrutto vitalizio\" does not show what a first click shows"
fi

# --- 2b. A fixed-term valuation asked again from the keyboard ---
click_at 604 274 # the years, free again after the lifetime valuation
xdotool type --delay 60 20
click_at 340 140 # "usufrutto a tempo determinato", on its caption
figures years-20
# Shift+Tab back to the years, 10, Tab to the button, Space.
xdotool key shift+Tab
xdotool type --delay 60 10
xdotool key Tab
xdotool key space
figures years-10
same_picture "$WORK/years-20-results.png" "$WORK/years-10-results.png" &&
  fail "Space on the selected button after new years keeps the old figures"
xdotool key shift+Tab
xdotool type --delay 60 20
xdotool key Tab
xdotool key space
figures years-again
if same_picture "$WORK/years-20-results.png" "$WORK/years-again-results.png"; then
  echo "ok: Space on \"usufrutto a tempo determinato\" shows the figures of the new years"
else
  fail "Space on the selected button does not show what a first click shows"
fi

kill -0 "$APP_PID" 2>/dev/null || fail "the program ended"
xdotool search --onlyvisible --name "$REFUSAL" >/dev/null 2>&1 && fail "a message box is open"
cp "$WORK/years-again.png" "$WORK/action-buttons.png"
echo "screenshot: $WORK/action-buttons.png"
exit $FAILED
