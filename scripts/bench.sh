#!/usr/bin/env bash
# Load speed and memory at scale. Builds the benchmarks (Release) into
# build-bench/, runs the design load benchmark (15 and 150 MiB generated
# designs, each against one std::getline pass over the same files), then
# measures the peak memory of one load of each size with /usr/bin/time -v.
#   scripts/bench.sh [WORKDIR]     (default /tmp/exload-bench; removed at the end)
set -euo pipefail
cd "$(dirname "$0")/.."
work=${1:-/tmp/exload-bench}
bash scripts/deps.sh
cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DEXLOAD_BENCH=ON -DEXLOAD_TESTS=OFF \
      -DEXLOAD_TOOLS=OFF >/dev/null
cmake --build build-bench
trap 'rm -rf "$work"' EXIT

build-bench/bench/design_load_bench --benchmark_filter=DesignLoad\|GetlinePass

echo
printf '%8s %12s %14s %10s\n' size input_MiB peak_RSS_MiB peak/input
for mib in 15 150; do
  build-bench/bench/gendesign "$work/$mib" "$mib" >/dev/null
  bytes=$(cat "$work/$mib"/*.txt | wc -c)
  rss_kib=$( { /usr/bin/time -v build-bench/bench/loaddesign "$work/$mib" >/dev/null; } 2>&1 |
             awk -F: '/Maximum resident set size/ {gsub(/ /, "", $2); print $2}')
  awk -v m="$mib" -v b="$bytes" -v r="$rss_kib" \
      'BEGIN { printf "%6dMiB %12.1f %14.1f %10.2f\n", m, b/1048576, r/1024, r*1024/b }'
done
