#!/bin/bash
# Runs every fuzz target of the host build, one after the other (one core each):
#   tools/fuzz.sh 30            about 30 seconds per target
#   tools/fuzz.sh --runs 10000000   a fixed number of executions per target
# New inputs go to build/host/fuzz-corpus, crashes and failed properties to build/host/fuzz-artifacts.
set -e
cd "$(dirname "$0")/.."
limit=(-max_total_time="${1:-30}")
if [ "$1" = "--runs" ]; then limit=(-runs="${2:?count}"); fi
targets="layout_line profile_numbers profile_long item_text report_log"
mkdir -p build/host/fuzz-artifacts
status=0
for t in $targets; do
  bin=build/host/fuzz/fuzz_$t
  [ -x "$bin" ] || { echo "fuzz: $bin is not built"; exit 1; }
  mkdir -p build/host/fuzz-corpus/$t
  log=build/host/fuzz-artifacts/$t.log
  if "$bin" "${limit[@]}" -dict=fuzz/$t.dict -print_final_stats=1 \
       -artifact_prefix=build/host/fuzz-artifacts/$t- \
       build/host/fuzz-corpus/$t fuzz/corpus/$t >"$log" 2>&1; then
    result=passed
  else
    result=FAILED; status=1
    tail -n 30 "$log"
  fi
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
  rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log" | tail -n 1)
  printf 'fuzz %-16s %s, %s executions (%s exec/s)\n' "$t" "$result" "${runs:-?}" "${rate:-?}"
done
exit $status
