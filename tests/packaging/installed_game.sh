#!/usr/bin/env bash
# The installed game as a player meets it: installed into a scratch prefix and started from an
# unrelated folder with an empty home, on a virtual X server with a small window manager.
#   installed_game.sh <build dir> first-starts   seeds the game folder, keeps the player's files
#   installed_game.sh <build dir> blocked-folder a file where the game folder should be
set -euo pipefail
if [ -z "${VEXA_UNDER_X:-}" ]; then
    VEXA_UNDER_X=1 exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi
build="$1"
scenario="$2"

scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
cmake --install "$build" --prefix "$scratch/prefix" >/dev/null
mkdir "$scratch/home" "$scratch/elsewhere"
export HOME="$scratch/home" LANG=C.UTF-8 QT_QPA_PLATFORM=xcb
unset XDG_DATA_HOME VEXA_GAME_DIR
game="$HOME/.local/share/vexa99"

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# Starts the installed game, lets the start-up notice through and closes the main window as the
# window manager does, so that the game writes its settings on the way out.
play_once() {
    (cd "$scratch/elsewhere" && exec timeout 60 "$scratch/prefix/bin/vexa99") &
    local game_pid=$!
    local notice main
    notice="$(timeout 30 xdotool search --sync --name '^Vítejte !$' | head -1)" ||
        fail "no start-up notice"
    xdotool windowfocus --sync "$notice" key Return
    main="$(timeout 30 xdotool search --sync --onlyvisible --name '^VEXA 99$' | head -1)" ||
        fail "no main window"
    xdotool windowfocus --sync "$main" key alt+F4
    wait "$game_pid" || fail "the game ended with status $?"
}

first_starts() {
    matchbox-window-manager -use_titlebar no &
    local wm_pid=$!
    play_once
    for name in 30.bmp 90.bmp arrow1.ico z1.ico tick.wav muzi.luk zeny.luk Brantel2.hlp; do
        cmp -s "$scratch/prefix/share/vexa99/$name" "$game/$name" || fail "$name not laid"
    done
    [ -s "$game/Brantel2.ini" ] || fail "Brantel2.ini not written on closing"

    # The player's files survive a later start, even over a damaged or incomplete install; a
    # file gone from the folder comes back.
    printf 'the player'\''s records' >"$game/records.dat"
    printf 'an edited list' >"$game/muzi.luk"
    cp "$game/records.dat" "$game/muzi.luk" "$game/30.bmp" "$game/tick.wav" "$scratch/"
    printf 'damaged' >"$scratch/prefix/share/vexa99/30.bmp"
    rm "$scratch/prefix/share/vexa99/tick.wav" "$game/zeny.luk"
    play_once
    for name in records.dat muzi.luk 30.bmp tick.wav; do
        cmp -s "$scratch/$name" "$game/$name" || fail "the player's $name changed"
    done
    cmp -s "$scratch/prefix/share/vexa99/zeny.luk" "$game/zeny.luk" || fail "zeny.luk not laid"
    kill "$wm_pid"
}

blocked_folder() {
    mkdir -p "$(dirname "$game")"
    printf 'not a folder' >"$game"
    (cd "$scratch/elsewhere" && exec timeout 60 "$scratch/prefix/bin/vexa99") 2>"$scratch/errors" &
    local game_pid=$!
    local box
    box="$(timeout 30 xdotool search --sync --onlyvisible --name '^VEXA 99$' | head -1)" ||
        fail "no message box"
    xdotool windowfocus --sync "$box" key Return
    local status=0
    wait "$game_pid" || status=$?
    [ "$status" -ne 0 ] && [ "$status" -ne 124 ] || fail "exit status $status"
    grep -q "Herní složku" "$scratch/errors" || fail "no Czech reason on stderr"
    [ "$(cat "$game")" = "not a folder" ] || fail "the file in the way was touched"
}

case "$scenario" in
    first-starts) first_starts ;;
    blocked-folder) blocked_folder ;;
    *) fail "unknown scenario $scenario" ;;
esac
