#!/bin/bash
# Builds the measurement programs of both presets and prints the table of costs under Wine:
# the 32-bit build, the player's program, beside the 64-bit one (only the 64-bit one on a
# kernel that cannot run 32-bit programs).
set -e
cd "$(dirname "$0")/.."
bash tools/setup.sh
source tools/env.sh
presets=()
votaroo_can_run32 && presets+=(mingw32)
presets+=(mingw64)
for p in "${presets[@]}"; do
  [ -f build/$p/CMakeCache.txt ] || cmake --preset $p >/dev/null
  cmake --build build/$p -j"$(nproc)" --target votaroo_bench votaroo_startup >/dev/null
done
# Room for the game at 144 DPI.
export VOTAROO_SCREEN=${VOTAROO_SCREEN:-1280x1024}
votaroo_start_display
votaroo_prefix
work=$(mktemp -d)
trap 'rm -rf "$work"; kill $VOTAROO_XVFB 2>/dev/null' EXIT
starts=${VOTAROO_STARTS:-25}

# One preset's table into $work/<preset>.md, its bare Wine start into $work/<preset>.floor.
measure() { # preset
  local build=build/$1 wine=/usr/lib/wine/wine64 i
  [ "$1" = mingw32 ] && wine=/usr/lib/wine/wine
  # Start-up: the program with its probe, one warm-up start, then timed starts as a person
  # launches it; the probe stamps the end of the first paint.
  local probe_out="$work/probe.txt"
  export VOTAROO_STARTUP_OUT="Z:${probe_out//\//\\}"
  $wine "$build/bench/votaroo_startup.exe" >/dev/null 2>&1
  : > "$probe_out"
  : > "$work/startup.txt"
  for i in $(seq "$starts"); do
    local before launched inside painted
    before=$(wc -l < "$probe_out")
    launched=$(date +%s%N)
    $wine "$build/bench/votaroo_startup.exe" >/dev/null 2>&1
    if [ "$(wc -l < "$probe_out")" -gt "$before" ]; then
      read -r inside painted < <(tail -n 1 "$probe_out" | tr -d "\r")
      echo "$inside $(( (painted - launched) / 1000 ))" | awk '{ printf "%s %.3f\n", $1, $2 / 1000 }' >> "$work/startup.txt"
    fi
  done
  # The bare start of a Wine process that does nothing, for comparison.
  { for i in 1 2 3 4 5; do s=$(date +%s%N); $wine "$build/bench/votaroo_bench.exe" --noop; e=$(date +%s%N); echo $(( (e - s) / 1000 )); done; } |
    sort -n | sed -n 3p > "$work/$1.floor"
  $wine "$build/bench/votaroo_bench.exe" --startup "Z:${work//\//\\}\\startup.txt" > "$work/$1.md" 2>/dev/null || status=1
  tr -d '\r' < "$work/$1.md" > "$work/$1.tmp" && mv "$work/$1.tmp" "$work/$1.md"
}
for p in "${presets[@]}"; do measure $p; done

echo "Machine: $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //'), $(nproc) cores, $(awk '/MemTotal/ {printf "%.0f", $2 / 1048576}' /proc/meminfo) GiB; $(/usr/lib/wine/wine64 --version); Xvfb; load $(cut -d' ' -f1-3 /proc/loadavg)"
echo
if [ ${#presets[@]} = 1 ]; then
  cat "$work/mingw64.md"
else
  # One row per measurement: the 32-bit figures, the player's, then the 64-bit ones beside them.
  awk -F' [|] ' '
    FNR == 1 { file++ }
    /^\| / && !/^\| measurement/ && !/^\|---/ {
      name = substr($1, 3)
      if (file == 1) { order[++n] = name; runs[name] = $2; m32[name] = $3; p32[name] = $4; budget[name] = $5; ratio[name] = $6 }
      else { m64[name] = $3; p64[name] = $4 }
    }
    END {
      print "| measurement | runs | 32-bit median ms | 32-bit p99 ms | 64-bit median ms | 64-bit p99 ms | budget | 32-bit median / p99 of budget |"
      print "|---|---:|---:|---:|---:|---:|---|---|"
      for (i = 1; i <= n; i++) {
        k = order[i]; r = ratio[k]; sub(/ *\|$/, "", r)
        printf "| %s | %s | %s | %s | %s | %s | %s | %s |\n", k, runs[k], m32[k], p32[k], m64[k], p64[k], budget[k], r
      }
    }' "$work/mingw32.md" "$work/mingw64.md"
  echo
  grep -h "budget\.$" "$work/mingw32.md" | sed 's/^/32-bit: /'
  grep -h "budget\.$" "$work/mingw64.md" | sed 's/^/64-bit: /'
fi
for p in "${presets[@]}"; do
  echo "Bare Wine process start ($p, a program that returns at once), median of 5: $(awk '{ printf "%.0f ms", $1 / 1000 }' "$work/$p.floor")"
done
exit ${status:-0}
