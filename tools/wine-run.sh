#!/bin/bash
# Runs one Windows program under Wine, the 64-bit loader for PE32+ files.
source "$(dirname "$0")/env.sh"
exe="$1"
off=$(od -An -tu4 -j60 -N4 "$exe" | tr -d ' ')
magic=$(od -An -tx2 -j$((off + 24)) -N2 "$exe" | tr -d ' ')
if [ "$magic" = "020b" ]; then exec /usr/lib/wine/wine64 "$@"; else exec /usr/lib/wine/wine "$@"; fi
