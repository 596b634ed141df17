#!/usr/bin/env bash
# Start-up of the window program: from exec to its first frame on Xvfb, in
# milliseconds, for RUNS runs (default 15), side by side with a bare Qt main
# window (menu bar, status bar, a CJK label: bench/bare_window.cpp), the two
# alternating run by run; prints each program's runs with the processor time
# they took, the medians and their ratio.
# Runs with settings of its own (no saved geometry), so the window opens at
# the screen's top left corner, where a pixel of the form's background is watched.
#   bench/window_startup.sh BUILD_DIR [RUNS]
set -euo pipefail
build=${1:?usage: window_startup.sh BUILD_DIR [RUNS]}
runs=${2:-15}
display=:$((90 + RANDOM % 9))
config=$(mktemp -d)
mkdir -m 700 "$config/runtime"
export XDG_RUNTIME_DIR=$config/runtime

Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill "$xvfb" 2>/dev/null; rm -rf "$config"' EXIT
for _ in $(seq 50); do
  [ -e "/tmp/.X11-unix/X${display#:}" ] && break
  sleep 0.1
done

# A point of the form's background, left of its frame, below the menu bar.
frame() {
  DISPLAY=$display XDG_CONFIG_HOME=$config QT_QPA_PLATFORM=xcb "$build/bench/velmora_first_frame" 60 300 ffffc0 "$1"
}
velmora=()
bare=()
for _ in $(seq "$runs"); do
  velmora+=("$(frame "$build/app/velmora/velmora")")
  sleep 0.3
  bare+=("$(frame "$build/bench/velmora_bare_window")")
  sleep 0.3
done

# report NAME TIMES...: every run, sorted, and the median (printed last, alone, on fd 3)
report() {
  local name=$1
  shift
  printf '%s\n' "$@" | sort -n | awk -v name="$name" '{ t[NR] = $1; printf "%s run %2d: %6.1f ms (processor %5.1f ms)\n", name, NR, $1, $2 }
    END { m = (NR % 2) ? t[(NR + 1) / 2] : (t[NR / 2] + t[NR / 2 + 1]) / 2; printf "%s median: %.1f ms of %d runs\n", name, m, NR }'
}
report velmora "${velmora[@]}" | tee /dev/stderr | tail -1 | awk '{ print $3 }' >"$config/velmora"
report bare "${bare[@]}" | tee /dev/stderr | tail -1 | awk '{ print $3 }' >"$config/bare"
awk -v v="$(cat "$config/velmora")" -v b="$(cat "$config/bare")" 'BEGIN { printf "velmora / bare Qt window: %.2f\n", v / b }'
