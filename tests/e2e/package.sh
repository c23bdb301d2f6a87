#!/usr/bin/env bash
# Builds the Debian package, installs it on this machine, starts the installed
# program and removes the package again. Run by CI as root; not part of ctest
# because it changes the machine.
set -euo pipefail
cd "$(dirname "$0")/../.."
REPO=$PWD
BUILD=${1:-build-deb}
WORK=$(mktemp -d)

echo "== desktop file and metainfo"
desktop-file-validate resources/desktop/it.dovel.Velmora.desktop
appstreamcli validate --no-net resources/desktop/it.dovel.Velmora.metainfo.xml

echo "== package"
cmake -S . -B "$BUILD" -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr >/dev/null
cmake --build "$BUILD" -j2 --target velmora
(cd "$BUILD" && rm -f velmora_*.deb && cpack -G DEB >/dev/null)
DEB=$(ls "$BUILD"/velmora_*.deb)
dpkg-deb --info "$DEB" | grep -E 'Package|Version|Depends'
dpkg-deb --contents "$DEB" | awk '{print $6, $7, $8}' >"$WORK/contents"
for path in ./usr/bin/velmora ./usr/lib/velmora/velmora ./usr/lib/velmora/leggimi.txt \
  ./usr/lib/velmora/ValutazioneAutomatica.xls ./usr/lib/velmora/IR_END.WAV \
  ./usr/lib/velmora/velmora_sound.so \
  ./usr/share/applications/it.dovel.Velmora.desktop \
  ./usr/share/metainfo/it.dovel.Velmora.metainfo.xml \
  ./usr/share/icons/hicolor/scalable/apps/it.dovel.Velmora.svg \
  ./usr/share/icons/hicolor/48x48/apps/it.dovel.Velmora.png; do
  grep -q "^$path" "$WORK/contents" || { echo "FAIL: $path is not in the package"; exit 1; }
done
grep -qi 'depends:.*libqt6widgets6' <(dpkg-deb --info "$DEB") \
  || { echo "FAIL: the package does not depend on Debian's Qt 6 runtime"; exit 1; }

echo "== install"
DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "$REPO/$DEB" >/dev/null
trap 'DEBIAN_FRONTEND=noninteractive apt-get remove -y -qq velmora >/dev/null || true' EXIT

echo "== start the installed program"
(
  source tests/e2e/common.sh /usr/bin/velmora "$WORK"
  start_display
  start_velmora
  exe=$(readlink -f /proc/$APP_PID/exe)
  folder=$(dirname "$exe")
  echo "running $exe"
  [ "$folder" = /usr/lib/velmora ] || { echo "FAIL: the program folder is $folder"; exit 1; }
  [ -f "$folder/leggimi.txt" ] || { echo "FAIL: leggimi.txt is not in $folder"; exit 1; }
  screenshot "$WORK/installed.png"
  echo "the installed program opened its window"
)
echo "== remove"
DEBIAN_FRONTEND=noninteractive apt-get remove -y -qq velmora >/dev/null
trap - EXIT
[ ! -e /usr/bin/velmora ] || { echo "FAIL: /usr/bin/velmora is still there"; exit 1; }
echo "package test passed"
