#!/usr/bin/env bash
# Builds the Debian package, checks it with lintian, installs it on this
# machine, starts the installed program, opens its companion files through a
# stand-in opener and removes the package again. Run by CI as root; not part
# of ctest because it changes the machine.
set -euo pipefail
cd "$(dirname "$0")/../.."
REPO=$PWD
BUILD=${1:-build-deb}
WORK=$(mktemp -d)

echo "== desktop file and metainfo"
desktop-file-validate resources/desktop/it.dovel.Velmora.desktop
appstreamcli validate --no-net resources/desktop/it.dovel.Velmora.metainfo.xml

echo "== package"
# Built with the flags of a Debian build, hardening included.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
CXXFLAGS="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)"
LDFLAGS=$(dpkg-buildflags --get LDFLAGS)
cmake -S . -B "$BUILD" -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
  "-DCMAKE_CXX_FLAGS=$CXXFLAGS" "-DCMAKE_EXE_LINKER_FLAGS=$LDFLAGS" \
  "-DCMAKE_MODULE_LINKER_FLAGS=$LDFLAGS" "-DCMAKE_SHARED_LINKER_FLAGS=$LDFLAGS" >/dev/null
cmake --build "$BUILD" -j2 --target velmora velmora_documents
(cd "$BUILD" && rm -f velmora_*.deb && cpack -G DEB >/dev/null)
DEB=$(ls "$BUILD"/velmora_*.deb)
dpkg-deb --info "$DEB" | grep -E '^ (Package|Version|Depends|Recommends|Suggests):'
dpkg-deb --contents "$DEB" | awk '{print $6, $7, $8}' | sed 's/ *$//' >"$WORK/contents"
for path in ./usr/bin/velmora ./usr/lib/velmora/velmora ./usr/lib/velmora/velmora_sound.so \
  ./usr/share/velmora/leggimi.txt ./usr/share/velmora/normativa.htm \
  ./usr/share/velmora/TabelleUsufrutto.htm ./usr/share/velmora/TabelleUsufruttoTempoDeterminato.htm \
  ./usr/share/velmora/ValutazioneAutomatica.xls ./usr/share/velmora/IR_END.WAV \
  ./usr/share/velmora/tada.WAV \
  ./usr/share/doc/velmora/copyright ./usr/share/doc/velmora/changelog.Debian.gz \
  ./usr/share/man/man1/velmora.1.gz ./usr/share/lintian/overrides/velmora \
  ./usr/share/applications/it.dovel.Velmora.desktop \
  ./usr/share/metainfo/it.dovel.Velmora.metainfo.xml \
  ./usr/share/icons/hicolor/scalable/apps/it.dovel.Velmora.svg \
  ./usr/share/icons/hicolor/48x48/apps/it.dovel.Velmora.png; do
  grep -q "^$path" "$WORK/contents" || { echo "FAIL: $path is not in the package"; exit 1; }
done
grep -q '^./usr/bin/velmora -> ../lib/velmora/velmora$' "$WORK/contents" \
  || { echo "FAIL: /usr/bin/velmora is not a relative link to the program"; exit 1; }
# The program folder holds the program and its sound module, nothing else.
if grep '^\./usr/lib/velmora/[^ ]' "$WORK/contents" | grep -qv '/velmora$\|/velmora_sound.so$'; then
  echo "FAIL: /usr/lib/velmora holds more than the program and its sound module"
  exit 1
fi
control=$(dpkg-deb --info "$DEB")
expect_relation() {
  grep -qiE "^ $1:.*$2" <<<"$control" || { echo "FAIL: $1 lacks $2"; exit 1; }
}
expect_relation Depends libqt6widgets6
expect_relation Depends xdg-utils
expect_relation Recommends 'libreoffice-calc \| gnumeric'
expect_relation Recommends qt6-translations-l10n
expect_relation Suggests gnome-calculator
grep -q 'proprietà' <<<"$control" || { echo "FAIL: the description is not in correct Italian"; exit 1; }
# The package ships no shared library for others: no ldconfig, no trigger.
dpkg-deb --control "$DEB" "$WORK/control"
if grep -rl ldconfig "$WORK/control"; then
  echo "FAIL: the maintainer scripts or triggers call ldconfig"
  exit 1
fi

echo "== lintian"
# No error and no warning: each warning accepted is overridden, with its
# reason, in resources/package/lintian-overrides.
lintian --fail-on error,warning --display-info "$DEB"

echo "== install"
# Without the recommended spreadsheet, which the test does not need.
DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "$REPO/$DEB" \
  >/dev/null
trap 'DEBIAN_FRONTEND=noninteractive apt-get remove -y -qq velmora >/dev/null || true' EXIT
dpkg -L velmora >"$WORK/installed"
grep -qx /usr/share/velmora/leggimi.txt "$WORK/installed" \
  || { echo "FAIL: dpkg -L velmora does not list the companion files"; exit 1; }

echo "== man velmora"
MANPAGER=cat MANWIDTH=80 man velmora 2>"$WORK/man.err" >"$WORK/man.txt" \
  || { echo "FAIL: man velmora"; cat "$WORK/man.err"; exit 1; }
for part in "velmora - valore dell'usufrutto" "--help" "--version" "leggimi.txt" "STATO DI USCITA"; do
  grep -qF -- "$part" "$WORK/man.txt" || { echo "FAIL: the man page lacks $part"; exit 1; }
done
echo "man velmora shows the page"

echo "== start the installed program"
(
  source tests/e2e/common.sh /usr/bin/velmora "$WORK"
  FAILED=0
  record_opened
  start_display
  start_velmora
  exe=$(readlink -f /proc/$APP_PID/exe)
  echo "running $exe"
  [ "$exe" = /usr/lib/velmora/velmora ] || { echo "FAIL: the program is $exe"; exit 1; }
  screenshot "$WORK/installed.png"
  echo "the installed program opened its window"
  # Docks group the window with its launcher by the window's class.
  wm_class=$(xprop -id "$WID" WM_CLASS | sed 's/.*", "\(.*\)"$/\1/')
  grep -qx "StartupWMClass=$wm_class" /usr/share/applications/it.dovel.Velmora.desktop \
    || { echo "FAIL: the window's class $wm_class is not the desktop file's StartupWMClass"; exit 1; }
  echo "ok: StartupWMClass is the window's class, $wm_class"
  open_from_help_menu i file:///usr/share/velmora/leggimi.txt
  open_from_help_menu n file:///usr/share/velmora/normativa.htm
  [ "$FAILED" -eq 0 ] || exit 1
)
echo "== remove"
DEBIAN_FRONTEND=noninteractive apt-get remove -y -qq velmora >/dev/null
trap - EXIT
[ ! -e /usr/bin/velmora ] || { echo "FAIL: /usr/bin/velmora is still there"; exit 1; }
echo "package test passed"
