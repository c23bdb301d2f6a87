#!/usr/bin/env bash
# The upstream tarball, made as the README says (git archive without
# debian/), configures, builds and passes its core and command-line tests.
# Run by CI beside the checkout, so that a compiler cache shared with the
# checkout's own build finds the same relative paths.
#   upstream-tarball.sh [FOLDER]
set -euo pipefail
cd "$(dirname "$0")/../.."
version=$(sed -n 's/^project(velmora VERSION \([0-9.]*\) .*/\1/p' CMakeLists.txt)
[ -n "$version" ] || { echo "FAIL: CMakeLists.txt names no version"; exit 1; }
out=$(realpath -m "${1:-../velmora-tarball-check}")
rm -rf "$out"
mkdir -p "$out"
rev=$(git stash create)
git archive --prefix="velmora-$version/" "${rev:-HEAD}" -- . ':(exclude)debian' |
  xz -1 >"$out/velmora_$version.orig.tar.xz"
tar -xJf "$out/velmora_$version.orig.tar.xz" -C "$out"
tree=$out/velmora-$version
[ ! -e "$tree/debian" ] || { echo "FAIL: the tarball holds debian/"; exit 1; }
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S "$tree" -B "$tree/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELMORA_WERROR=ON \
  -DVELMORA_CORE_TESTS_ONLY=ON "${launcher[@]}" >/dev/null
cmake --build "$tree/build" -j2 >"$out/build.log" 2>&1 ||
  { tail -n 60 "$out/build.log"; echo "FAIL: the tarball does not build"; exit 1; }
"$tree/build/program/velmora" --version | head -n1 | grep -qx "velmora $version" ||
  { echo "FAIL: the tarball's program is not version $version"; exit 1; }
(cd "$tree/build" && ctest -L 'core|cli' -j2 --output-on-failure | tail -n 3)
echo "ok: velmora_$version.orig.tar.xz configures, builds and passes its tests without debian/"
