#!/usr/bin/env bash
# Installs the Debian packages the build needs, only those that are missing.
#   scripts/deps.sh [python]
set -euo pipefail

packages=(g++ cmake ninja-build pkg-config libgtest-dev libbenchmark-dev libcli11-dev nlohmann-json3-dev
          libcairo2-dev
          # polygon clipping for the KiCad writer's plane copper
          libpolyclipping-dev
          # the allocator the programs link
          libmimalloc-dev
          # fuzzing (clang with libFuzzer), leak checks and peak-memory figures
          clang libclang-rt-14-dev valgrind time)
# The Python module and its tests, for `deps.sh python` (scripts/test.sh),
# and KiCad, whose board engine checks the boards `exload kicad` writes.
light=()
if [ "${1:-}" = python ]; then
  packages+=(pybind11-dev python3-dev python3-pytest)
  light+=(kicad)
fi
installed() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q "install ok installed"; }
missing=() missingLight=()
for p in "${packages[@]}"; do installed "$p" || missing+=("$p"); done
for p in "${light[@]}"; do installed "$p" || missingLight+=("$p"); done
[ ${#missing[@]} -eq 0 ] && [ ${#missingLight[@]} -eq 0 ] && exit 0

sudo=""
if [ "$(id -u)" -ne 0 ]; then
  command -v sudo >/dev/null || { echo "need root (or sudo) to install: ${missing[*]}" >&2; exit 1; }
  sudo="sudo"
fi
echo "installing: ${missing[*]} ${missingLight[*]}" >&2
$sudo apt-get update -qq
if [ ${#missing[@]} -gt 0 ]; then
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}" >/dev/null
fi
# Without what it recommends: the board engine and its Python module, not the desktop.
if [ ${#missingLight[@]} -gt 0 ]; then
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missingLight[@]}" >/dev/null
fi
