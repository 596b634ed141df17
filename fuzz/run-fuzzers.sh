#!/usr/bin/env bash
# Builds the fuzz targets (clang-14, libFuzzer, AddressSanitizer + UBSan) and runs
# each for a bounded time, one after another, in a single process each.
#   fuzz/run-fuzzers.sh [SECONDS [TARGET ...]]   default: 60 seconds, every target
# Targets: number_reader, session, batch_csv. What a run learns is kept in
# build-fuzz/corpus/TARGET (the seeds in fuzz/corpus/TARGET are read, never
# written); an input that breaks an invariant is saved in build-fuzz/findings/TARGET
# and the script exits with status 1. VELMORA_FUZZ_BUILD names another build folder.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-60}
[ $# -gt 0 ] && shift
targets=("$@")
[ ${#targets[@]} -eq 0 ] && targets=(number_reader session batch_csv)
build=${VELMORA_FUZZ_BUILD:-build-fuzz}

CC=clang-14 CXX=clang++-14 cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELMORA_WERROR=ON \
  -DVELMORA_BUILD_FUZZERS=ON -DVELMORA_BUILD_WINDOW=OFF -DVELMORA_BUILD_BENCHMARKS=OFF >/dev/null
cmake --build "$build" -j "$(nproc)" --target "${targets[@]/#/fuzz_}"

status=0
for target in "${targets[@]}"; do
  corpus="$build/corpus/$target"
  findings="$build/findings/$target"
  log="$build/fuzz-$target.log"
  mkdir -p "$corpus" "$findings"
  echo "fuzzing $target for $seconds s (log: $log)"
  if "$build/fuzz/fuzz_$target" -max_total_time="$seconds" -timeout=10 -print_final_stats=1 \
      -artifact_prefix="$findings/" "$corpus" "fuzz/corpus/$target" >"$log" 2>&1; then
    grep -a "stat::number_of_executed_units" "$log" | sed "s/^/  $target: /"
  else
    echo "  $target: FINDING, see $log and $findings/" >&2
    grep -a -A2 "invariant broken\|ERROR:" "$log" | head -20 >&2 || true
    status=1
  fi
done
exit $status
