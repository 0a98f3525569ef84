#!/usr/bin/env bash
# wind_instructions.sh BUILD_DIR [PERCENT] [SECONDS]
# The instructions the game runs while aiming in calm and in the strongest wind, counted by
# callgrind in AimFor alone: repeatable whatever else the machine does, where processor time
# varies by a third from one round to the next on a shared machine. Needs valgrind and Xvfb.
set -euo pipefail
bench="$(cd "$1" && pwd)/bench/wind_bench"
scale="${2:-100}"
seconds="${3:-10}"
out="$(mktemp -d)"
trap 'rm -rf "$out"' EXIT

count() {  # the instructions callgrind collected in the phase
    xvfb-run -a -s "-screen 0 1600x1200x24" valgrind --tool=callgrind --toggle-collect='AimFor*' \
        --callgrind-out-file="$out/$1" "$bench" --scale "$scale" "$seconds" "$1" >/dev/null 2>&1
    awk '/^summary:/ { print $2 }' "$out/$1"
}

calm=$(count calm)
wind=$(count wind)
echo "at $scale %, $seconds s of aiming: calm $calm, wind $wind instructions: wind $(awk -v w="$wind" -v c="$calm" 'BEGIN { printf "%.3f", w / c }') x calm"
