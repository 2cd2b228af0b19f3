#!/usr/bin/env bash
# How fast quibac-render runs the show: simulated seconds per wall second at
# two screen sizes, writing PNG frames and, separately, a GIF, 10 frames a
# simulated second on the 7th of December (a door that moves). The processor
# seconds it used are shown too: on a shared machine they say more than the
# wall clock does.
# usage: bench/render_speed.sh [build-dir] [simulated-seconds]
set -euo pipefail
build=${1:-build/linux}
seconds=${2:-30}
render=$build/quibac-render
[ -x "$render" ] || { echo "render_speed: build $render first" >&2; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

printf '%-10s %-4s %8s %8s %13s %12s %12s\n' size out wall-s cpu-s sim-s/wall-s sim-s/cpu-s output-bytes
for size in 800x600 1920x1080; do
  for out in png gif; do
    rm -rf "$work"/*
    if [ "$out" = png ]; then target=(--out "$work"); else target=(--gif "$work/show.gif"); fi
    TIMEFORMAT='%R %U %S'
    times=$( { time "$render" --date 2026-12-07 --size "$size" --seconds "$seconds" --fps 10 "${target[@]}" \
               2>/dev/null; } 2>&1 )
    bytes=$(du -sb "$work" | cut -f1)
    read -r wall user sys <<<"$times"
    awk -v s="$size" -v o="$out" -v w="$wall" -v c="$(awk -v u="$user" -v k="$sys" 'BEGIN { print u + k }')" \
      -v n="$seconds" -v by="$bytes" \
      'BEGIN { printf "%-10s %-4s %8.2f %8.2f %13.2f %12.2f %12d\n", s, o, w, c, n / w, n / c, by }'
  done
done
