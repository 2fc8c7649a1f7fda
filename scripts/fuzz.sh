#!/usr/bin/env bash
# Builds the libFuzzer harnesses (clang, AddressSanitizer, UndefinedBehavior-
# Sanitizer) into build-fuzz/ and runs each for SECONDS (default 20), JOBS at
# a time (default 2). Seeds: examples/ and tests/data/. The corpora grow in
# build-fuzz/corpus/<harness>/; a crash leaves its input in
# build-fuzz/artifacts/<harness>/ and fails the run.
#   scripts/fuzz.sh [SECONDS] [JOBS] [HARNESS...]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-20}
jobs=${2:-2}
shift $(( $# > 2 ? 2 : $# ))
bash scripts/deps.sh
CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DEXLOAD_FUZZ=ON \
    -DEXLOAD_TESTS=OFF -DEXLOAD_TOOLS=OFF >/dev/null
cmake --build build-fuzz

harnesses=("$@")
if [ ${#harnesses[@]} -eq 0 ]; then
  for h in build-fuzz/fuzz/fuzz_*; do [ -x "$h" ] && harnesses+=("$(basename "$h")"); done
fi
seeds=(examples)
[ -d tests/data ] && seeds+=(tests/data)

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
run() {
  local h=$1
  mkdir -p "build-fuzz/corpus/$h" "build-fuzz/artifacts/$h"
  # The log keeps libFuzzer's own lines; its summary line is echoed.
  if "build-fuzz/fuzz/$h" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=16384 \
       -dict=fuzz/design.dict -artifact_prefix="build-fuzz/artifacts/$h/" -print_final_stats=1 \
       "build-fuzz/corpus/$h" "${seeds[@]}" >"build-fuzz/$h.log" 2>&1; then
    echo "$h: $(grep -E '^Done [0-9]+ runs' "build-fuzz/$h.log" | tail -1)"
  else
    echo "$h: FAILED, see build-fuzz/$h.log" >&2
    tail -40 "build-fuzz/$h.log" >&2
    return 1
  fi
}

failed=0
running=0
for h in "${harnesses[@]}"; do
  if [ "$running" -ge "$jobs" ]; then
    wait -n || failed=1
    running=$((running - 1))
  fi
  run "$h" &
  running=$((running + 1))
done
while [ "$running" -gt 0 ]; do
  wait -n || failed=1
  running=$((running - 1))
done
exit $failed
