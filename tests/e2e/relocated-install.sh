#!/usr/bin/env bash
# Installs the build with `cmake --install --prefix` into a scratch folder
# whose name has a blank, starts that program and opens companion files from
# the menu through a stand-in opener: the program finds them under the prefix
# it was installed to, not the one it was configured for.
#   relocated-install.sh PROGRAM SCRATCH [BUILD]
source "$(dirname "$0")/common.sh"
BUILD=${3:-$(dirname "$VELMORA")/..}
FAILED=0
need python3

PREFIX="$WORK/prefisso con spazio"
rm -rf "$PREFIX"
cmake --install "$BUILD" --prefix "$PREFIX" >"$WORK/install.log"

echo "== layout under $PREFIX"
[ "$(readlink "$PREFIX/bin/velmora")" = ../lib/velmora/velmora ] \
  || { echo "FAIL: bin/velmora is not a relative link to lib/velmora/velmora"; FAILED=1; }
for file in lib/velmora/velmora lib/velmora/velmora_sound.so \
  share/velmora/leggimi.txt share/velmora/normativa.htm share/velmora/TabelleUsufrutto.htm \
  share/velmora/TabelleUsufruttoTempoDeterminato.htm share/velmora/ValutazioneAutomatica.xls \
  share/velmora/IR_END.WAV share/velmora/tada.WAV share/man/man1/velmora.1.gz \
  share/doc/velmora/copyright share/doc/velmora/changelog.Debian.gz; do
  [ -f "$PREFIX/$file" ] || { echo "FAIL: $file is not installed"; FAILED=1; }
done
if ls "$PREFIX/lib/velmora" | grep -qv '^velmora\(_sound\.so\)\?$'; then
  echo "FAIL: lib/velmora holds more than the program and its sound module:"
  ls "$PREFIX/lib/velmora"
  FAILED=1
fi

echo "== the relocated program opens its companion files"
file_url() { python3 -c 'import pathlib, sys; print(pathlib.Path(sys.argv[1]).as_uri())' "$1"; }
record_opened
VELMORA="$PREFIX/bin/velmora"
start_display
start_velmora
echo "running $(readlink -f /proc/$APP_PID/exe)"
open_from_help_menu i "$(file_url "$PREFIX/share/velmora/leggimi.txt")"
open_from_help_menu n "$(file_url "$PREFIX/share/velmora/normativa.htm")"

[ "$FAILED" -eq 0 ] || exit 1
echo "relocated install test passed"
