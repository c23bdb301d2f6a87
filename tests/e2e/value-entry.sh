#!/usr/bin/env bash
# The value field under a real mouse and an Italian keyboard: entered by a
# click anywhere on it, the first digit typed replaces "€ 0,00"; the keypad's
# decimal key types the decimal comma, the main keyboard's full stop nothing.
# Each entry is compared with the same amount typed the plain way.
source "$(dirname "$0")/common.sh"
need setxkbmap
start_display
# The layout of Italian desktops: its keypad decimal key gives a full stop.
setxkbmap it
start_velmora
window_geometry
FAILED=0

PP_BOX=(568 24 145 25)

# Leaves the value field with Tab and keeps a picture of it as $WORK/$1.png.
settle() {
  xdotool key Tab
  sleep 0.5
  screenshot "$WORK/$1-screen.png"
  crop_client "$WORK/$1-screen.png" "${PP_BOX[@]}" "$WORK/$1.png"
}

expect_same() {
  if same_picture "$WORK/$1.png" "$WORK/$2.png"; then
    echo "ok: $3"
  else
    fail "$3: the field shows otherwise (see $1.png and $2.png)"
  fi
}

xdotool windowfocus --sync "$WID" 2>/dev/null || true
sleep 0.5

# At start the field has the focus with "€ 0,00" selected; a click on it
# before typing keeps that selection.
click_at 572 36
xdotool type --delay 60 250000
settle start-click

# Back into the field by the keyboard, the amount typed as such.
xdotool key shift+Tab
sleep 0.3
xdotool type --delay 60 250000
settle typed
expect_same typed start-click "at start, a click near the left edge, then 250000: € 250.000,00"

# Entered by a click: near the left edge, on the amount, and with a press
# dragged along the field.
click_at 572 36
xdotool type --delay 60 250000
settle left-edge
expect_same typed left-edge "a click near the left edge, then 250000: € 250.000,00"

click_at 700 36
xdotool type --delay 60 250000
settle on-the-amount
expect_same typed on-the-amount "a click on the amount, then 250000: € 250.000,00"

top=$((WIN_Y + WIN_H - 433))
xdotool mousemove $((WIN_X + 580)) $((top + 36)) mousedown 1
xdotool mousemove $((WIN_X + 640)) $((top + 36))
sleep 0.2
xdotool mouseup 1
sleep 0.3
xdotool type --delay 60 250000
settle dragged
expect_same typed dragged "a press dragged along the field, then 250000: € 250.000,00"

# The keypad's decimal key against the comma key.
click_at 640 36
xdotool type --delay 60 1234,56
settle comma
click_at 640 36
xdotool type --delay 60 1234
xdotool key KP_Decimal
xdotool type --delay 60 56
settle keypad
expect_same comma keypad "1234, keypad decimal, 56: € 1.234,56"

# The main keyboard's full stop is dropped: 1234.56 is 123456.
click_at 640 36
xdotool type --delay 60 123456
settle digits
click_at 640 36
xdotool type --delay 60 1234.56
settle full-stop
expect_same digits full-stop "1234.56 from the main keyboard: the full stop dropped"

kill -0 "$APP_PID" 2>/dev/null || fail "the program ended"
cp "$WORK/keypad-screen.png" "$WORK/value-entry.png"
echo "screenshot: $WORK/value-entry.png"
exit $FAILED
