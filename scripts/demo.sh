#!/usr/bin/env bash
# Builds the library and the tool (not the tests), then loads the example
# design and summarises it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh --target exload
./build/tools/exload/exload summary examples/demo
