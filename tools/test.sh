#!/usr/bin/env bash
# Builds VEXA 99 with every test and runs them all.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
build="${VEXA_BUILD_DIR:-$here/build}"

bash "$here/tools/deps.sh"
# Line tables are all a failing test's backtrace needs; full debug information would make every
# one of the many test programs slower to compile and to link.
cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVEXA_WERROR=ON \
    -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O2 -g1 -DNDEBUG" >/dev/null
cmake --build "$build" -j "$(nproc)"
cd "$build"
ctest --output-on-failure -j "$(nproc)"
