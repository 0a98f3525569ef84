#!/usr/bin/env bash
# on_wayland.sh PROGRAM [ARGS...]
# Runs PROGRAM on a headless Wayland compositor of its own, in a runtime folder of its own and
# with no X server to fall back on, and returns its exit status.
set -euo pipefail

runtime=$(mktemp -d)
weston_pid=
cleanup() {
    if [ -n "$weston_pid" ]; then kill "$weston_pid" 2>/dev/null || true; fi
    wait 2>/dev/null || true
    rm -rf "$runtime"
}
trap cleanup EXIT

export XDG_RUNTIME_DIR=$runtime
unset DISPLAY
weston --backend=headless-backend.so --socket=wayland-vexa --idle-time=0 \
    >"$runtime/weston.log" 2>&1 &
weston_pid=$!
for _ in $(seq 100); do
    [ -S "$runtime/wayland-vexa" ] && break
    if ! kill -0 "$weston_pid" 2>/dev/null; then
        cat "$runtime/weston.log" >&2
        exit 1
    fi
    sleep 0.1
done
[ -S "$runtime/wayland-vexa" ] || { echo "weston did not start" >&2; exit 1; }

export WAYLAND_DISPLAY=wayland-vexa QT_QPA_PLATFORM=wayland
"$@"
