#!/usr/bin/env bash
# The version is defined once, in CMakeLists.txt: the newest entry of
# debian/changelog, the newest release of the metainfo and the first version
# of NEWS must name the same one.
#   version-test.sh SOURCE_DIR VERSION
set -euo pipefail
src=$1 version=$2
[ -f "$src/debian/changelog" ] || { echo "SKIP: no debian/ (the upstream tarball)"; exit 77; }
fail=0
changelog=$(sed -n '1s/^velmora (\([^)]*\)).*/\1/p' "$src/debian/changelog")
[ "${changelog%-*}" = "$version" ] ||
  { echo "FAIL: debian/changelog's newest entry is $changelog, the build is $version"; fail=1; }
metainfo=$(grep -m1 -o '<release version="[^"]*"' "$src/resources/desktop/it.dovel.Velmora.metainfo.xml" |
  sed 's/.*"\(.*\)"/\1/')
[ "$metainfo" = "$version" ] ||
  { echo "FAIL: the metainfo's newest release is $metainfo, the build is $version"; fail=1; }
news=$(grep -m1 -o '^Versione [0-9][0-9.]*' "$src/NEWS" | cut -d' ' -f2)
[ "$news" = "$version" ] || { echo "FAIL: NEWS opens with version $news, the build is $version"; fail=1; }
[ $fail -eq 0 ] && echo "ok: debian/changelog, the metainfo and NEWS name $version"
exit $fail
