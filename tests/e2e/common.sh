# Shared by the end-to-end scripts: a private X display, the real program on
# it, screenshots and pixel checks. Each script gets the velmora executable
# and a scratch folder.
set -euo pipefail

VELMORA=$1
WORK=$2
mkdir -p "$WORK"
# The program's settings go to the scratch folder, never to the user's own.
export XDG_CONFIG_HOME="$WORK/config"
rm -rf "$XDG_CONFIG_HOME"

# A clock moved for the whole suite (faketime '2027-03-01 10:00:00' ctest ...)
# reaches the program that a script runs under env -i too: pass "${CLOCK[@]}".
CLOCK=()
for variable in LD_PRELOAD FAKETIME FAKETIME_SHARED; do
  [ -z "${!variable:-}" ] || CLOCK+=("$variable=${!variable}")
done

need() {
  for tool in "$@"; do
    if ! command -v "$tool" >/dev/null; then
      echo "SKIP: $tool is not installed"
      exit 77
    fi
  done
}

start_display() {
  need Xvfb xdotool xwininfo xdpyinfo import convert
  # Xvfb takes the first free display itself and writes its number when it
  # accepts clients: scripts that start at the same moment never share one.
  : >"$WORK/display"
  Xvfb -displayfd 3 -screen 0 "${SCREEN:-1280x1024}x24" -nolisten tcp -noreset \
    3>"$WORK/display" >"$WORK/xvfb.log" 2>&1 &
  XVFB_PID=$!
  local n
  for _ in $(seq 100); do
    n=$(tr -dc 0-9 <"$WORK/display")
    if [ -n "$n" ] && DISPLAY=:$n xdpyinfo >/dev/null 2>&1; then
      export DISPLAY=:$n
      return 0
    fi
    kill -0 "$XVFB_PID" 2>/dev/null || break
    sleep 0.1
  done
  echo "Xvfb did not start"
  cat "$WORK/xvfb.log"
  exit 1
}

cleanup() {
  [ -n "${APP_PID:-}" ] && kill "$APP_PID" 2>/dev/null || true
  [ -n "${XVFB_PID:-}" ] && kill "$XVFB_PID" 2>/dev/null || true
  wait 2>/dev/null || true
}
trap cleanup EXIT

# A script whose checks name today's date sets ON_DAY=YYYY-MM-DD first: the
# program then runs with its clock starting at 10:00 of that day, so that the
# expected texts are literal dates. on_day_clock sets ON_DAY_CLOCK to the
# variables that do it, for env.
ON_DAY=${ON_DAY:-}
on_day_clock() {
  ON_DAY_CLOCK=()
  [ -n "$ON_DAY" ] || return 0
  need faketime
  # The monotonic clock stays the system's: the toolkit's timers run on it.
  ON_DAY_CLOCK=("LD_PRELOAD=/usr/\$LIB/faketime/libfaketime.so.1" "FAKETIME=@$ON_DAY 10:00:00"
    FAKETIME_DONT_FAKE_MONOTONIC=1)
}

