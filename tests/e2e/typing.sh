#!/usr/bin/env bash
# The user types a value and a birth date into the real program: the value is
# settled as a money text, the birth date shown in full, the duration closed.
source "$(dirname "$0")/common.sh"
start_display
start_velmora
window_geometry
FAILED=0

# Fields in logical pixels of the client area: left top width height.
PP_BOX=(568 24 145 25)
D1_BOX=(536 88 161 25)
TEXT1_AT=(604 274)

# The width of what is written in a field: the text's extent after trimming
# the field's background, inside its border.
ink_width() {
  local shot=$1 x=$2 y=$3 w=$4 h=$5
  local top=$((WIN_Y + WIN_H - 433))
  convert "$shot" -crop "$((w - 6))x$((h - 6))+$((WIN_X + x + 3))+$((top + y + 3))" +repage \
    -fuzz 30% -trim -format '%w' info: 2>/dev/null
}

expect_wider() {
  local before=$1 after=$2 by=$3 what=$4
  if [ "$after" -ge $((before + by)) ]; then
    echo "ok: $what ($before -> $after pixels)"
  else
    echo "FAIL: $what: text $before -> $after pixels wide, expected at least $by more"
    FAILED=1
  fi
}

keys() {
  xdotool "$@"
  sleep 1
}

# The window has the keyboard; the focus is in PP with the zero selected.
xdotool windowfocus --sync "$WID" 2>/dev/null || true
sleep 0.5
screenshot "$WORK/0-start.png"
expect_colour "$WORK/0-start.png" 575 36 "#c0ffff" "PP light cyan, awaiting the value"

keys type --delay 80 100000
screenshot "$WORK/1-value.png"
expect_colour "$WORK/1-value.png" 575 36 "#c0ffff" "PP still light cyan while typing"
typed_value=$(ink_width "$WORK/1-value.png" "${PP_BOX[@]}")

keys key Tab
screenshot "$WORK/2-birth.png"
expect_colour "$WORK/2-birth.png" 575 36 "#ffffff" "PP white, its value settled"
expect_colour "$WORK/2-birth.png" 545 100 "#c0ffff" "D1 light cyan, awaiting the birth date"
expect_wider "$typed_value" "$(ink_width "$WORK/2-birth.png" "${PP_BOX[@]}")" 15 \
  "100.000 became the money text"

keys type --delay 80 16081946
screenshot "$WORK/3-digits.png"
typed_date=$(ink_width "$WORK/3-digits.png" "${D1_BOX[@]}")

keys key Tab
screenshot "$WORK/typing.png"
expect_colour "$WORK/typing.png" 575 36 "#ffffff" "PP white"
expect_colour "$WORK/typing.png" 545 100 "#ffffff" "D1 white, the birth date accepted"
expect_wider "$typed_date" "$(ink_width "$WORK/typing.png" "${D1_BOX[@]}")" 20 \
  "16081946 became the date in words"

# The duration is closed: a click on it starts no entry.
click_at "${TEXT1_AT[@]}"
screenshot "$WORK/5-duration.png"
expect_colour "$WORK/5-duration.png" "${TEXT1_AT[@]}" "#c0c0c0" "Text1 disabled, no entry started"
expect_colour "$WORK/5-duration.png" 545 100 "#ffffff" "D1 untouched"

if grep -qiE 'error|warning|critical' "$WORK/velmora.log"; then
  echo "the program reported:"
  cat "$WORK/velmora.log"
fi
echo "screenshot: $WORK/typing.png"
exit $FAILED
