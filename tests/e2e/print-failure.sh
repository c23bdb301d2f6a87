#!/usr/bin/env bash
# Printing never fails in silence. Two cups-pdf queues of this test's own come
# and go while the program runs: each opening of the printer window lists the
# queues as they are then; a queue removed, or rejecting jobs, while the
# window is open gets a message when "Stampa" is pressed, and no job. The
# queues are removed at the end; the shared VelmoraPDF is left as it is.
# Needs root (it sets up cupsd and the queues) and the CUPS and X tools.
if [ "$(id -u)" -ne 0 ]; then
  echo "SKIP: printing end to end needs root to set up CUPS"
  exit 77
fi
source "$(dirname "$0")/common.sh"
need cupsd lpadmin lpstat cupsreject cupsaccept
[ -f /usr/lib/cups/backend/cups-pdf ] || { echo "SKIP: printer-driver-cups-pdf is not installed"; exit 77; }
bash "$(dirname "$0")/cups-setup.sh"
PPD=$(lpstat -l -p VelmoraPDF >/dev/null 2>&1 && find /usr/share/ppd -iname 'CUPS-PDF*.ppd' | sort | head -n 1)
[ -n "$PPD" ] || { echo "SKIP: no cups-pdf driver"; exit 77; }

# Named after VelmoraPDF in the alphabet, so that the shared queue keeps its
# place at the head of every list while these come and go.
REMOVED=VelmoraRemoved
REJECTING=VelmoraRejecting
drop_queues() {
  for q in "$REMOVED" "$REJECTING"; do lpadmin -x "$q" 2>/dev/null || true; done
}
drop_queues
trap 'drop_queues; cleanup' EXIT
FAILED=0

add_queue() { lpadmin -p "$1" -v cups-pdf:/ -E -P "$PPD"; }

start_display
start_velmora
window_geometry
xdotool windowfocus --sync "$WID" 2>/dev/null || true

# "stampa": the printer window, as PWID with its corner PX PY.
open_printer_window() {
  click_at 312 262
  PWID=$(wait_for_window '^Stampanti$')
  [ -n "$PWID" ] || { echo "FAIL: the Stampanti window did not appear"; exit 1; }
  xdotool windowmove --sync "$PWID" 0 $((WIN_Y + WIN_H + 10)) 2>/dev/null || true
  sleep 0.5
  local info
  info=$(xwininfo -id "$PWID")
  PX=$(awk '/Absolute upper-left X/ {print $4}' <<<"$info")
  PY=$(awk '/Absolute upper-left Y/ {print $4}' <<<"$info")
  xdotool windowfocus --sync "$PWID" 2>/dev/null || true
}

click_printer() {
  xdotool mousemove $((PX + $1)) $((PY + $2)) click 1
  sleep 0.4
}

# Picks the queue in the list by typing its name into the open list, then
# makes it the current printer.
make_current() {
  click_printer 200 41
  xdotool type --delay 40 "$1"
  xdotool key Return
  sleep 0.3
  click_printer 432 40 # "Imposta corrente"
}

# A printing failure's box carries the main window's title: any window of
# that title but the main window itself.
failure_box() {
  xdotool search --onlyvisible --name '^Velmora2016 by Dovel$' 2>/dev/null | grep -vx "$WID" | head -n1 || true
}

# A failing setting's box, titled after the last setting, may come first.
any_failure_box() {
  local box
  box=$(failure_box)
  [ -n "$box" ] || box=$(xdotool search --onlyvisible --name '^Property: Zoom$' 2>/dev/null | head -n1 || true)
  echo "$box"
}

# Presses "Stampa" and expects the printing failure, closing every box it shows.
expect_failure_box() {
  local what=$1 shot=$2 box="" printing=0
  click_printer 548 40
  for _ in 1 2; do
    box=""
    for _ in $(seq 50); do
      box=$(any_failure_box)
      [ -n "$box" ] && break
      sleep 0.1
    done
    [ -n "$box" ] || break
    if [ "$box" = "$(failure_box)" ]; then
      printing=1
      screenshot "$WORK/$shot"
    fi
    python3 "$(dirname "$0")/close-window.py" "$box"
    sleep 0.5
    xdotool windowfocus --sync "$PWID" 2>/dev/null || true
    [ $printing -eq 1 ] && break
  done
  if [ $printing -eq 0 ]; then
    fail "$what: \"Stampa\" did not tell of the printing failure"
    return
  fi
  echo "ok: $what: \"Stampa\" shows the printing failure"
}

jobs_of() { lpstat -W all -o "$1" 2>/dev/null | wc -l; }

# --- 1. A queue added while the program runs shows at the next opening ---
open_printer_window
xdotool key Escape # Esc closes the printer window
sleep 0.5
[ -z "$(xdotool search --onlyvisible --name '^Stampanti$' 2>/dev/null)" ] ||
  fail "Esc left the printer window open"
xdotool windowfocus --sync "$WID" 2>/dev/null || true
add_queue "$REMOVED"
open_printer_window
make_current "$REMOVED"

# --- 2. Removed while the window is open ---
lpadmin -x "$REMOVED"
expect_failure_box "a queue removed while the window is open" removed.png
lpstat -p "$REMOVED" >/dev/null 2>&1 && fail "the removed queue came back"

# --- 3. Rejecting jobs while the window is open; the list is read anew ---
xdotool key Escape
sleep 0.5
xdotool windowfocus --sync "$WID" 2>/dev/null || true
add_queue "$REJECTING"
open_printer_window
make_current "$REJECTING"
cupsreject "$REJECTING"
before=$(jobs_of "$REJECTING")
expect_failure_box "a queue that rejects jobs" rejecting.png
[ "$(jobs_of "$REJECTING")" = "$before" ] || fail "a job reached the rejecting queue"

# The program goes on, and prints without a word once the queue takes jobs.
cupsaccept "$REJECTING"
click_printer 548 40
sleep 2
if [ -n "$(failure_box)" ] || [ -n "$(xdotool search --onlyvisible --name '^Property: ' 2>/dev/null)" ]; then
  fail "a queue that takes jobs again still gets a failure"
elif [ "$(jobs_of "$REJECTING")" -le "$before" ]; then
  fail "no job reached the queue once it took jobs again"
else
  echo "ok: once the queue takes jobs again, \"Stampa\" prints without a word"
fi
kill -0 "$APP_PID" 2>/dev/null || fail "the program ended"
exit $FAILED
