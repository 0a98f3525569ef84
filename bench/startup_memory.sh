#!/usr/bin/env bash
# Start-up memory: the game's resident memory once its main window is up, against a bare Qt
# window's, both started the same way on one virtual X server in one run, alternately, and the
# median of each kept. Prints both in MB and their ratio.
#   bench/startup_memory.sh <build dir> [ROUNDS]
# VEXA_PROGRAM names another build of the game to measure (it must lie in the run directory,
# beside the files it lays).
set -euo pipefail
if [ -z "${VEXA_UNDER_X:-}" ]; then
    VEXA_UNDER_X=1 exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi
build="$(cd "$1" && pwd)"
rounds="${2:-5}"
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
export QT_QPA_PLATFORM=xcb LANG=C.UTF-8

# The resident memory in kB of the process `pid` once `window` is up and the start has settled.
resident_at_window() {
    local pid="$1" window="$2"
    timeout 30 xdotool search --sync --onlyvisible --name "$window" >/dev/null
    sleep 1
    awk '/^VmRSS:/ { print $2 }' "/proc/$pid/status"
}

bare_once() {
    "$build/bench/bare_window" &
    local pid=$!
    resident_at_window "$pid" '^bare window$'
    kill "$pid"
    wait "$pid" 2>/dev/null || true
}

# The game in a fresh game folder: its start-up notice answered, then its main window.
game_once() {
    rm -rf "$scratch/game"
    VEXA_GAME_DIR="$scratch/game" "${VEXA_PROGRAM:-$build/run/vexa99}" &
    local pid=$!
    local notice
    notice="$(timeout 30 xdotool search --sync --onlyvisible --name '^Vítejte !$' | head -1)"
    xdotool windowfocus --sync "$notice" key Return
    resident_at_window "$pid" '^VEXA 99$'
    kill "$pid"
    wait "$pid" 2>/dev/null || true
}

# shellcheck source=SCRIPTDIR/report.sh
source "$(dirname "$0")/report.sh"

matchbox-window-manager -use_titlebar no &
wm=$!
bare=()
game=()
for _ in $(seq "$rounds"); do
    bare+=("$(bare_once)")
    game+=("$(game_once)")
done
kill "$wm"
bare_kb="$(printf '%s\n' "${bare[@]}" | median)"
game_kb="$(printf '%s\n' "${game[@]}" | median)"
echo "bare Qt window: ${bare[*]} kB, median $(awk -v k="$bare_kb" 'BEGIN { printf "%.1f", k / 1000 }') MB"
echo "game at its main window: ${game[*]} kB, median $(awk -v k="$game_kb" 'BEGIN { printf "%.1f", k / 1000 }') MB"
awk -v g="$game_kb" -v b="$bare_kb" 'BEGIN { printf "ratio %.2f\n", g / b }'
