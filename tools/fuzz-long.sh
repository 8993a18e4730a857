#!/bin/bash
# Builds the host preset and runs each fuzz target for a long time, one target at a time:
#   tools/fuzz-long.sh              10 million executions per target
#   tools/fuzz-long.sh 50000000     another count
set -e
cd "$(dirname "$0")/.."
bash tools/setup.sh
[ -f build/host/CMakeCache.txt ] || cmake --preset host >/dev/null
cmake --build --preset host -j"$(nproc)"
bash tools/fuzz.sh --runs "${1:-10000000}"
