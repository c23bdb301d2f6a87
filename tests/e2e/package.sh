#!/usr/bin/env bash
# Builds the Debian source and binary packages with dpkg-buildpackage and
# checks them with lintian; makes the CPack package from the same build tree
# and compares the two; installs the CPack package on this machine, starts the
# installed program, opens its companion files through a stand-in opener and
# removes it; then runs the autopkgtest tests against the debhelper package.
# Run by CI as root; not part of ctest because it changes the machine.
#   package.sh [FOLDER]
# FOLDER (build-deb) receives the packages; FOLDER/build is the build tree.
set -euo pipefail
cd "$(dirname "$0")/../.."
OUT=$(realpath -m "${1:-build-deb}")
# FOLDER is emptied first: never the source tree or a folder holding it.
parent=${OUT%/}
case "$PWD/" in "$parent"/*)
  echo "package.sh: $OUT holds the sources; give a folder of its own" >&2
  exit 2
  ;;
esac
WORK=$(mktemp -d)
step() { echo "== $1 (${SECONDS}s)"; }

step "desktop file and metainfo"
desktop-file-validate resources/desktop/it.dovel.Velmora.desktop
METAINFO=resources/desktop/it.dovel.Velmora.metainfo.xml
appstreamcli validate --no-net --pedantic "$METAINFO"
# Its newest release is the changelog's, on the changelog's own day, and its
# screenshot is the README's picture as published on the homepage.
VERSION=$(dpkg-parsechangelog -S Version)
UPSTREAM=${VERSION%-*}
day=$(dpkg-parsechangelog -S Date | awk '{print $2, $3, $4}')
release="<release version=\"$UPSTREAM\" date=\"$(date -d "$day" +%F)\""
grep -m1 -o '<release [^>/]*' "$METAINFO" | sed 's/ *$//' | grep -qxF "$release" ||
  { echo "FAIL: the metainfo's newest release is not $release"; exit 1; }
picture=$(sed -n 's/^!\[[^]]*\](\([^)]*\)).*/\1/p' README.md | head -n1)
homepage=$(sed -n 's/^Homepage: //p' debian/control)
[ -f "$picture" ] && grep -qF "<image type=\"source\"" "$METAINFO" &&
  grep -qF ">$homepage/$picture</image>" "$METAINFO" ||
  { echo "FAIL: the metainfo's screenshot is not $homepage/$picture"; exit 1; }
echo "ok: the metainfo's release is the changelog's and its screenshot the README's"

step "source package"
# The committed tree with the local changes to it: what a clone would build.
SRC=$OUT/velmora-$UPSTREAM
rm -rf "$OUT"
mkdir -p "$OUT"
rev=$(git stash create)
rev=${rev:-HEAD}
git archive --prefix="velmora-$UPSTREAM/" "$rev" -- . ':(exclude)debian' |
  xz -6 >"$OUT/velmora_$UPSTREAM.orig.tar.xz"
git archive --prefix="velmora-$UPSTREAM/" "$rev" | tar -x -C "$OUT"

step "dpkg-buildpackage -us -uc"
(cd "$SRC" && DEB_BUILD_OPTIONS="parallel=2 ${DEB_BUILD_OPTIONS:-}" \
  dpkg-buildpackage -us -uc >"$OUT/build.log" 2>&1) ||
  { tail -n 100 "$OUT/build.log"; echo "FAIL: dpkg-buildpackage, see $OUT/build.log"; exit 1; }
grep -E '^ *[0-9]+/[0-9]+ Test|tests passed|tests failed' "$OUT/build.log" | tail -n 3
DH_DEB=$(ls "$OUT"/velmora_"$VERSION"_*.deb)
CHANGES=$(ls "$OUT"/velmora_"$VERSION"_*.changes)

