#!/usr/bin/env bash
# Builds, then runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh "$@"
ctest --test-dir build --output-on-failure -j2
