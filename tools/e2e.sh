#!/bin/bash
# Runs the end-to-end tests (ctest label e2e) of the built presets RUNS times and prints each
# run's time and outcome; with --busy, every core is kept busy meanwhile at normal priority,
# as a slow or loaded machine would be: by a shell loop that never waits, one a core, and by a
# loop rebuilding the host preset from clean (a build also waits on the disk, the loops never).
# usage: tools/e2e.sh [--busy] [RUNS] [PRESET...]   (default: 5 runs, mingw32 where it runs, mingw64)
cd "$(dirname "$0")/.."
busy=
[ "$1" = --busy ] && { busy=1; shift; }
runs=${1:-5}
shift
source tools/env.sh
presets=("$@")
if [ ${#presets[@]} = 0 ]; then
  why=$(votaroo_why_no32)
  if [ -z "$why" ]; then presets=(mingw32 mingw64); else presets=(mingw64); echo "e2e: mingw32 not run: $why"; fi
fi
for p in "${presets[@]}"; do
  [ -f build/$p/CMakeCache.txt ] || cmake --preset $p >/dev/null
  cmake --build --preset $p -j"$(nproc)" >/dev/null || exit 1
done
votaroo_start_display
votaroo_prefix
if [ -n "$busy" ]; then
  [ -f build/host/CMakeCache.txt ] || cmake --preset host >/dev/null
  # A process group of its own (job control makes one, whoever started this script), so that
  # the loops and the build running when the runs end go with it, also on Ctrl-C.
  set -m
  bash -c 'for i in $(seq "$(nproc)"); do (while :; do :; done) & done
    while :; do cmake --build --preset host -j"$(nproc)" --clean-first >/dev/null 2>&1; done' &
  load=$!
  set +m
  trap 'kill -- -$load 2>/dev/null; [ -n "${VOTAROO_XVFB:-}" ] && kill $VOTAROO_XVFB 2>/dev/null' EXIT
  trap 'exit 130' INT TERM
  sleep 5
fi
passed=0
failed=0
for run in $(seq "$runs"); do
  t0=$SECONDS
  ok=1
  for p in "${presets[@]}"; do
    /usr/lib/wine/wineserver -w 2>/dev/null || true
    ctest --test-dir build/$p -L e2e --output-on-failure >build/e2e-run-$run-$p.log 2>&1 || ok=0
    grep -E '^[0-9]+% tests passed|Failed|\*\*\*' build/e2e-run-$run-$p.log | sed "s/^/  $p: /"
  done
  load_avg=$(cut -d' ' -f1 /proc/loadavg)
  if [ $ok = 1 ]; then passed=$((passed + 1)); r=passed; else failed=$((failed + 1)); r=FAILED; fi
  echo "e2e run $run${busy:+ (busy)}: $r in $((SECONDS - t0)) s, load $load_avg"
done
echo "e2e: $passed passed, $failed failed"
[ $failed = 0 ]
