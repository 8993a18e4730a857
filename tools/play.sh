#!/bin/bash
# Builds the game and starts it under Wine.
set -e
cd "$(dirname "$0")/.."
bash tools/setup.sh
source tools/env.sh
why=$(votaroo_why_no32)
if [ -z "$why" ]; then
  p=mingw32 loader=/usr/lib/wine/wine
else
  p=mingw64 loader=/usr/lib/wine/wine64
  echo "play: starting the 64-bit game, since the 32-bit one cannot run here: $why"
fi
[ -f build/$p/CMakeCache.txt ] || cmake --preset $p >/dev/null
cmake --build --preset $p -j"$(nproc)" --target votaroo
votaroo_start_display
votaroo_prefix
"$loader" build/$p/votaroo.exe
