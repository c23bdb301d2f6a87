#!/usr/bin/env bash
# An opener that starts and then fails, as xdg-open does when no application
# is set for a file: the workbook, the instructions, the legislation page and
# the home page must each say so, and the window minimised for the workbook
# must come back.
source "$(dirname "$0")/common.sh"
start_display

mkdir -p "$WORK/opener"
cat >"$WORK/opener/xdg-open" <<OPENER
#!/bin/sh
printf '%s\n' "\$*" >>"$WORK/opened"
sleep 0.5
echo "xdg-open: no method available for opening '\$1'" >&2
exit 3
OPENER
chmod +x "$WORK/opener/xdg-open"
: >"$WORK/opened"
export PATH="$WORK/opener:$PATH"
unset XDG_CURRENT_DESKTOP DESKTOP_SESSION KDE_FULL_SESSION GNOME_DESKTOP_SESSION_ID

start_velmora
window_geometry
FAILED=0

# Waits for the message box, checks its text with a screenshot kept for a
# look, and closes it.
expect_box() {
  local what=$1 shot=$2 box
  box=$(wait_for_window '^Velmora 2003 by Dovel$')
  for _ in $(seq 30); do
    [ -n "$box" ] && break
    sleep 0.2
    box=$(wait_for_window '^Velmora 2003 by Dovel$')
  done
  if [ -z "$box" ]; then
    echo "FAIL: $what: no message"
    FAILED=1
    return
  fi
  echo "ok: $what: a message"
  screenshot "$WORK/$shot"
  close_window "$box"
}

xdotool windowfocus --sync "$WID" 2>/dev/null || true
sleep 0.3
# "valutazione automatica": the window goes down, then comes back with the message.
click_at 385 200
expect_box "the workbook" workbook.png
if xwininfo -id "$WID" | grep -q 'Map State: IsViewable'; then
  echo "ok: the window is restored after the workbook's failure"
else
  echo "FAIL: the window stays minimised after the workbook's failure"
  FAILED=1
fi

for entry in "i:the instructions:instructions.png" "n:the legislation:normativa.png" \
  "v:the home page:home-page.png"; do
  IFS=: read -r letter what shot <<<"$entry"
  xdotool windowfocus --sync "$WID" 2>/dev/null || true
  xdotool key --clearmodifiers alt+question
  sleep 0.5
  xdotool key "$letter"
  expect_box "$what" "$shot"
done

[ "$(wc -l <"$WORK/opened")" -eq 4 ] || { echo "FAIL: the opener ran $(wc -l <"$WORK/opened") times, not 4"; FAILED=1; }
[ "$FAILED" -eq 0 ] && echo "failing-opener: all checks passed"
exit $FAILED
