#!/usr/bin/env bash
# The dialog for other rights and several lives on a real X display, from the
# keyboard alone: opened from its menu, two spouses with accrual valued with
# Enter at the dialog's own rate, the date of the act, while the main window
# keeps the 2016 table, and the report copied; at scale 1 and 2 on a screen of
# 1600 x 1000 it opens within the screen, ten lives too. The screenshots are
# kept for a look.
source "$(dirname "$0")/common.sh"
need xclip
SCREEN=1600x1000 start_display
FAILED=0
keys() {
  for k in "$@"; do
    case "$k" in
      =*) xdotool type --delay 20 "${k#=}" ;;
      *) xdotool key --clearmodifiers "$k" ;;
    esac
    sleep 0.1
  done
}
for scale in 1 2; do
  QT_SCALE_FACTOR=$scale start_velmora
  xdotool windowfocus --sync "$WID"
  # The main window stays on its default rate, the 2016 table.
  keys alt+a Return
  DID=$(wait_for_window '^Altri diritti e più usufruttuari$')
  [ -n "$DID" ] || { fail "no dialog at scale $scale"; break; }
  sleep 0.3
  keys alt+p =100000 alt+r =07122026 alt+1 =16081946 alt+g =3/5/1950 alt+e Down Return alt+s
  sleep 0.5
  report=$(xclip -o -selection clipboard 2>/dev/null || true)
  for want in "al saggio d'interesse del 2,5% in vigore alla data di riferimento" \
    "Titolare 2:                   nascita 3 maggio 1950" \
    "quella del più giovane (titolare 2)" "Usufrutto:      30% – € 30.000,00 (trentamila/00)"; do
    [ "$(has "$report" "$want")" = 1 ] && echo "ok: $want" || fail "report at scale $scale lacks '$want'"
  done
  for lives in 2 10; do
    # Eight more lives after the two: the dialog scrolls them within the screen.
    [ "$lives" = 10 ] && keys alt+g alt+g alt+g alt+g alt+g alt+g alt+g alt+g && sleep 0.5
    info=$(xwininfo -id "$DID")
    width=$(awk '/Width:/ {print $2}' <<<"$info")
    height=$(awk '/Height:/ {print $2}' <<<"$info")
    left=$(awk '/Absolute upper-left X/ {print $4}' <<<"$info")
    top=$(awk '/Absolute upper-left Y/ {print $4}' <<<"$info")
    echo "scale $scale, $lives lives: dialog $width x $height at $left,$top"
    [ "$left" -ge 0 ] && [ "$top" -ge 0 ] && [ $((left + width)) -le 1600 ] &&
      [ $((top + height)) -le 1000 ] || fail "the dialog leaves the screen at scale $scale"
    screenshot "$WORK/shot.png"
    convert "$WORK/shot.png" -crop "${width}x${height}+$left+$top" +repage \
      "$WORK/dialog-x$scale-$lives.png"
  done
  kill "$APP_PID"
  wait "$APP_PID" 2>/dev/null || true
  APP_PID=""
done
exit $FAILED
