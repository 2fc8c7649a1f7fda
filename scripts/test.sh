#!/usr/bin/env bash
# Builds, the Python module included, then runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh python
bash scripts/build.sh -DEXLOAD_PYTHON=ON "$@"
ctest --test-dir build --output-on-failure -j2
