#!/bin/bash
# Builds both Windows presets and runs every test under Wine, then the host build's tests and fuzz runs.
set -e
cd "$(dirname "$0")/.."
bash tools/setup.sh || exit 1
source tools/env.sh
for p in mingw32 mingw64; do
  [ -f build/$p/CMakeCache.txt ] || cmake --preset $p >/dev/null
  cmake --build --preset $p -j"$(nproc)"
done
votaroo_start_display
votaroo_prefix
status=0
# The shipped 32-bit program first, then its 64-bit companion (VOTAROO_PRESETS gives another
# order); each preset's tests start from a Wine server of their own.
for p in ${VOTAROO_PRESETS:-mingw32 mingw64}; do
  if [ $p = mingw32 ] && why=$(votaroo_why_no32) && [ -n "$why" ]; then
    echo "mingw32: built; its tests were NOT RUN: $why"
    continue
  fi
  /usr/lib/wine/wineserver -w 2>/dev/null || true
  ctest --test-dir build/$p --output-on-failure --timeout 300 || status=1
done
# The window-less code natively, with AddressSanitizer and UndefinedBehaviorSanitizer,
# then each fuzz target for about 30 seconds.
[ -f build/host/CMakeCache.txt ] || cmake --preset host >/dev/null
cmake --build --preset host -j"$(nproc)"
ctest --test-dir build/host --output-on-failure --timeout 300 || status=1
bash tools/fuzz.sh 30 || status=1
exit $status
