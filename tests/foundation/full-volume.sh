#!/bin/bash
# Runs the trace log's full-disk test with C:\TMP on a 64 KiB tmpfs in the test prefix.
# usage: full-volume.sh foundation_tests.exe
# Mounting needs root; where it is refused the test is reported as skipped (77).
exe=$(readlink -f "$1")
root=$(cd "$(dirname "$0")/../.." && pwd)
source "$root/tools/env.sh"
votaroo_prefix
tmp="$WINEPREFIX/drive_c/TMP"
saved="$WINEPREFIX/drive_c/TMP.full-volume-saved"
[ -e "$saved" ] && { echo "left over from an earlier run: $saved"; exit 1; }
[ -e "$tmp" ] && mv "$tmp" "$saved"
mkdir "$tmp"
restore() {
  mountpoint -q "$tmp" && umount "$tmp"
  rmdir "$tmp"
  [ -e "$saved" ] && mv "$saved" "$tmp"
}
trap restore EXIT
if ! mount -t tmpfs -o size=64k votaroo-small-tmp "$tmp" 2>/dev/null; then
  echo "cannot mount a tmpfs here (needs root): skipped"
  exit 77
fi
VOTAROO_SMALL_TMP=1 "$root/tools/wine-run.sh" "$exe" --gtest_filter='TraceFullVolume.*'
