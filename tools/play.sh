#!/usr/bin/env bash
# Builds VEXA 99 and starts it. The program runs in the player's game folder, the same one the
# installed game uses ($VEXA_GAME_DIR, else ~/.local/share/vexa99): it lays the game's files
# there when they are missing and never overwrites records, settings or saved competitor lists.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
build="${VEXA_BUILD_DIR:-$here/build}"

bash "$here/tools/deps.sh"
cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" --target vexa99 -j "$(nproc)"
exec "$build/run/vexa99"
