#!/usr/bin/env bash
# Load speed and memory at scale. Builds the benchmarks and the tool (Release)
# into build-bench/, runs the design load benchmark (15 and 150 MiB generated
# designs, each against one std::getline pass over the same files), then
# bench/load_vs_read.sh: `exload summary` against a getline pass on indented
# designs of about 15, 120 and 150 MiB, with peak memory and the memory held
# once the load is done.
# With --allocators the same runs are made on build-bench-system/, which links
# no allocator, once with each of the C library's, tcmalloc, jemalloc and
# mimalloc (preloaded).
#   scripts/bench.sh [--allocators] [WORKDIR]     (default /tmp/exload-bench; removed at the end)
set -euo pipefail
cd "$(dirname "$0")/.."
allocators=0
if [ "${1:-}" = "--allocators" ]; then
  allocators=1
  shift
fi
work=${1:-/tmp/exload-bench}
bash scripts/deps.sh
configure() {
  cmake -S . -B "$1" -G Ninja -DCMAKE_BUILD_TYPE=Release -DEXLOAD_BENCH=ON -DEXLOAD_TESTS=OFF "${@:2}" >/dev/null
  cmake --build "$1"
}
configure build-bench
trap 'rm -rf "$work"' EXIT

build-bench/bench/design_load_bench --benchmark_filter=DesignLoad\|GetlinePass

echo
bash bench/load_vs_read.sh build-bench -w "$work/lvr"

if [ $allocators -eq 1 ]; then
  lib=/usr/lib/x86_64-linux-gnu
  for f in libtcmalloc_minimal.so.4 libjemalloc.so.2 libmimalloc.so.2; do
    [ -e "$lib/$f" ] || { echo "bench: $lib/$f is missing (apt-get install libtcmalloc-minimal4 libjemalloc2 libmimalloc2.0)" >&2; exit 1; }
  done
  configure build-bench-system -DEXLOAD_MALLOC=system
  echo
  bash bench/load_vs_read.sh build-bench-system -w "$work/alloc" -p glibc= -p "tcmalloc=$lib/libtcmalloc_minimal.so.4" \
       -p "jemalloc=$lib/libjemalloc.so.2" -p "mimalloc=$lib/libmimalloc.so.2"
fi
