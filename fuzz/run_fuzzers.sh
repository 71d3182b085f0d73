#!/bin/sh
# Runs every fuzz target of a fuzz build for SECONDS each on its seeds and
# prints the executions and findings per target and in total. A crashing input
# is kept in BUILD/fuzz/findings; the exit status is 1 when there is any.
#   fuzz/run_fuzzers.sh BUILD SECONDS [TARGET...]
set -u
build=$1
seconds=$2
shift 2
here=$(cd "$(dirname "$0")" && pwd)
bin=$build/fuzz
findings=$bin/findings
mkdir -p "$findings"
targets=${*:-savedgame scorefile inifile profile bmp jpeg wav puzzle_args puzzle_batch}

export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:allocator_may_return_null=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
export QT_QPA_PLATFORM=offscreen

total=0
found=0
printf '%-14s %12s %10s %9s\n' target executions "per second" findings
for t in $targets; do
  program=$bin/fuzz_$t
  work=$bin/work/$t
  mkdir -p "$work"
  log=$bin/work/$t.log
  set -- "$work"
  [ -d "$bin/seeds/$t" ] && set -- "$@" "$bin/seeds/$t"
  [ -d "$here/corpus/$t" ] && set -- "$@" "$here/corpus/$t"
  before=$(ls "$findings" | grep -c "^$t-" || true)
  "$program" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
    -dict="$here/dict/$t.dict" -artifact_prefix="$findings/$t-" "$@" >"$log" 2>&1
  status=$?
  after=$(ls "$findings" | grep -c "^$t-" || true)
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
  runs=${runs:-0}
  new=$((after - before))
  [ "$status" -ne 0 ] && [ "$new" -eq 0 ] && new=1  # failed without leaving an input
  printf '%-14s %12s %10s %9s\n' "$t" "$runs" $((runs / seconds)) "$new"
  if [ "$new" -gt 0 ]; then
    grep -m 3 -E 'ERROR|runtime error|check failed|SUMMARY' "$log" | sed 's/^/    /'
    echo "    (log: $log)"
  fi
  total=$((total + runs))
  found=$((found + new))
done
printf '%-14s %12s %10s %9s\n' total "$total" "" "$found"
[ "$found" -eq 0 ]
