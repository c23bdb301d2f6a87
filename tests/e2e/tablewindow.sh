#!/usr/bin/env bash
# The menu command "Tabella Usufrutto vitalizio 2016" opens one table window
# that shows the coefficient picture unscaled from its top-left corner, at
# normal and at double density.
source "$(dirname "$0")/common.sh"
PICTURES="$(cd "$(dirname "$0")/../../resources/pictures" && pwd)"
TITLE='^Tabella Usufrutto by ostrel Ilvo Quendari$'
FAILED=0

# The visible table windows, one id a line.
table_windows() { xdotool search --onlyvisible --name "$TITLE" 2>/dev/null || true; }

# Clicks the first entry of the menu bar, "&Tabella Usufrutto vitalizio 2016",
# which sits at the top-left of the window above the client area.
choose_table_command() {
  local scale=$1
  window_geometry
  local bar=$((WIN_H - 433 * scale))
  xdotool mousemove $((WIN_X + 30 * scale)) $((WIN_Y + bar / 2)) click 1
}

# Waits for the table window; sets TABLE, TAB_X, TAB_Y, TAB_W, TAB_H.
wait_for_table() {
  TABLE=""
  for _ in $(seq 50); do
    TABLE=$(table_windows | head -n1)
    [ -n "$TABLE" ] && break
    sleep 0.1
  done
  [ -n "$TABLE" ] || return 1
  sleep 0.5
  local info
  info=$(xwininfo -id "$TABLE")
  TAB_X=$(awk '/Absolute upper-left X/ {print $4}' <<<"$info")
  TAB_Y=$(awk '/Absolute upper-left Y/ {print $4}' <<<"$info")
  TAB_W=$(awk '/Width:/ {print $2}' <<<"$info")
  TAB_H=$(awk '/Height:/ {print $2}' <<<"$info")
}

# The colour of a point of the table window (device pixels from its corner).
expect_table_colour() {
  local shot=$1 x=$2 y=$3 want=$4 what=$5 got
  got=$(pixel "$shot" $((TAB_X + x)) $((TAB_Y + y)))
  if [ "$got" != "$want" ]; then fail "$what at ($x,$y) is $got, expected $want"; else echo "ok: $what $want"; fi
}

# Compares the part of the window that lies on the screen with the same part
# of the picture: an unscaled drawing from the top-left corner matches pixel
# for pixel.
expect_picture() {
  local shot=$1 picture=$2 name=$3 w h different
  w=$((TAB_W < 1280 - TAB_X ? TAB_W : 1280 - TAB_X))
  h=$((TAB_H < 1024 - TAB_Y ? TAB_H : 1024 - TAB_Y))
  convert "$shot" -crop "${w}x${h}+${TAB_X}+${TAB_Y}" +repage "$WORK/$name-shown.png"
  convert "$picture" -crop "${w}x${h}+0+0" +repage "$WORK/$name-picture.png"
  different=$(compare -metric AE "$WORK/$name-shown.png" "$WORK/$name-picture.png" null: 2>&1 || true)
  if [ "$different" != "0" ]; then
    fail "$name: $different of ${w}x${h} pixels differ from $(basename "$picture")"
  else
    echo "ok: $name shows $(basename "$picture") unscaled over ${w}x${h} pixels"
  fi
}

start_display

# --- Normal density ---
start_velmora
choose_table_command 1
wait_for_table || fail "no window titled 'Tabella Usufrutto by ostrel Ilvo Quendari' appeared"
if [ -n "$TABLE" ]; then
  screenshot "$WORK/tablewindow.png"
  echo "table window $TAB_W x $TAB_H at $TAB_X,$TAB_Y"
  [ "$TAB_W" -eq 617 ] && [ "$TAB_H" -eq 539 ] ||
    fail "client area $TAB_W x $TAB_H, expected 617 x 539 (9256 x 8086 twips)"
  expect_table_colour "$WORK/tablewindow.png" 100 20 "#ffffff" "white above the heading"
  expect_table_colour "$WORK/tablewindow.png" 257 300 "#e6e6fa" "lavender coefficient column"
  expect_table_colour "$WORK/tablewindow.png" 387 300 "#d4f5d0" "light-green usufruct column"
  expect_table_colour "$WORK/tablewindow.png" 527 300 "#ffe0b8" "light-orange bare-ownership column"
  expect_picture "$WORK/tablewindow.png" "$PICTURES/tabella2016.png" "normal"

  # The command again brings back the same window, not a second one.
  choose_table_command 1
  sleep 0.5
  count=$(table_windows | wc -l)
  [ "$count" -eq 1 ] || fail "$count table windows after choosing the command twice"
  [ "$(table_windows | head -n1)" = "$TABLE" ] || fail "the second command made a new window"
  # The main window goes on beside it.
  xdotool search --onlyvisible --name '^Velmora2016 by Dovel$' >/dev/null ||
    fail "the main window went away"
  kill -0 "$APP_PID" 2>/dev/null || fail "the program ended"
  # Esc closes it, as it closes a tool window; the program goes on.
  xdotool windowfocus --sync "$TABLE" 2>/dev/null || true
  xdotool key Escape
  sleep 0.5
  [ -z "$(table_windows)" ] && echo "ok: Esc closes the table window" || fail "Esc left the table window open"
  kill -0 "$APP_PID" 2>/dev/null || fail "the program ended with the table window"
fi
kill "$APP_PID" 2>/dev/null || true
wait "$APP_PID" 2>/dev/null || true
APP_PID=""

# --- Double density: the @2x drawing, device pixel for device pixel ---
export QT_SCALE_FACTOR=2
start_velmora
choose_table_command 2
wait_for_table || fail "no table window at double density"
if [ -n "$TABLE" ]; then
  screenshot "$WORK/tablewindow@2x.png"
  echo "table window at double density $TAB_W x $TAB_H at $TAB_X,$TAB_Y"
  [ "$TAB_W" -eq 1234 ] && [ "$TAB_H" -eq 1078 ] ||
    fail "client area at double density $TAB_W x $TAB_H, expected 1234 x 1078"
  expect_picture "$WORK/tablewindow@2x.png" "$PICTURES/tabella2016@2x.png" "double"
fi
unset QT_SCALE_FACTOR

exit $FAILED
