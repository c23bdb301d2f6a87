#!/usr/bin/env bash
# At scale factors 1, 1.5 and 2 the main window keeps its proportions and its
# colours stay where they belong; the screenshots are kept for a look.
source "$(dirname "$0")/common.sh"
SCREEN=1920x1200 start_display
FAILED=0
for scale in 1 1.5 2; do
  QT_SCALE_FACTOR=$scale start_velmora
  window_geometry
  shot="$WORK/mainwindow-x$scale.png"
  screenshot "$shot"
  convert "$shot" -crop "${WIN_W}x${WIN_H}+${WIN_X}+${WIN_Y}" +repage "$shot"
  want=$(python3 -c "print(round(791 * $scale))")
  echo "scale $scale: window $WIN_W x $WIN_H"
  if [ $((WIN_W - want)) -gt 1 ] || [ $((want - WIN_W)) -gt 1 ]; then
    echo "FAIL: width $WIN_W at scale $scale, expected $want"
    FAILED=1
  fi
  # The frame of the option buttons, at the same logical place.
  client_top=$(python3 -c "print($WIN_H - round(433 * $scale))")
  at() { python3 -c "print(round($1 * $scale))"; }
  got=$(pixel "$shot" "$(at 278)" $((client_top + $(at 216))))
  [ "$got" = "#8080ff" ] || { echo "FAIL: Frame1 at scale $scale is $got"; FAILED=1; }
  got=$(pixel "$shot" "$(at 532)" $((client_top + $(at 188))))
  [ "$got" = "#80ff80" ] || { echo "FAIL: Frame2 at scale $scale is $got"; FAILED=1; }
  kill "$APP_PID"
  wait "$APP_PID" 2>/dev/null || true
  APP_PID=""
done
exit $FAILED
