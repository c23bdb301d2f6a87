#!/usr/bin/env bash
# The real program opens its main window as designed.
source "$(dirname "$0")/common.sh"
start_display
start_velmora
window_geometry
screenshot "$WORK/mainwindow.png"
FAILED=0

echo "window $WIN_W x $WIN_H at $WIN_X,$WIN_Y"
[ "$WIN_W" -eq 791 ] || { echo "FAIL: width $WIN_W, expected 791 (11869 twips)"; FAILED=1; }
[ "$WIN_H" -gt 433 ] || { echo "FAIL: height $WIN_H holds no menu bar above 433"; FAILED=1; }

expect_colour "$WORK/mainwindow.png" 150 100 "#e0e0e0" "window background grey"
expect_colour "$WORK/mainwindow.png" 278 216 "#8080ff" "Frame1 light blue"
expect_colour "$WORK/mainwindow.png" 275 46 "#ffff00" "Label2 yellow"
expect_colour "$WORK/mainwindow.png" 532 188 "#80ff80" "Frame2 light green"
expect_colour "$WORK/mainwindow.png" 532 308 "#ffc0ff" "Frame3 light magenta"
expect_colour "$WORK/mainwindow.png" 572 26 "#c0ffff" "PP light cyan, awaiting the value"
expect_colour "$WORK/mainwindow.png" 20 203 "#80ff80" "Label3 light green"
expect_colour "$WORK/mainwindow.png" 20 339 "#ff8080" "Label4 salmon"

# Closing from the title bar ends the program.
python3 "$(dirname "$0")/close-window.py" "$WID"
for _ in $(seq 50); do kill -0 "$APP_PID" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$APP_PID" 2>/dev/null; then echo "FAIL: the program is still running after closing"; FAILED=1; fi
exit $FAILED
