#!/bin/bash
# Builds the measurement programs (64-bit preset) and prints the table of costs under Wine.
set -e
cd "$(dirname "$0")/.."
bash tools/setup.sh
source tools/env.sh
build=${VOTAROO_BUILD:-build/mingw64}
if [ "$build" = build/mingw64 ]; then
  [ -f build/mingw64/CMakeCache.txt ] || cmake --preset mingw64 >/dev/null
fi
cmake --build "$build" -j"$(nproc)" --target votaroo_bench votaroo_startup >/dev/null
votaroo_start_display
votaroo_prefix
work=$(mktemp -d)
trap 'rm -rf "$work"; kill $VOTAROO_XVFB 2>/dev/null' EXIT
wine=/usr/lib/wine/wine64
starts=${VOTAROO_STARTS:-25}

# Start-up: the program with its probe, one warm-up start, then timed starts as a person
# launches it; the probe stamps the end of the first paint.
probe_out="$work/probe.txt"
export VOTAROO_STARTUP_OUT="Z:${probe_out//\//\\}"
$wine "$build/bench/votaroo_startup.exe" >/dev/null 2>&1
: > "$probe_out"
: > "$work/startup.txt"
for i in $(seq "$starts"); do
  before=$(wc -l < "$probe_out")
  launched=$(date +%s%N)
  $wine "$build/bench/votaroo_startup.exe" >/dev/null 2>&1
  if [ "$(wc -l < "$probe_out")" -gt "$before" ]; then
    read -r inside painted < <(tail -n 1 "$probe_out" | tr -d "\r")
    echo "$inside $(( (painted - launched) / 1000 ))" | awk '{ printf "%s %.3f\n", $1, $2 / 1000 }' >> "$work/startup.txt"
  fi
done
# The bare start of a Wine process that does nothing, for comparison.
floor=$( { for i in 1 2 3 4 5; do s=$(date +%s%N); $wine "$build/bench/votaroo_bench.exe" --noop; e=$(date +%s%N); echo $(( (e - s) / 1000 )); done; } | sort -n | sed -n 3p)

echo "Machine: $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //'), $(nproc) cores, $(awk '/MemTotal/ {printf "%.0f", $2 / 1048576}' /proc/meminfo) GiB; $($wine --version); Xvfb; load $(cut -d' ' -f1-3 /proc/loadavg)"
echo
$wine "$build/bench/votaroo_bench.exe" --startup "Z:${work//\//\\}\\startup.txt" 2>/dev/null || status=$?
echo "Bare Wine process start (a program that returns at once), median of 5: $(awk -v u="$floor" 'BEGIN { printf "%.0f ms", u / 1000 }')"
exit ${status:-0}
