#!/usr/bin/env bash
# Loads a design (default: examples/demo) under valgrind memcheck through the
# small loader program of bench/; fails on any memory error or leak.
# Needs a build with -DEXLOAD_BENCH=ON in build/ (scripts/build.sh -DEXLOAD_BENCH=ON).
set -euo pipefail
cd "$(dirname "$0")/.."
design=${1:-examples/demo}
loader=build/bench/loaddesign
[ -x "$loader" ] || bash scripts/build.sh -DEXLOAD_BENCH=ON
valgrind --tool=memcheck --error-exitcode=1 --leak-check=full --show-leak-kinds=all \
         --errors-for-leak-kinds=all --track-origins=yes "$loader" "$design"
