#!/usr/bin/env bash
# Peak memory of the game after 20 hands: starts it under Xvfb with a fresh
# settings folder, plays 20 hands with the keyboard (C checks or calls until
# the hand is over, D deals the next; the settings file tells how many were
# played) and prints the process's peak resident size (VmHWM).
#
#   bench/memory.sh [BUILD_DIR] [HANDS]     (needs Xvfb and xdotool)
set -euo pipefail
build=${1:-build}
hands=${2:-20}
game=${GAME:-$build/bin/tavolier}
work=$(mktemp -d)
pids=()
cleanup() {
    for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
    rm -rf "$work"
}
trap cleanup EXIT
for n in $(seq 70 99); do
    [[ -e /tmp/.X11-unix/X$n || -e /tmp/.X$n-lock ]] || break
done
Xvfb ":$n" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
pids+=($!)
for _ in $(seq 100); do [[ -e /tmp/.X11-unix/X$n ]] && break; sleep 0.05; done
export DISPLAY=:$n QT_QPA_PLATFORM=xcb XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data
mkdir -p "$work/runtime" && chmod 700 "$work/runtime" && export XDG_RUNTIME_DIR=$work/runtime
"$game" >/dev/null 2>&1 &
game_pid=$!
pids+=($game_pid)
window=
for _ in $(seq 200); do
    window=$(xdotool search --pid "$game_pid" --onlyvisible 2>/dev/null | head -n 1 || true)
    [[ -n $window ]] && break
    sleep 0.05
done
[[ -n $window ]] || { echo "memory.sh: the game's window did not appear" >&2; exit 1; }
# The settings file counts the hands played, written at each Deal: play
# until it shows the number asked for (keys during the opponents' playback
# only show the rest of it, so a round of presses may not end a hand).
played() {
    local n
    n=$(awk -F= '/^handsplayed=/ { print $2 }' "$work/config/tavolier/tavolier.ini" 2>/dev/null || true)
    echo "${n:-0}"
}
for _ in $(seq $((hands * 4))); do
    (( $(played) >= hands )) && break
    for _ in $(seq 8); do xdotool key --window "$window" c 2>/dev/null; sleep 0.05; done
    xdotool key --window "$window" d 2>/dev/null
    sleep 0.1
done
sleep 0.5
echo "peak resident size after $(played) hands: $(awk '/VmHWM/ { printf "%.1f MB", $2 / 1024 }' /proc/$game_pid/status)"
