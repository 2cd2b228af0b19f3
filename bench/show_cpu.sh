#!/usr/bin/env bash
# The show's processor use in real time at two output sizes, each over at
# least two full scene cycles (about 100 s a cycle with doors open).
# usage: bench/show_cpu.sh [build-dir] [seconds]
set -euo pipefail
build=${1:-build/linux}
seconds=${2:-240}
for size in 800x600 1920x1080; do
  "$build/bench/bench_show_cpu" "$size" "$seconds"
done
