#!/usr/bin/env bash
# Start-up of the window program: from exec to its first frame on Xvfb, in
# milliseconds, for RUNS runs (default 15); prints every run with the
# processor time it took, and the median.
# Runs with settings of its own (no saved geometry), so the window opens at
# the screen's top left corner, where a pixel of the form's background is watched.
#   bench/window_startup.sh BUILD_DIR [RUNS]
set -euo pipefail
build=${1:?usage: window_startup.sh BUILD_DIR [RUNS]}
runs=${2:-15}
display=:$((90 + RANDOM % 9))
config=$(mktemp -d)

Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill "$xvfb" 2>/dev/null; rm -rf "$config"' EXIT
for _ in $(seq 50); do
  [ -e "/tmp/.X11-unix/X${display#:}" ] && break
  sleep 0.1
done

# A point of the form's background, left of its frame, below the menu bar.
times=()
for _ in $(seq "$runs"); do
  times+=("$(DISPLAY=$display XDG_CONFIG_HOME=$config QT_QPA_PLATFORM=xcb \
    "$build/bench/velmora_first_frame" 60 300 ffffc0 "$build/app/velmora/velmora")")
  sleep 0.3
done
printf '%s\n' "${times[@]}" | sort -n | awk '{ t[NR] = $1; printf "run %2d: %6.1f ms (processor %5.1f ms)\n", NR, $1, $2 }
  END { m = (NR % 2) ? t[(NR + 1) / 2] : (t[NR / 2] + t[NR / 2 + 1]) / 2; printf "median: %.1f ms of %d runs\n", m, NR }'
