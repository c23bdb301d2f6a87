#!/usr/bin/env bash
# The menu "Prospetto" on the real program: a lifetime valuation of
# € 100.000 (born 16 agosto 1946, on 7 dicembre 2026) is copied as text and
# HTML, copied as the sentence for the act and saved as PDF under the name
# the dialog suggests; the PDF is read back with pdftotext and its page
# rendered with pdftoppm (left as report.png for a look by eye). A folder that
# cannot be written, and a full disk where one can be made, give a message
# (left as screenshots) and leave no file. Then a fixed-term valuation of
# € 1.234,56 for 12 years is saved too.
source "$(dirname "$0")/common.sh"
need xclip pdftotext pdftoppm
export HOME="$WORK/home"
rm -rf "$HOME"
mkdir -p "$HOME/Documents"
export XDG_DOCUMENTS_DIR="$HOME/Documents"
LOCKED="$WORK/bloccata"
FULL="$WORK/piena"
# Whatever happens, the folder is freed and the small file system goes.
trap 'chattr -i "$LOCKED" 2>/dev/null || true; umount "$FULL" 2>/dev/null || true; cleanup' EXIT
# The suggested file name carries the day the report is made: a fixed one.
ON_DAY=2026-12-09
start_display
start_velmora
window_geometry
FAILED=0

ok() { echo "ok: $*"; }
# Waits for a window with the title and gives it the keyboard; 1 when none came.
wait_window() {
  local id=""
  for _ in $(seq 50); do
    id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n1 || true)
    [ -n "$id" ] && break
    sleep 0.1
  done
  [ -n "$id" ] || return 1
  xdotool windowfocus --sync "$id" 2>/dev/null || true
  sleep 0.3
}

expect_contains() {
  local what=$1 haystack=$2 needle=$3
  if grep -qF -- "$needle" <<<"$haystack"; then ok "$what has '$needle'"; else fail "$what lacks '$needle'"; fi
}

# The menu by the keyboard: Alt+P opens "Prospetto" on its first command.
report_command() {
  focus_window
  xdotool key alt+p
  sleep 0.4
  for _ in $(seq "$1"); do xdotool key Down; done
  xdotool key Return
  sleep 0.5
}

# Ctrl+S, then the file name typed over the suggestion (or the suggestion kept).
save_pdf() {
  focus_window
  xdotool key ctrl+s
  wait_window '^Salva prospetto PDF$' || { fail "no save dialog"; return; }
  if [ -n "${1:-}" ]; then
    xdotool key ctrl+a
    xdotool type --delay 20 "$1"
  fi
  xdotool key Return
  sleep 1
}

# The message box that a refused save opens: left as a screenshot for a look
# by eye (its text, naming the path, is checked by the window tests), then
# closed. 1 when none opened.
message_shown() {
  wait_window '^Velmora by Dovel$' || return 1
  screenshot "$WORK/$1.png"
  xdotool key Return
  sleep 0.3
}

focus_window
xdotool type --delay 60 100000
xdotool key Tab
sleep 0.3
xdotool type --delay 60 16081946
xdotool key Tab
sleep 0.3
click_at 616 172
xdotool key ctrl+a
xdotool type --delay 40 "7 dicembre 2026"
click_at 300 84
sleep 2

# ---- the clipboard, both forms ----
report_command 0
TEXT=$(xclip -o -selection clipboard -t UTF8_STRING 2>/dev/null || true)
HTML=$(xclip -o -selection clipboard -t text/html 2>/dev/null || true)
for want in "PROSPETTO DI CALCOLO" "da 79 a 82 anni" "80 anni, 3 mesi e 21 giorni" \
  "25% – € 25.000,00 (venticinquemila/00)" "75% – € 75.000,00 (settantacinquemila/00)" \
  "D.M. 21/12/2015"; do
  expect_contains "text clipboard" "$TEXT" "$want"
  [ "$want" = "PROSPETTO DI CALCOLO" ] || expect_contains "HTML clipboard" "$HTML" "$want"
done
expect_contains "HTML clipboard" "$HTML" "<h1>Prospetto di calcolo</h1>"

# The 2016 table for an act of 2026: the values go only when asked for.
report_command 1
if wait_window '^Velmora by Dovel$'; then
  screenshot "$WORK/warning.png"
  xdotool key Return
  sleep 0.5
  ACT=$(xclip -o -selection clipboard 2>/dev/null || true)
  grep -q "^PROSPETTO DI CALCOLO" <<<"$ACT" && ok "Enter answers No: the report stays" ||
    fail "Enter copied: '$ACT'"
else
  fail "no warning before the values for the act"
