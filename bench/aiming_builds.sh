#!/usr/bin/env bash
# aiming_builds.sh BASELINE_BUILD_DIR BUILD_DIR [SECONDS [ROUNDS]]
# What aiming costs in aiming_bench of one build tree against another's, in the same run: the
# two benches take turns ROUNDS (5) times for SECONDS (10) each, and the medians of their
# "aiming" shares of a core are compared. Processor time on a shared machine drifts by half from
# one round to the next, so the instructions each bench runs while aiming are counted too, by
# callgrind in AimFor alone: the same count whatever else the machine does. Any build since
# aiming_bench began serves as the baseline; the earliest benches only draw and let down, later
# ones steer as well, so against those a build that steers is measured doing more. Needs Xvfb
# and valgrind; run it with nothing else running.
set -euo pipefail

baseline="$(cd "$1" && pwd)/bench/aiming_bench"
bench="$(cd "$2" && pwd)/bench/aiming_bench"
seconds="${3:-10}"
rounds="${4:-5}"
out="$(mktemp -d)"
trap 'rm -rf "$out"' EXIT
# shellcheck source=SCRIPTDIR/report.sh
source "$(dirname "$0")/report.sh"

on_x() { xvfb-run -a -s "-screen 0 1600x1200x24" "$@"; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }

for ((round = 1; round <= rounds; round++)); do
    on_x "$baseline" "$seconds" 2>/dev/null | aiming_share >>"$out/baseline"
    on_x "$bench" "$seconds" 2>/dev/null | aiming_share >>"$out/build"
    echo "round $round: baseline $(tail -1 "$out/baseline") %, build $(tail -1 "$out/build") %"
done
base=$(median <"$out/baseline")
mine=$(median <"$out/build")
echo "median of $rounds rounds of $seconds s: baseline $base %, build $mine % of a core:" \
    "build/baseline $(ratio "$mine" "$base")"

instructions() {  # what bench $1 runs while aiming, counted by callgrind
    on_x valgrind --tool=callgrind --toggle-collect='*AimFor*' \
        --callgrind-out-file="$out/$2.callgrind" "$1" "$seconds" >/dev/null 2>&1
    awk '/^summary:/ { print $2 }' "$out/$2.callgrind"
}
base=$(instructions "$baseline" baseline)
mine=$(instructions "$bench" build)
echo "instructions while aiming $seconds s: baseline $base, build $mine: build/baseline" \
    "$(ratio "$mine" "$base")"
