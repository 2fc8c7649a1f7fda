#!/usr/bin/env bash
# Builds, then loads the example design and summarises it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh
./build/tools/exload/exload summary examples/demo
