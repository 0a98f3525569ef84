#!/usr/bin/env bash
# aiming_sizes.sh BUILD_DIR [SECONDS [ROUNDS]]
# What aiming costs at each window size on X11 (Xvfb) and on Wayland (a headless weston), side by
# side in one run, each against 100 % on X11. Every figure is aiming_bench's: the game process's
# own share of one core while it aims (the median of ROUNDS rounds, 1 without it), the display
# server's work not counted.
set -euo pipefail

bench="$1/bench/aiming_bench"
seconds="${2:-10}"
rounds="${3:-1}"
here=$(cd "$(dirname "$0")" && pwd)
on_wayland="$here/../tests/app/on_wayland.sh"

# shellcheck source=SCRIPTDIR/report.sh
source "$here/report.sh"

declare -A share
for scale in 100 200 300; do
    share[x11-$scale]=$(QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 2560x1600x24" \
        "$bench" --scale "$scale" "$seconds" "$rounds" | aiming_share)
    share[wayland-$scale]=$("$on_wayland" "$bench" --scale "$scale" "$seconds" "$rounds" |
        aiming_share)
done

baseline=${share[x11-100]}
printf '%-9s %6s %10s %8s\n' platform size "% of core" "x X11 100%"
for platform in x11 wayland; do
    for scale in 100 200 300; do
        value=${share[$platform-$scale]}
        printf '%-9s %5s%% %10s %8.2f\n' "$platform" "$scale" "$value" \
            "$(awk -v a="$value" -v b="$baseline" 'BEGIN { print a / b }')"
    done
done
