#!/usr/bin/env bash
# sound_aiming.sh BUILD_DIR [SECONDS] [ROUNDS] [SECONDS_AN_ARROW]
# Runs sound_bench with a sound device: a PulseAudio server of its own with a null output (the
# samples go nowhere, but every step of playing them is taken), on a virtual X server.
set -euo pipefail
bench="$(cd "$1" && pwd)/bench/sound_bench"
shift
command -v pulseaudio >/dev/null || { echo "needs pulseaudio (apt-get install pulseaudio)" >&2; exit 1; }

runtime="$(mktemp -d)"
trap 'pulseaudio --kill 2>/dev/null || true; sleep 0.5; rm -rf "$runtime"' EXIT
export XDG_RUNTIME_DIR="$runtime" HOME="$runtime" PULSE_RUNTIME_PATH="$runtime/pulse"
pulseaudio --daemonize=yes --exit-idle-time=-1 --disallow-exit -n \
    --load=module-null-sink --load=module-native-protocol-unix 2>/dev/null
for _ in $(seq 50); do pactl info >/dev/null 2>&1 && break; sleep 0.1; done

QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1280x1024x24" "$bench" "$@"