step "the README's source-package lines, in a clone"
# Run as written, but for the build, which the step above made: the source
# package alone.
lines=$(awk '/^```sh$/ { block = ""; inside = 1; next }
  /^```$/ { if (inside && block ~ /orig\.tar/) printf "%s", block; inside = 0; next }
  inside { block = block $0 "\n" }' README.md)
[ -n "$lines" ] || { echo "FAIL: the README shows no source-package lines"; exit 1; }
git clone -q "$PWD" "$WORK/readme/velmora"
(cd "$WORK/readme/velmora" &&
  dpkg-buildpackage() { command dpkg-buildpackage -S -d "$@"; } &&
  eval "$lines") >"$WORK/readme.log" 2>&1 ||
  { cat "$WORK/readme.log"; echo "FAIL: the README's source-package lines"; exit 1; }
ls "$WORK"/readme/velmora_"$VERSION".dsc "$WORK"/readme/velmora_"$UPSTREAM".orig.tar.xz >/dev/null ||
  { echo "FAIL: the README's lines made no source package"; exit 1; }
echo "ok: the README's lines make velmora_$VERSION.dsc"

step "lintian on the source and binary packages"
# No error and no warning: each one accepted is overridden, with its reason,
# in debian/velmora.lintian-overrides or debian/source/lintian-overrides.
lintian --pedantic --fail-on error,warning --display-info "$CHANGES"

step "the CPack package from the same build tree"
# The same objects, so only the packaging differs. debhelper installs the
# copyright, the changelog and the overrides itself; CPack takes them from
# the install.
BUILD=$SRC/obj-$(dpkg-architecture -qDEB_HOST_GNU_TYPE)
ln -sfn "$(basename "$SRC")/$(basename "$BUILD")" "$OUT/build"
cmake -DVELMORA_PACKAGE_DOCUMENTS=ON "$BUILD" >/dev/null
(cd "$BUILD" && cpack -G DEB >/dev/null)
DEB=$(ls "$BUILD"/velmora_*.deb)

step "the two packages install the same files"
bash tests/package/same-package.sh "$DH_DEB" "$DEB"

step "the CPack package's contents"
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

step "lintian on the CPack package"
lintian --pedantic --fail-on error,warning --display-info "$DEB"

step "install"
# Without the recommended spreadsheet, which the test does not need.
DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "$DEB" \
  >/dev/null
trap 'DEBIAN_FRONTEND=noninteractive apt-get remove -y -qq velmora >/dev/null || true' EXIT
dpkg -L velmora >"$WORK/installed"
grep -qx /usr/share/velmora/leggimi.txt "$WORK/installed" \
  || { echo "FAIL: dpkg -L velmora does not list the companion files"; exit 1; }

step "man velmora"
MANPAGER=cat MANWIDTH=80 man velmora 2>"$WORK/man.err" >"$WORK/man.txt" \
  || { echo "FAIL: man velmora"; cat "$WORK/man.err"; exit 1; }
for part in "velmora - valore dell'usufrutto" "--help" "--version" "leggimi.txt" "STATO DI USCITA"; do
  grep -qF -- "$part" "$WORK/man.txt" || { echo "FAIL: the man page lacks $part"; exit 1; }
done
echo "man velmora shows the page"

step "start the installed program"
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
step "remove"
DEBIAN_FRONTEND=noninteractive apt-get remove -y -qq velmora >/dev/null
trap - EXIT
[ ! -e /usr/bin/velmora ] || { echo "FAIL: /usr/bin/velmora is still there"; exit 1; }

step "autopkgtest against the debhelper package"
# The null runner tests on this machine: it installs the package and what its
# tests need, runs them from the unpacked source package, and leaves the
# package installed.
trap 'DEBIAN_FRONTEND=noninteractive apt-get remove -y -qq velmora >/dev/null || true' EXIT
# Its status is 2 when a test skipped: the command line, in a program that
# has none yet. The trace is in FOLDER/autopkgtest/log.
status=0
autopkgtest --quiet --output-dir "$OUT/autopkgtest" "$DH_DEB" "$OUT/velmora_$VERSION.dsc" \
  -- null || status=$?
cat "$OUT/autopkgtest/summary"
if [ "$status" -ne 0 ] && [ "$status" -ne 2 ]; then
  tail -n 60 "$OUT/autopkgtest/log"
  echo "FAIL: autopkgtest ended with the status $status"
  exit 1
fi
DEBIAN_FRONTEND=noninteractive apt-get remove -y -qq velmora >/dev/null
trap - EXIT
step "package test passed"
