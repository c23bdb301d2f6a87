#!/usr/bin/env bash
# The dialog for other rights and several lives on a real X display, from the
# keyboard alone: opened from its menu, two spouses with accrual valued with
# Enter and the report copied; at scale 1 and 2 it grows with the scale and
# stays within the screen. The screenshots are kept for a look.
source "$(dirname "$0")/common.sh"
need xclip
SCREEN=1920x1200 start_display
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
  # The rate in force on the reference date, then the dialog.
  keys alt+s Down Return alt+a Return
  DID=$(wait_for_window '^Altri diritti e più usufruttuari$')
  [ -n "$DID" ] || { fail "no dialog at scale $scale"; break; }
  sleep 0.3
  keys alt+p =100000 alt+r =07122026 alt+1 =16081946 alt+g =3/5/1950 alt+e Down Return alt+s
  sleep 0.5
  report=$(xclip -o -selection clipboard 2>/dev/null || true)
  for want in "Titolare 2:                   nascita 3 maggio 1950" \
    "quella del più giovane (titolare 2)" "Usufrutto:      30% – € 30.000,00 (trentamila/00)"; do
    [ "$(has "$report" "$want")" = 1 ] && echo "ok: $want" || fail "report at scale $scale lacks '$want'"
  done
  info=$(xwininfo -id "$DID")
  width=$(awk '/Width:/ {print $2}' <<<"$info")
  height=$(awk '/Height:/ {print $2}' <<<"$info")
  echo "scale $scale: dialog $width x $height"
  [ "$scale" = 1 ] && width1=$width
  [ "$height" -le 1200 ] || fail "the dialog is $height high at scale $scale"
  [ "$scale" = 2 ] && [ $((width - 2 * width1)) -gt 4 -o $((2 * width1 - width)) -gt 4 ] &&
    fail "width $width at scale 2, $width1 at scale 1"
  screenshot "$WORK/shot.png"
  convert "$WORK/shot.png" -crop "${width}x${height}+$(awk '/Absolute upper-left X/ {print $4}' <<<"$info")+$(awk '/Absolute upper-left Y/ {print $4}' <<<"$info")" +repage "$WORK/dialog-x$scale.png"
  kill "$APP_PID"
  wait "$APP_PID" 2>/dev/null || true
  APP_PID=""
done
exit $FAILED
