#!/bin/bash
# Builds both Windows presets and runs every test under Wine, then the host build's tests and fuzz runs.
set -e
cd "$(dirname "$0")/.."
bash tools/setup.sh
source tools/env.sh
for p in mingw32 mingw64; do
  [ -f build/$p/CMakeCache.txt ] || cmake --preset $p >/dev/null
  cmake --build --preset $p -j"$(nproc)"
done
votaroo_start_display
votaroo_prefix
status=0
ctest --test-dir build/mingw64 --output-on-failure --timeout 300 || status=1
if votaroo_can_run32; then
  ctest --test-dir build/mingw32 --output-on-failure --timeout 300 || status=1
else
  echo "mingw32: built; this kernel cannot run 32-bit programs, so its tests were not run here"
fi
# The window-less code natively, with AddressSanitizer and UndefinedBehaviorSanitizer,
# then each fuzz target for about 30 seconds.
[ -f build/host/CMakeCache.txt ] || cmake --preset host >/dev/null
cmake --build --preset host -j"$(nproc)"
ctest --test-dir build/host --output-on-failure --timeout 300 || status=1
bash tools/fuzz.sh 30 || status=1
exit $status
