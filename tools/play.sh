#!/usr/bin/env bash
# Builds VEXA 99 and starts it in the game folder (default ~/VEXA99). The folder is seeded with
# the game's files once; files already there (records, settings, saved competitor lists) are
# never overwritten.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
build="${VEXA_BUILD_DIR:-$here/build}"
game="${VEXA_GAME_DIR:-$HOME/VEXA99}"

bash "$here/tools/deps.sh"
cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" --target vexa99 -j "$(nproc)"

mkdir -p "$game"
for f in "$build"/run/*; do
    name="$(basename "$f")"
    [ "$name" = vexa99 ] && continue
    [ -e "$game/$name" ] || cp "$f" "$game/$name"
done
cd "$game"
exec "$build/run/vexa99"
