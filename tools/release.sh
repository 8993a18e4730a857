#!/bin/bash
# Builds the 32-bit programs and writes the release: the zip dist/votaroo-<version>-win32.zip
# (votaroo.exe, votaroo-report.exe, README.txt) and the installer dist/votaroo-<version>.msi
# of the same three files, each with its SHA-256.
#
#   bash tools/release.sh            the release
#   bash tools/release.sh --verify   the release, then the same commit again in a fresh clone
#                                    under another path and time zone; fails when a byte differs
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
verify=0
case "${1:-}" in
  "") ;;
  --verify) verify=1 ;;
  *) echo "usage: bash tools/release.sh [--verify]" >&2; exit 1 ;;
esac

bash tools/setup.sh
command -v git >/dev/null || { echo "release: git is needed for the commit time" >&2; exit 1; }

# Every time in the build comes from the commit, unless the caller fixed one.
if [ -z "${SOURCE_DATE_EPOCH:-}" ]; then
  SOURCE_DATE_EPOCH=$(git log -1 --format=%ct)
fi
export SOURCE_DATE_EPOCH

build=build/mingw32
# Again each time: the stamp follows the commit. A release is always project()'s version.
cmake --preset mingw32 -DVOTAROO_VERSION= >/dev/null
rm -rf "$build/msi" # only this version's package in it
cmake --build --preset mingw32 -j"$(nproc)" --target votaroo votaroo-report votaroo-msi
rm -rf "$build/package"
# Zip entry times are local times: UTC, so the builder's time zone does not enter the zip.
(cd "$build" && TZ=UTC cpack -B package >/dev/null)
mkdir -p dist
zip=$(cd "$build/package" && ls votaroo-*-win32.zip)
cp "$build/package/$zip" "$build/package/$zip.sha256" dist/
echo "release: dist/$zip"
(cd dist && sha256sum -c "$zip.sha256" >/dev/null)
TZ=UTC cmake -E tar tvf "dist/$zip"
msi=$(cd "$build/msi" && ls votaroo-*.msi)
cp "$build/msi/$msi" "$build/msi/$msi.sha256" dist/
echo "release: dist/$msi"
(cd dist && sha256sum -c "$msi.sha256" >/dev/null)
msiinfo suminfo "dist/$msi" | grep -E '^(Subject|Author|Revision number \(UUID\)|Created|Last saved):'
msiextract -l "dist/$msi"

[ $verify = 1 ] || exit 0

# The same commit once more: another folder, another clock zone, nothing shared.
if [ -n "$(git status --porcelain --untracked-files=no)" ]; then
  echo "release: the work tree has uncommitted changes; the clone builds the commit, so commit first" >&2
  exit 1
fi
other=$(mktemp -d /tmp/votaroo-verify.XXXXXX)
trap 'rm -rf "$other"' EXIT
git clone -q --no-local "$root" "$other/somewhere/else/votaroo"
(cd "$other/somewhere/else/votaroo" && git checkout -q "$(git -C "$root" rev-parse HEAD)" &&
  TZ=Pacific/Kiritimati LC_ALL=C bash tools/release.sh >/dev/null)
twin=$other/somewhere/else/votaroo
status=0
for f in "$build/votaroo.exe" "$build/report/votaroo-report.exe" "dist/$zip" "dist/$msi"; do
  if cmp "$f" "$twin/$f"; then echo "release: $f is the same, byte for byte"
  else status=1; fi
done
[ $status = 0 ] && echo "release: verified, the second build is byte-identical" ||
  echo "release: the second build differs" >&2
exit $status
