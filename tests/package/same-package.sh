#!/usr/bin/env bash
# Two builds of the package, one by debhelper and one by CPack, must install
# the same files, with the same permissions and the same links, and declare
# the same package: name, version, section, maintainer, description and the
# same relations (in any order).
#   same-package.sh DEBHELPER_DEB CPACK_DEB
set -euo pipefail
[ $# -eq 2 ] || { echo "usage: same-package.sh DEBHELPER_DEB CPACK_DEB" >&2; exit 2; }
FAILED=0

# One line a file: permissions, path and, for a link, its target. Folders are
# left out: dpkg creates them as needed and their modes are not the package's.
files_of() {
  dpkg-deb --contents "$1" | awk '$1 !~ /^d/ { $2 = $3 = $4 = $5 = ""; print }' |
    sed 's/^\([^ ]*\) */\1 /' | sort
}

# The control fields that say what the package is, one a line; relations are
# split at their commas and sorted.
control_of() {
  dpkg-deb --field "$1" Package Version Architecture Section Priority Maintainer Homepage \
    Depends Recommends Suggests Description |
    awk '/^(Depends|Recommends|Suggests):/ {
           fflush(); field = $1; sub(/^[^:]*: */, "")
           n = split($0, relations, / *, */)
           for (i = 1; i <= n; i++) print field, relations[i] | "sort"
           close("sort"); next
         }
         { print }'
}

compare() {
  local what=$1
  if diff -u --label debhelper --label cpack "$2" "$3"; then
    echo "ok: the same $what"
  else
    echo "FAIL: the two packages differ in their $what"
    FAILED=1
  fi
}

compare "files" <(files_of "$1") <(files_of "$2")
compare "control fields" <(control_of "$1") <(control_of "$2")
# A listing that failed would compare empty with empty: both must hold the
# program and the copyright.
for deb in "$1" "$2"; do
  contents=$(dpkg-deb --contents "$deb")
  for file in ./usr/lib/velmora/velmora ./usr/share/doc/velmora/copyright; do
    grep -q " $file$" <<<"$contents" || { echo "FAIL: $deb lacks $file"; FAILED=1; }
  done
done
exit $FAILED
