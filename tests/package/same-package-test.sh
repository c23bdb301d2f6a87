#!/usr/bin/env bash
# same-package.sh must pass two packages that differ only where builds may
# differ (sizes, dates, the order of relations) and fail every difference a
# user would see. Each case builds a small pair of packages.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
command -v dpkg-deb >/dev/null || { echo "SKIP: dpkg-deb is not installed"; exit 77; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# make_deb NAME [CHANGE]: a package with a program, a link and a document.
# CHANGE alters one thing: depends-order, depends, size, mode, missing, link,
# extra, description.
make_deb() {
  local root=$work/$1 change=${2:-}
  rm -rf "$root"
  mkdir -p "$root/DEBIAN" "$root/usr/lib/velmora" "$root/usr/bin" "$root/usr/share/doc/velmora"
  local depends="libc6, xdg-utils" description="a test"
  printf '#!/bin/sh\n' >"$root/usr/lib/velmora/velmora"
  chmod 755 "$root/usr/lib/velmora/velmora"
  ln -s ../lib/velmora/velmora "$root/usr/bin/velmora"
  echo "copyright" >"$root/usr/share/doc/velmora/copyright"
  chmod 644 "$root/usr/share/doc/velmora/copyright"
  case $change in
    depends-order) depends="xdg-utils, libc6" ;;
    depends) depends="libc6" ;;
    size) echo "stripped differently" >>"$root/usr/lib/velmora/velmora" ;;
    mode) chmod 644 "$root/usr/lib/velmora/velmora" ;;
    missing) rm "$root/usr/share/doc/velmora/copyright" ;;
    link) ln -sfn /usr/lib/velmora/velmora "$root/usr/bin/velmora" ;;
    extra) echo "x" >"$root/usr/lib/velmora/leftover" ;;
    description) description="another test" ;;
  esac
  cat >"$root/DEBIAN/control" <<CONTROL
Package: velmora
Version: 1.0.0-1
Architecture: all
Maintainer: Dovel <velmora@dovel.it>
Section: misc
Priority: optional
Depends: $depends
Description: $description
CONTROL
  dpkg-deb -Znone --root-owner-group --build "$root" "$work/$1.deb" >/dev/null
}

failed=0
make_deb reference
# case CHANGE EXPECTED-STATUS (0 the same package, 1 a difference)
for row in "unchanged 0" "depends-order 0" "size 0" "depends 1" "mode 1" "missing 1" "link 1" \
  "extra 1" "description 1"; do
  read -r change want <<<"$row"
  make_deb "$change" "$change"
  set +e
  bash "$here/same-package.sh" "$work/reference.deb" "$work/$change.deb" >"$work/out" 2>&1
  got=$?
  set -e
  if [ "$got" -eq "$want" ]; then
    echo "ok: $change ($got)"
  else
    echo "FAIL: $change gave $got, expected $want"
    cat "$work/out"
    failed=1
  fi
done
exit $failed
