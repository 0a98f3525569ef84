#!/usr/bin/env bash
# aiming_against.sh BASELINE_GAME GAME [SECONDS] [ROUNDS]
# What aiming costs the whole game as a player plays it, against another build of the game in
# the same run: each build is started in a game folder of its own, a practice is begun from the
# menu, and xdotool draws, lets down and steers through the X server for SECONDS (10) while the
# processor time of all the game's threads is read from /proc. The two builds take turns ROUNDS
# (5) times; the medians and their ratio are printed. Run it on an X server of its own
# (xvfb-run -a -s "-screen 0 1600x1200x24"), with nothing else running.
set -euo pipefail

baseline="$1"
game="$2"
seconds="${3:-10}"
rounds="${4:-5}"
command -v xdotool >/dev/null || { echo "needs xdotool (apt-get install xdotool)" >&2; exit 1; }

thread_seconds() {  # processor time of every thread of process $1 so far, in seconds
    cat /proc/"$1"/task/*/schedstat | awk '{ ns += $1 } END { printf "%.6f", ns / 1e9 }'
}

play_for() {  # a player drawing, letting down and steering for $1 seconds, never releasing
    local end step=0 steer
    end=$(awk -v s="$(date +%s.%N)" -v d="$1" 'BEGIN { printf "%.3f", s + d }')
    while awk -v now="$(date +%s.%N)" -v end="$end" 'BEGIN { exit !(now < end) }'; do
        steer=$([ $((step % 2)) -eq 0 ] && echo Left || echo Right)
        xdotool keydown a sleep 0.2 keydown "$steer" sleep 0.2 keyup "$steer" sleep 0.2 keyup a \
            sleep 0.2
        step=$((step + 1))
    done
}

aim_with() {  # the share of a core game $1 uses while aiming, in per cent
    local folder pid window before after
    folder=$(mktemp -d)
    printf '[Hra]\njazyk=cs\n' >"$folder/nastaveni.ini"
    VEXA_GAME_DIR="$folder" "$1" >/dev/null 2>&1 &
    pid=$!
    sleep 3
    xdotool key Return  # the welcome notice
    sleep 1
    window=$(xdotool search --name VEXA | tail -1)
    xdotool windowfocus "$window"
    sleep 0.5
    xdotool key alt+h Down Down Return  # Hra, Trénink...
    sleep 1
    xdotool type Jan
    xdotool key Return
    sleep 1
    xdotool windowfocus "$window"  # back from the dialog, for builds that do not take it back
    sleep 0.5
    xdotool key d  # the first arrow: the sight sways from here on
    sleep 1
    # A few draws first, so that what the game sets up on the first draw (the clicker's sound
    # output) is not counted as aiming.
    play_for 2
    before=$(thread_seconds "$pid")
    local start
    start=$(date +%s.%N)
    play_for "$seconds"
    after=$(thread_seconds "$pid")
    local elapsed
    elapsed=$(awk -v s="$start" -v now="$(date +%s.%N)" 'BEGIN { print now - s }')
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    rm -rf "$folder"
    awk -v a="$before" -v b="$after" -v s="$elapsed" 'BEGIN { printf "%.3f", (b - a) / s * 100 }'
}

# shellcheck source=SCRIPTDIR/report.sh
source "$(dirname "$0")/report.sh"

declare -a base_shares game_shares
for ((round = 1; round <= rounds; round++)); do
    base_shares+=("$(aim_with "$baseline")")
    game_shares+=("$(aim_with "$game")")
    echo "round $round: baseline ${base_shares[-1]} %, game ${game_shares[-1]} % of a core"
done
base=$(printf '%s\n' "${base_shares[@]}" | median)
mine=$(printf '%s\n' "${game_shares[@]}" | median)
echo "median of $rounds rounds of $seconds s: baseline $base %, game $mine % of a core"
awk -v a="$mine" -v b="$base" 'BEGIN { printf "game/baseline %.2f\n", a / b }'
