#!/usr/bin/env bash
# Builds VEXA 99 with every test and runs them all.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
build="${VEXA_BUILD_DIR:-$here/build}"

bash "$here/tools/deps.sh"
cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVEXA_WERROR=ON >/dev/null
cmake --build "$build" -j "$(nproc)"
cd "$build"
ctest --output-on-failure -j "$(nproc)"
