#!/usr/bin/env bash
# Whole-process timing of velmora-cli batch on a generated file of figures,
# without and with --check: wall time, figures per second and peak memory.
#   bench/batch_timing.sh BUILD_DIR [COUNT]      (default 1000000 figures)
set -euo pipefail
build=${1:?usage: batch_timing.sh BUILD_DIR [COUNT]}
count=${2:-1000000}
cli="$build/app/velmora-cli/velmora-cli"
generator="$build/bench/velmora_generate_figures"
file=$(mktemp --suffix=.csv)
trap 'rm -f "$file"' EXIT

"$generator" "$count" 1 1.5 >"$file"
echo "figures: $count ($(du -h "$file" | cut -f1) of CSV)"
for options in "" "--check"; do
  for format in jsonl csv; do
    report=$( { /usr/bin/time -f '%e %M' taskset -c 0 "$cli" batch "$file" --format "$format" $options >/dev/null; } 2>&1 | tail -1)
    read -r seconds kilobytes <<<"$report"
    rate=$(awk -v n="$count" -v s="$seconds" 'BEGIN { printf "%.0f", (s > 0 ? n / s : 0) }')
    printf 'batch --format %-5s %-8s %7.2f s  %9s figures/s  peak RSS %6.1f MB\n' \
      "$format" "$options" "$seconds" "$rate" "$(awk -v k="$kilobytes" 'BEGIN { print k / 1024 }')"
  done
done
