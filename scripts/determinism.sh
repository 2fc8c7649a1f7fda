#!/usr/bin/env bash
# Loads the same design RUNS times (default 20) with `exload json` and checks
# that every output is byte-identical. Without a design directory a 4 MiB
# design is generated (needs build/ with -DEXLOAD_BENCH=ON): its many nets and
# cells go through the loader's helper threads.
#   scripts/determinism.sh [DESIGN_DIR] [RUNS]
set -euo pipefail
cd "$(dirname "$0")/.."
exload=build/tools/exload/exload
design=${1:-}
runs=${2:-20}
if ! "$exload" --help 2>/dev/null | grep -qE '^ +json '; then
  echo "determinism: this exload has no json command; skipped"
  exit 0
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
if [ -z "$design" ]; then
  design="$work/design"
  build/bench/gendesign "$design" 4 >/dev/null
fi
"$exload" json -q "$design" -o "$work/first.json"
for i in $(seq 2 "$runs"); do
  "$exload" json -q "$design" -o "$work/run.json"
  if ! cmp -s "$work/first.json" "$work/run.json"; then
    echo "determinism: run $i of $design differs from run 1" >&2
    cmp "$work/first.json" "$work/run.json" >&2 || true
    exit 1
  fi
done
echo "determinism: $runs runs of exload json on $design, $(wc -c < "$work/first.json") bytes each, identical"