fi
expect_contains "PDF" "$(xclip -o -selection clipboard)" "non è quella in vigore il 7 dicembre 2026"
report_command 1
wait_window '^Velmora by Dovel$' || fail "no warning the second time"
xdotool key alt+s
sleep 0.5
ACT=$(xclip -o -selection clipboard 2>/dev/null || true)
WANT_ACT="Valore della piena proprietà euro 100.000,00 (centomila/00); valore dell'usufrutto euro 25.000,00 (venticinquemila/00); valore della nuda proprietà euro 75.000,00 (settantacinquemila/00)."
[ "$ACT" = "$WANT_ACT" ] && ok "values for the act" || fail "values for the act: '$ACT'"

# ---- the PDF under the suggested name ----
PDF="$HOME/Documents/prospetto-usufrutto-2026-12-09.pdf"
save_pdf ""
if [ -f "$PDF" ]; then
  ok "saved $PDF"
  PDFTEXT=$(pdftotext -layout "$PDF" - 2>/dev/null)
  for want in "Prospetto di calcolo" "€ 100.000,00 (centomila/00)" "16 agosto 1946" \
    "da 79 a 82 anni" "125 × 0,2% = 25%" "venticinquemila/00" "settantacinquemila/00" \
    "D.M. 11/12/2015" "D.M. 21/12/2015" "artt. 46 e 48"; do
    expect_contains "PDF" "$PDFTEXT" "$want"
  done
  pages=$(pdfinfo "$PDF" 2>/dev/null | awk '/^Pages:/ {print $2}')
  size=$(pdfinfo "$PDF" 2>/dev/null | awk '/^Page size:/ {print $3 "x" $5}')
  [ "$pages" = 1 ] && ok "one page" || fail "$pages pages"
  [ "$size" = "595.276x841.89" ] || [ "$size" = "595x842" ] && ok "A4 $size" || fail "page size $size"
  pdftoppm -png -r 80 -singlefile "$PDF" "$WORK/report"
  [ -s "$WORK/report.png" ] && ok "page rendered as report.png" || fail "pdftoppm gave no page"
else
  fail "no PDF at $PDF"
  ls -la "$HOME/Documents"
fi
ls -a "$HOME/Documents" | grep -q '^\.\?prospetto.*\.[A-Za-z0-9]\{6\}$' && fail "a temporary file was left"

# ---- a folder that cannot be written ----
mkdir -p "$LOCKED"
chmod a-w "$LOCKED"
if touch "$LOCKED/.probe" 2>/dev/null; then
  rm -f "$LOCKED/.probe"
  # Root writes in any folder: an immutable one stops it too.
  chattr +i "$LOCKED" 2>/dev/null || true
fi
if touch "$LOCKED/.probe" 2>/dev/null; then
  rm -f "$LOCKED/.probe"
  echo "SKIP part: no folder can be made read-only here"
else
  save_pdf "$LOCKED/prospetto.pdf"
  message_shown refused-folder && ok "the refusal is told (refused-folder.png)" || fail "no message for the read-only folder"
  [ -z "$(ls -A "$LOCKED")" ] && ok "nothing left in the read-only folder" || fail "files left: $(ls -A "$LOCKED")"
fi
chattr -i "$LOCKED" 2>/dev/null || true
chmod u+w "$LOCKED"

# ---- a full disk, where a small file system can be mounted ----
mkdir -p "$FULL"
if mount -t tmpfs -o size=8k tmpfs "$FULL" 2>/dev/null; then
  save_pdf "$FULL/prospetto.pdf"
  message_shown refused-full-disk && ok "the failure is told (refused-full-disk.png)" || fail "no message for the full disk"
  [ -z "$(ls -A "$FULL")" ] && ok "nothing left on the full disk" || fail "files left: $(ls -A "$FULL")"
  umount "$FULL"
else
  echo "SKIP part: no small file system can be mounted here"
fi

# ---- a fixed term, after the reset on the value field ----
focus_window
click_at 620 36
xdotool click --repeat 2 --delay 80 1
sleep 0.5
xdotool key ctrl+a
xdotool type --delay 60 "1234,56"
click_at 604 274
xdotool key ctrl+a
xdotool type --delay 40 12
click_at 300 132
sleep 2
save_pdf "$WORK/tempo.pdf"
if [ -f "$WORK/tempo.pdf" ]; then
  PDFTEXT=$(pdftotext -layout "$WORK/tempo.pdf" - 2>/dev/null)
  for want in "12 anni" "0,0237 (2,37%)" "2,37% – € 29,26 (ventinove/26)" \
    "97,63% – € 1.205,30 (milleduecentocinque/30)" "D.M. 11/12/2015"; do
    expect_contains "fixed-term PDF" "$PDFTEXT" "$want"
  done
else
  fail "no fixed-term PDF"
fi

kill -0 "$APP_PID" 2>/dev/null || { fail "the program ended"; cat "$WORK/velmora.log"; }
exit $FAILED
