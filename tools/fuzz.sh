#!/usr/bin/env bash
# Fuzzes every decoder (or only the TARGETs named) for SECONDS seconds each, sanitized
# (AddressSanitizer and UndefinedBehaviorSanitizer), and prints the executions and findings per
# target. VEXA_FUZZ_JOBS processes (default 1) fuzz each target at once on one shared corpus.
# An input that breaks a decoder is kept in build-fuzz/findings/<target>/; once the fault is
# mended, copy it to tests/fuzz/findings/<target>/ so that the ordinary tests replay it for ever.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
build="${VEXA_FUZZ_BUILD_DIR:-$here/build-fuzz}"
seconds="${1:?usage: tools/fuzz.sh SECONDS [TARGET...]}"
shift
jobs="${VEXA_FUZZ_JOBS:-1}"

bash "$here/tools/deps.sh"
CC=clang CXX=clang++ cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DVEXA_FUZZ=ON -DVEXA_WERROR=ON >/dev/null
targets=()
if [ $# -gt 0 ]; then
    for name in "$@"; do
        [ -f "$here/tests/fuzz/${name}_fuzz.cpp" ] || { echo "no fuzz target $name" >&2; exit 2; }
        targets+=("${name}_fuzz")
    done
else
    for source in "$here"/tests/fuzz/*_fuzz.cpp; do
        targets+=("$(basename "$source" .cpp)")
    done
fi
cmake --build "$build" -j "$(nproc)" --target "${targets[@]}" >/dev/null

status=0
printf '%-22s %14s %9s\n' target executions findings
for target in "${targets[@]}"; do
    name="${target%_fuzz}"
    corpus="$build/corpus/$name"
    findings="$build/findings/$name"
    mkdir -p "$corpus" "$findings"
    before=$(find "$findings" -type f | wc -l)
    rm -f "$build/fuzz-$name"-*.log
    # New inputs grow the corpus in the build directory; the seeds in the tree stay as they are.
    for job in $(seq "$jobs"); do
        "$build/tests/fuzz/$target" -max_total_time="$seconds" -print_final_stats=1 \
            -artifact_prefix="$findings/" "$corpus" "$here/tests/fuzz/$name" \
            >"$build/fuzz-$name-$job.log" 2>&1 &
    done
    wait
    executions=$(cat "$build/fuzz-$name"-*.log |
        awk '/^stat::number_of_executed_units:/ { sum += $2; n++ } END { if (n) print sum }')
    found=$(($(find "$findings" -type f | wc -l) - before))
    printf '%-22s %14s %9d\n' "$name" "${executions:-?}" "$found"
    if [ "$found" -ne 0 ] || [ -z "$executions" ]; then status=1; fi
done
exit $status
