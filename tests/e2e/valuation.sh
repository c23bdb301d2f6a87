#!/usr/bin/env bash
# The real program values a lifetime usufruct typed as a user types it:
# 100000 in the value field, Tab, the birth date 16081946, a reference date of
# 7 dicembre 2026, then "usufrutto vitalizio". The result fields must then hold
# text in their own colours, no message box may appear, and the window keeps
# its size. The final screenshot is left as valuation.png for a look by eye:
# 80, 3, 21, 25%, 75%, € 25.000,00 and € 75.000,00.
source "$(dirname "$0")/common.sh"
start_display
# The display's socket may appear before the server answers.
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
start_velmora
window_geometry
FAILED=0
W0=$WIN_W
H0=$WIN_H

# Client-area rectangles (logical pixels) of the fields, from their twips.
# name x y w h colour-of-text
FIELDS=(
  "R5 280 328 37 20 #0000ff"
  "R6 371 328 37 20 #0000ff"
  "R7 456 328 41 20 #0000ff"
  "PERCUSU 16 176 81 23 #ff0000"
  "US 96 176 129 23 #004000"
  "PERCNP 16 312 81 23 #ff0000"
  "NP 96 312 129 23 #0000ff"
)

# How many pixels of a field's rectangle are (nearly) its text colour.
text_pixels() {
  local shot=$1 x=$2 y=$3 w=$4 h=$5 colour=$6
  local top=$((WIN_Y + WIN_H - 433))
  convert "$shot" -crop "$((w - 4))x$((h - 4))+$((WIN_X + x + 2))+$((top + y + 2))" +repage \
    -fuzz 25% -fill white +opaque "$colour" -fill black -opaque "$colour" \
    -format "%[fx:int(w*h*(1-mean)+0.5)]" info:
}

count_all() {
  local shot=$1 f
  for f in "${FIELDS[@]}"; do
    read -r name x y w h colour <<<"$f"
    echo "$name $(text_pixels "$shot" "$x" "$y" "$w" "$h" "$colour")"
  done
}

# No window manager runs: give the program the keyboard directly.
xdotool windowfocus --sync "$WID" 2>/dev/null || true
sleep 0.3
screenshot "$WORK/before.png"
count_all "$WORK/before.png" >"$WORK/before.txt"

xdotool type --delay 60 100000
xdotool key Tab
sleep 0.3
xdotool type --delay 60 16081946
xdotool key Tab
sleep 0.3
# The reference date: click into D2, select everything, type the new date.
click_at 616 172
xdotool key ctrl+a
xdotool type --delay 40 "7 dicembre 2026"
sleep 0.3
# "usufrutto vitalizio"
click_at 300 84
# The completion sound (or the beep without audio) blocks the program a moment.
sleep 2

screenshot "$WORK/after.png"
count_all "$WORK/after.png" >"$WORK/after.txt"
cp "$WORK/after.png" "$WORK/valuation.png"
# A crop of the window alone, easier to look at.
window_geometry
convert "$WORK/after.png" -crop "${WIN_W}x${WIN_H}+${WIN_X}+${WIN_Y}" +repage "$WORK/window.png"

if ! kill -0 "$APP_PID" 2>/dev/null; then
  echo "FAIL: the program ended"
  cat "$WORK/velmora.log"
  exit 1
fi
[ "$WIN_W" -eq "$W0" ] && [ "$WIN_H" -eq "$H0" ] ||
  { echo "FAIL: the window changed size from ${W0}x${H0} to ${WIN_W}x${WIN_H}"; FAILED=1; }
if xdotool search --onlyvisible --name '^Velmora( 2003)? by Dovel$' >/dev/null 2>&1; then
  echo "FAIL: a message box is open"
  FAILED=1
fi

# Each result field was empty (or held only "%") and now shows more text; a
# single bold digit such as the 3 months covers about a dozen pixels.
while read -r name after; do
  before=$(awk -v n="$name" '$1 == n {print $2}' "$WORK/before.txt")
  if [ "$after" -le $((before + 6)) ]; then
    echo "FAIL: $name shows no new text ($before text pixels before, $after after)"
    FAILED=1
  else
    echo "ok: $name written ($before -> $after text pixels)"
  fi
done <"$WORK/after.txt"

# The window around the fields is drawn as designed.
expect_colour "$WORK/after.png" 532 188 "#80ff80" "Frame2 light green"
expect_colour "$WORK/after.png" 20 203 "#80ff80" "Label3 light green"
exit $FAILED
