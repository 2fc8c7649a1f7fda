#!/usr/bin/env bash
# Configures and builds into build/: everything, or only the targets named
# with --target NAME. Other arguments are passed on to CMake.
set -euo pipefail
cd "$(dirname "$0")/.."
targets=()
cmake_args=()
while [ $# -gt 0 ]; do
  case $1 in
    --target)
      [ $# -ge 2 ] || { echo "build.sh: --target needs a target name" >&2; exit 2; }
      targets+=(--target "$2"); shift 2 ;;
    *) cmake_args+=("$1"); shift ;;
  esac
done
bash scripts/deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release "${cmake_args[@]}" >/dev/null
cmake --build build "${targets[@]}"
