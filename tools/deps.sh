#!/usr/bin/env bash
# Installs the Debian 12 packages that building, playing and testing the game need.
# As root it installs what is missing; otherwise it prints the one command to run.
set -euo pipefail

packages=(
    build-essential cmake pkg-config
    qt6-base-dev qt6-multimedia-dev qt6-charts-dev libqt6opengl6-dev qt6-translations-l10n libgl-dev
    libsqlite3-dev sqlite3 libsdl2-dev libpulse-dev pulseaudio pulseaudio-utils
    qt6-wayland weston qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools
    libgtest-dev libgmock-dev
    fonts-comic-neue fonts-dejavu-core fonts-urw-base35
    xvfb xauth xdotool x11-utils
    desktop-file-utils appstream matchbox-window-manager dpkg-dev file
    clang libclang-rt-14-dev
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -eq 0 ]; then
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends "${missing[@]}"
else
    echo "VEXA 99 needs these packages first:" >&2
    echo "    sudo apt-get install ${missing[*]}" >&2
    exit 1
fi