# Starts the program and waits for its main window; sets APP_PID and WID.
start_velmora() {
  on_day_clock
  local clock=()
  # env runs the program in its own process, which APP_PID names; a clock
  # moved for the whole suite gives way to the script's day.
  [ ${#ON_DAY_CLOCK[@]} -eq 0 ] || clock=(env -u FAKETIME_SHARED "${ON_DAY_CLOCK[@]}")
  QT_QPA_PLATFORM=xcb "${clock[@]}" "$VELMORA" "$@" >"$WORK/velmora.log" 2>&1 &
  APP_PID=$!
  WID=""
  for _ in $(seq 100); do
    WID=$(xdotool search --onlyvisible --name '^Velmora2016 by Dovel$' 2>/dev/null | head -n1 || true)
    [ -n "$WID" ] && break
    sleep 0.1
  done
  if [ -z "$WID" ]; then
    echo "the main window did not appear"
    cat "$WORK/velmora.log"
    exit 1
  fi
  sleep 1
}

# Geometry of the main window on the screen: WIN_X WIN_Y WIN_W WIN_H.
window_geometry() {
  local info
  info=$(xwininfo -id "$WID")
  WIN_X=$(awk '/Absolute upper-left X/ {print $4}' <<<"$info")
  WIN_Y=$(awk '/Absolute upper-left Y/ {print $4}' <<<"$info")
  WIN_W=$(awk '/Width:/ {print $2}' <<<"$info")
  WIN_H=$(awk '/Height:/ {print $2}' <<<"$info")
}

screenshot() { import -window root "$1"; }

# The colour of a pixel of a screenshot, as #rrggbb.
pixel() {
  convert "$1" -format "%[hex:p{$2,$3}]" info: | sed 's/^/#/' | cut -c1-7 | tr 'A-F' 'a-f'
}

# Checks the colour at a point of the client area (logical pixels from its
# top-left corner, below the menu bar).
expect_colour() {
  local shot=$1 x=$2 y=$3 want=$4 what=$5
  local top=$((WIN_Y + WIN_H - 433))
  local got
  got=$(pixel "$shot" $((WIN_X + x)) $((top + y)))
  if [ "$got" != "$want" ]; then
    echo "FAIL: $what at ($x,$y) is $got, expected $want"
    FAILED=1
  else
    echo "ok: $what $want"
  fi
}

# Clicks at a point of the client area.
click_at() {
  local top=$((WIN_Y + WIN_H - 433))
  xdotool mousemove $((WIN_X + $1)) $((top + $2)) click 1
  sleep 0.3
}

fail() {
  echo "FAIL: $*"
  FAILED=1
}

# Gives the window the keyboard back, as a desktop does after a dialog.
focus_window() {
  xdotool windowfocus --sync "$WID" 2>/dev/null || true
  sleep 0.3
}

# The clipboard is emptied before and after reading a field: an empty field
# copies nothing, and the value field would take a number left there.
empty_clipboard() {
  printf '' | xclip -selection clipboard -i >/dev/null 2>&1
  sleep 0.1
}

# A field's text, copied as a user copies it: click, select all, copy.
field_text() {
  empty_clipboard
  click_at "$1" "$2"
  xdotool key ctrl+a ctrl+c
  sleep 0.2
  xclip -o -selection clipboard 2>/dev/null || true
  empty_clipboard
}

expect_field() {
  local name=$1 x=$2 y=$3 want=$4 got
  got=$(field_text "$x" "$y")
  if [ "$got" = "$want" ]; then
    echo "ok: $name '$want'"
  else
    fail "$name is '$got', expected '$want'"
  fi
}

# PERCUSU, US, PERCNP, NP and, when given, the age R5, R6, R7.
expect_results() {
  expect_field PERCUSU 40 187 "$1"
  expect_field US 150 187 "$2"
  expect_field PERCNP 40 323 "$3"
  expect_field NP 150 323 "$4"
  [ $# -gt 4 ] || return 0
  expect_field R5 298 338 "$5"
  expect_field R6 389 338 "$6"
  expect_field R7 476 338 "$7"
}

# The number of the newest job of the print queue $QUEUE, 0 for none.
last_job() {
  lpstat -W all -o "$QUEUE" 2>/dev/null | awk '{sub(/.*-/, "", $1); print $1}' | sort -n | tail -n1 | grep . || echo 0
}

# For the command-line scripts: a check of what the last run left in RC and
# in $WORK/out and $WORK/err, which are shown when it fails.
expect() {
  local what=$1 ok=$2
  if [ "$ok" = 1 ]; then
    echo "ok: $what"
  else
    echo "FAIL: $what"
    echo "  status $RC"
    sed 's/^/  stdout: /' "$WORK/out" | head -40
    sed 's/^/  stderr: /' "$WORK/err" | head -20
    FAILED=1
  fi
}
is() { [ "$1" = "$2" ] && echo 1 || echo 0; }
has() { grep -qF -- "$2" <<<"$1" && echo 1 || echo 0; }

# A stand-in for xdg-open, first on PATH, that records each address it is
# asked to open, one a line, in $WORK/opened. Qt hands documents and pages to
# xdg-open on a desktop it does not know, so no desktop is named.
record_opened() {
  mkdir -p "$WORK/opener"
  cat >"$WORK/opener/xdg-open" <<OPENER
#!/bin/sh
printf '%s\n' "\$*" >>"$WORK/opened"
OPENER
  chmod +x "$WORK/opener/xdg-open"
  : >"$WORK/opened"
  export PATH="$WORK/opener:$PATH"
  unset XDG_CURRENT_DESKTOP DESKTOP_SESSION KDE_FULL_SESSION GNOME_DESKTOP_SESSION_ID
}

# Chooses an entry of the "?" menu from the keyboard: Alt+? opens the menu,
# then the entry's underlined letter. Then waits for the stand-in opener to be
# called and checks that it was asked to open the file URL given.
open_from_help_menu() {
  local letter=$1 want=$2 before
  before=$(wc -l <"$WORK/opened")
  xdotool windowfocus --sync "$WID"
  xdotool key --clearmodifiers alt+question
  sleep 0.5
  xdotool key "$letter"
  for _ in $(seq 50); do
    [ "$(wc -l <"$WORK/opened")" -gt "$before" ] && break
    sleep 0.1
  done
  local got
  got=$(tail -n +$((before + 1)) "$WORK/opened")
  if [ "$got" = "$want" ]; then
    echo "ok: the opener was asked for $want"
  else
    echo "FAIL: the opener was asked for '${got}', expected $want"
    FAILED=1
  fi
}

# Cuts a rectangle of the client area (logical pixels) out of a screenshot.
crop_client() {
  local shot=$1 x=$2 y=$3 w=$4 h=$5 out=$6
  local top=$((WIN_Y + WIN_H - 433))
  convert "$shot" -crop "${w}x${h}+$((WIN_X + x))+$((top + y))" +repage "$out"
}

# True when two pictures are the same pixel for pixel.
same_picture() {
  [ "$(compare -metric AE "$1" "$2" null: 2>&1 || true)" = "0" ]
}

# Waits for a visible window whose title matches, 50 tries or the second
# argument; prints its id.
wait_for_window() {
  local title=$1 id=""
  for _ in $(seq "${2:-50}"); do
    id=$(xdotool search --onlyvisible --name "$title" 2>/dev/null | head -n1 || true)
    [ -n "$id" ] && break
    sleep 0.1
  done
  echo "$id"
}

# Closes a window as its title bar's button does, then gives the main window
# the keyboard back, as a desktop would: no window manager runs here.
close_window() {
  python3 "$(dirname "${BASH_SOURCE[0]}")/close-window.py" "$1"
  sleep 0.5
  xdotool windowfocus --sync "$WID" 2>/dev/null || true
  sleep 0.3
}
