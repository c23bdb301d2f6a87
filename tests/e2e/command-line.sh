#!/usr/bin/env bash
# The real program on the command line: --help and --version answer without a
# display, a display that cannot be reached gives one clear message and the
# status 1 instead of Qt's abort, and an argument nobody knows is refused.
source "$(dirname "$0")/common.sh"
FAILED=0

# Runs the program with ARGS in an environment without any display, plus the
# variables given; RC, OUT and ERR hold what it did. It is stopped after
# LIMIT seconds (status 124).
LIMIT=10
run_bare() {
  set +e
  env -i PATH="$PATH" HOME="$HOME" "${CLOCK[@]}" "$@" timeout "$LIMIT" "$VELMORA" "${ARGS[@]}" \
    >"$WORK/out" 2>"$WORK/err"
  RC=$?
  set -e
  OUT=$(cat "$WORK/out")
  ERR=$(cat "$WORK/err")
}


for option in --help -h; do
  ARGS=("$option")
  run_bare
  expect "${ARGS[0]} exits 0 without a display" "$(is "$RC" 0)"
  expect "${ARGS[0]} prints the usage in Italian" "$(has "$OUT" "Uso: velmora [OPZIONE]")"
  expect "${ARGS[0]} lists --version" "$(has "$OUT" "-v, --version")"
  expect "${ARGS[0]} writes nothing on stderr" "$(is "$ERR" "")"
done

for option in --version -v; do
  ARGS=("$option")
  run_bare
  expect "${ARGS[0]} exits 0 without a display" "$(is "$RC" 0)"
  expect "${ARGS[0]} prints the version first" \
    "$(head -n1 <<<"$OUT" | grep -qE '^velmora [0-9]+\.[0-9]+\.[0-9]+$' && echo 1 || echo 0)"
  expect "${ARGS[0]} states the licence" "$(has "$OUT" "GPL-3.0")"
done

ARGS=(--version --help)
run_bare
expect "--help wins over --version" "$(has "$OUT" "Uso: velmora")"

# No display: nothing set, xcb asked for by name, a display with no server.
no_display() {
  local what=$1
  shift
  run_bare "$@"
  expect "$what: exits 1" "$(is "$RC" 1)"
  expect "$what: says the display cannot be reached" \
    "$(has "$ERR" "nessuno schermo grafico raggiungibile")"
  expect "$what: no Qt abort or hint" \
    "$(grep -qE 'Reinstalling|qt\.qpa|Aborted' <<<"$ERR" && echo 0 || echo 1)"
  expect "$what: nothing on stdout" "$(is "$OUT" "")"
}
ARGS=()
no_display "DISPLAY unset"
no_display "QT_QPA_PLATFORM=xcb, DISPLAY unset" QT_QPA_PLATFORM=xcb
for n in $(seq 240 299); do
  [ -e /tmp/.X11-unix/X$n ] || break
done
no_display "DISPLAY :$n with no server" QT_QPA_PLATFORM=xcb DISPLAY=:$n

# With a display (Qt's offscreen platform): Qt's own options are taken, any
# other argument is refused with the status 2.
ARGS=(--nessuna)
run_bare QT_QPA_PLATFORM=offscreen
expect "an unknown option exits 2" "$(is "$RC" 2)"
expect "an unknown option is named" "$(has "$ERR" "argomento non riconosciuto: --nessuna")"
expect "an unknown option points to --help" "$(has "$ERR" "velmora --help")"

ARGS=(-style fusion documento.txt)
run_bare QT_QPA_PLATFORM=offscreen
expect "an argument after a Qt option is refused" "$(is "$RC" 2)"
expect "the argument is named" "$(has "$ERR" "argomento non riconosciuto: documento.txt")"

# Qt's options alone start the program: it is still running when stopped.
ARGS=(-platform offscreen -style fusion)
LIMIT=3
run_bare
expect "Qt's own options start the program" "$(is "$RC" 124)"

if [ "$FAILED" -ne 0 ]; then
  exit 1
fi
echo "command line test passed"
