#!/usr/bin/env bash
# How fast quibac-render runs the show: simulated seconds per wall second at
# two screen sizes, writing PNG frames and, separately, a GIF, 10 frames a
# simulated second on the 7th of December (a door that moves).
# usage: bench/render_speed.sh [build-dir] [simulated-seconds]
set -euo pipefail
build=${1:-build/linux}
seconds=${2:-30}
render=$build/quibac-render
[ -x "$render" ] || { echo "render_speed: build $render first" >&2; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

printf '%-10s %-4s %10s %12s %14s\n' size out wall-s sim-s/wall-s output-bytes
for size in 800x600 1920x1080; do
  for out in png gif; do
    rm -rf "$work"/*
    if [ "$out" = png ]; then target=(--out "$work"); else target=(--gif "$work/show.gif"); fi
    start=$(date +%s.%N)
    "$render" --date 2026-12-07 --size "$size" --seconds "$seconds" --fps 10 "${target[@]}" 2>/dev/null
    end=$(date +%s.%N)
    bytes=$(du -sb "$work" | cut -f1)
    awk -v s="$size" -v o="$out" -v a="$start" -v b="$end" -v n="$seconds" -v by="$bytes" \
      'BEGIN { printf "%-10s %-4s %10.2f %12.2f %14d\n", s, o, b - a, n / (b - a), by }'
  done
done
