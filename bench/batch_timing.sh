#!/usr/bin/env bash
# Whole-process timing of velmora-cli batch on a generated file of figures:
# on one CPU (VELMORA_BENCH_CPU, default 0) with --jobs 1, without and with
# --check, wall and CPU time, figures per second of each, and peak memory;
# then --jobs 1 against --jobs 2 on two CPUs (VELMORA_BENCH_CPUS, default
# 0,1), by wall time. On a busy machine the CPU-time rate is the steadier
# figure for one CPU; repeat the runs and take medians.
#   bench/batch_timing.sh BUILD_DIR [COUNT]      (default 1000000 figures)
set -euo pipefail
build=${1:?usage: batch_timing.sh BUILD_DIR [COUNT]}
count=${2:-1000000}
cpu=${VELMORA_BENCH_CPU:-0}
cpus=${VELMORA_BENCH_CPUS:-0,1}
cli="$build/app/velmora-cli/velmora-cli"
generator="$build/bench/velmora_generate_figures"
file=$(mktemp --suffix=.csv)
trap 'rm -f "$file"' EXIT

"$generator" "$count" 1 1.5 >"$file"
echo "figures: $count ($(du -h "$file" | cut -f1) of CSV)"

# run CPUS JOBS FORMAT OPTIONS: one line of figures
run() {
  local cpus=$1 jobs=$2 format=$3 options=$4 report wall user system kilobytes
  report=$( { /usr/bin/time -f '%e %U %S %M' taskset -c "$cpus" "$cli" batch "$file" --jobs "$jobs" \
    --format "$format" $options >/dev/null; } 2>&1 | tail -1)
  read -r wall user system kilobytes <<<"$report"
  awk -v n="$count" -v w="$wall" -v u="$user" -v s="$system" -v k="$kilobytes" -v f="$format" -v o="$options" -v j="$jobs" \
    'BEGIN { c = u + s; printf "batch --jobs %s --format %-5s %-8s wall %6.2f s %8.0f figures/s   cpu %6.2f s %8.0f figures/s   peak RSS %5.1f MB\n", j, f, o, w, (w > 0 ? n / w : 0), c, (c > 0 ? n / c : 0), k / 1024 }'
}

for options in "" "--check"; do
  for format in jsonl csv; do run "$cpu" 1 "$format" "$options"; done
done
for options in "" "--check"; do
  for jobs in 1 2; do run "$cpus" "$jobs" jsonl "$options"; done
done
