#!/usr/bin/env bash
# Times our player and FFmpeg decoding the same animation (the one
# bench_flic_decode generates) and prints the ratio of their frame rates
# (ours / FFmpeg's), both in processor time so that other work on the machine
# does not tilt it. Ours: the median 800 x 600 walk of bench_flic_decode.
# FFmpeg: the best of several single-threaded decodes to the null muxer, its
# own "-benchmark" user and system time, which leaves out its start-up.
# usage: bench/ffmpeg_ratio.sh [build-dir] [runs]
set -euo pipefail
build=${1:-build/linux}
runs=${2:-7}
bench="$build/bench/bench_flic_decode"
[ -x "$bench" ] || { echo "no $bench; build the linux preset first" >&2; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
file="$work/bench.flc"

"$bench" --write-flc="$file" --benchmark_format=csv --benchmark_repetitions="$runs" \
  --benchmark_report_aggregates_only=true 2>/dev/null >"$work/ours.csv"
# items_per_second of the median of each walk.
ours_col() {
  awk -F, -v name="\"FlicWalk/$1_median\"" '
    NR == 1 { for (i = 1; i <= NF; i++) if ($i == "items_per_second") col = i; next }
    $1 == name { print $col }' "$work/ours.csv"
}
ours=$(ours_col 800x600)
ours_hd=$(ours_col 1920x1080)
ours_uhd=$(ours_col 3840x2160)

frames=$(ffprobe -v error -count_frames -select_streams v:0 -show_entries stream=nb_read_frames -of csv=p=0 "$file")
[ -n "$frames" ] && [ "$frames" -gt 0 ] || { echo "ffprobe read no frames" >&2; exit 1; }
best=""
for _ in $(seq "$runs"); do
  t=$(ffmpeg -nostdin -hide_banner -nostats -v info -benchmark -threads 1 -i "$file" -f null - 2>&1 |
      sed -n 's/.*utime=\([0-9.]*\)s stime=\([0-9.]*\)s.*/\1 \2/p' | awk '{ print $1 + $2 }')
  [ -n "$t" ] || { echo "FFmpeg gave no benchmark time" >&2; exit 1; }
  if [ -z "$best" ] || awk -v a="$t" -v b="$best" 'BEGIN { exit !(a < b) }'; then best=$t; fi
done

awk -v ours="$ours" -v hd="$ours_hd" -v uhd="$ours_uhd" -v frames="$frames" -v t="$best" 'BEGIN {
  ff = frames / t
  printf "animation: %d frames of 800 x 600 (ring frame included)\n", frames
  printf "ours   800x600:   %9.0f frames/s  (%.2f ms per walk)\n", ours, 1000 * frames / ours
  printf "ours   1920x1080: %9.0f frames/s  (%.2f ms per walk)\n", hd, 1000 * frames / hd
  printf "ours   3840x2160: %9.0f frames/s  (%.2f ms per walk)\n", uhd, 1000 * frames / uhd
  printf "FFmpeg 800x600:   %9.0f frames/s  (%.2f ms per decode)\n", ff, 1000 * t
  printf "ratio (ours / FFmpeg) at 800x600: %.2f\n", ours / ff
}'
