#!/usr/bin/env bash
# Whole-process timing of velmora-cli batch on a generated file of figures,
# without and with --check: wall and CPU time, figures per second of each, and
# peak memory. The process is pinned to one CPU (VELMORA_BENCH_CPU, default 0);
# on a busy machine the CPU-time rate is the steadier figure.
#   bench/batch_timing.sh BUILD_DIR [COUNT]      (default 1000000 figures)
set -euo pipefail
build=${1:?usage: batch_timing.sh BUILD_DIR [COUNT]}
count=${2:-1000000}
cpu=${VELMORA_BENCH_CPU:-0}
cli="$build/app/velmora-cli/velmora-cli"
generator="$build/bench/velmora_generate_figures"
file=$(mktemp --suffix=.csv)
trap 'rm -f "$file"' EXIT

"$generator" "$count" 1 1.5 >"$file"
echo "figures: $count ($(du -h "$file" | cut -f1) of CSV)"
for options in "" "--check"; do
  for format in jsonl csv; do
    report=$( { /usr/bin/time -f '%e %U %S %M' taskset -c "$cpu" "$cli" batch "$file" --format "$format" $options \
      >/dev/null; } 2>&1 | tail -1)
    read -r wall user system kilobytes <<<"$report"
    awk -v n="$count" -v w="$wall" -v u="$user" -v s="$system" -v k="$kilobytes" -v f="$format" -v o="$options" \
      'BEGIN { c = u + s; printf "batch --format %-5s %-8s wall %6.2f s %8.0f figures/s   cpu %6.2f s %8.0f figures/s   peak RSS %5.1f MB\n", f, o, w, (w > 0 ? n / w : 0), c, (c > 0 ? n / c : 0), k / 1024 }'
  done
done
