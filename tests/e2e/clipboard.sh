#!/usr/bin/env bash
# The clipboard on a real X display, with xclip as the other program: start-up
# leaves what another program copied; a paste into the value field from its
# context menu is read strictly, and the middle button's paste of the
# selection is refused; a number copied while the program runs is new (Qt
# tells of every new owner) and the value field takes it once; the report
# copied from the menu is still there after the birth date is entered; after
# the workbook command the same total copied again is taken again.
source "$(dirname "$0")/common.sh"
need xclip
FOREIGN="Testo copiato in un altro programma"
start_display
printf '%s' "$FOREIGN" | xclip -selection clipboard -i
record_opened
start_velmora
window_geometry
FAILED=0
IMPORTED='^Velmora by Dovel$'

ok() { echo "ok: $*"; }
clipboard() { xclip -o -selection clipboard 2>/dev/null || true; }
copy_elsewhere() {
  printf '%s' "$1" | xclip -selection clipboard -i
  sleep 0.3
}
# Leaves the value field for a field without handlers, and enters it again.
enter_value() {
  focus_window
  click_at 298 338
  click_at 640 36
  sleep 0.3
}
# True when the notice of an import shows; it is closed. The box comes from
# the focus handler at once: where none is expected, a shorter wait will do.
imported() {
  local box
  box=$(wait_for_window "$IMPORTED" "${1:-50}")
  [ -n "$box" ] || return 1
  xdotool windowfocus --sync "$box" 2>/dev/null || true
  xdotool key Return
  sleep 0.5
}
# A lifetime valuation of the value field's amount, born 16/08/1946, on
# 7 dicembre 2026 (80 years: 25 %), from the birth date on.
value_lifetime() {
  focus_window
  click_at 616 100
  xdotool type --delay 60 16081946
  xdotool key Tab
  sleep 0.3
  click_at 616 172
  xdotool key ctrl+a
  xdotool type --delay 40 "7 dicembre 2026"
  click_at 300 84
  sleep 2
  focus_window
}

[ "$(clipboard)" = "$FOREIGN" ] && ok "start-up leaves the foreign clipboard" ||
  fail "after start-up the clipboard holds '$(clipboard)'"
enter_value
imported 15 && fail "a text copied before start-up was taken as the value"

# ---- pastes into the value field, entered already ----
# The context menu's Paste ("&Incolla"), chosen by its letter.
paste_from_menu() {
  focus_window
  local top=$((WIN_Y + WIN_H - 433))
  xdotool mousemove $((WIN_X + 640)) $((top + 36)) click 3
  sleep 0.5
  xdotool key i
  sleep 0.5
}
# The value field copies nothing (Ctrl+C is no digit): its value shows in
# what leaving it and the birth date's click say, and in the valuation.
printf '250000.00' | xclip -selection primary -i
xdotool mousemove $((WIN_X + 640)) $((WIN_Y + WIN_H - 433 + 36)) click 2
sleep 0.5
xdotool key Tab # a text pasted into the zero would be no number: refused here
imported 15 && fail "the middle button pasted the selection into the value" ||
  ok "the middle button pastes nothing into the value"
enter_value
copy_elsewhere "250000.00"
paste_from_menu
imported && ok "250000.00 pasted from the context menu is refused with a message" ||
  fail "250000.00 pasted from the context menu was not refused"
click_at 616 100 # the birth date asks for the value first
imported && ok "the refused paste left no value" || fail "the refused paste left a value"
copy_elsewhere "300.000,00"
paste_from_menu
imported 15 && fail "a message after pasting 300.000,00"
value_lifetime
expect_results "25%" "€ 75.000,00" "75%" "€ 225.000,00"

# ---- a number copied while the program runs ----
copy_elsewhere "100.000,00"
enter_value
imported && ok "a number copied in another program is taken" ||
  fail "a number copied in another program was not taken"
enter_value
imported 15 && fail "the number taken was taken again"
copy_elsewhere "100.000,00"
enter_value
imported 15 && fail "the number taken, copied again, was taken again"
copy_elsewhere "200.000,00"
enter_value
imported && ok "another number copied is taken" || fail "another number copied was not taken"
value_lifetime
expect_results "25%" "€ 50.000,00" "75%" "€ 150.000,00"

# ---- the report outlives the birth date ----
focus_window
xdotool key alt+p
sleep 0.4
xdotool key Return
sleep 0.5
case "$(clipboard)" in
  "PROSPETTO DI CALCOLO"*) ok "the report is on the clipboard" ;;
  *) fail "no report on the clipboard: '$(clipboard | head -n1)'" ;;
esac
click_at 616 100
sleep 0.3
case "$(clipboard)" in
  "PROSPETTO DI CALCOLO"*) ok "entering the birth date leaves the report on the clipboard" ;;
  *) fail "after the birth date the clipboard holds '$(clipboard | head -n1)'" ;;
esac

# ---- the workbook's total, the same as the last one taken ----
copy_elsewhere "200.000,00"
enter_value
imported 15 && fail "the number taken, copied again, was taken again"
focus_window
click_at 300 200 # "valutazione automatica"
sleep 1
grep -q "ValutazioneAutomatica.xls" "$WORK/opened" || fail "the workbook was not opened"
# The user works in the workbook: the window loses the keyboard, and gets it
# back when the user returns.
xdotool windowfocus "$(xwininfo -root | awk '/Window id:/ {print $4}')" 2>/dev/null || true
sleep 0.3
copy_elsewhere "200.000,00"
focus_window
imported && ok "the workbook's total, the same as the last, is taken" ||
  fail "the workbook's total, the same as the last, was not taken"
value_lifetime
expect_results "25%" "€ 50.000,00" "75%" "€ 150.000,00"

kill -0 "$APP_PID" 2>/dev/null || fail "the program ended"
screenshot "$WORK/clipboard.png"
exit $FAILED
