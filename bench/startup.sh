#!/usr/bin/env bash
# Start-up benchmark: starts the game RUNS times until its first frame is
# painted, each time with a fresh settings folder, in turns with a bare Qt
# window of the same size (bench/startup/bare_window.cpp), and prints both
# medians and their ratio, at scale 1 and at QT_SCALE_FACTOR=2, under Qt's
# offscreen platform and under Xvfb (when installed).
#
#   bench/startup.sh [BUILD_DIR]          (default: build)
#   RUNS=31 PLATFORMS="xvfb" SCALES="1" bench/startup.sh
#   OTHER=/path/to/older/tavolier bench/startup.sh   # a third program in the same turns
#
# A run is timed from just before the program is started to its exit, which
# TAVOLIER_FIRST_FRAME=exit makes right after the first frame: so the time
# covers loading and linking the program too.
set -euo pipefail

build=${1:-build}
game=${GAME:-$build/bin/tavolier}
bare=${BARE:-$build/bin/tavolier-bare-window}
other=${OTHER:-}
runs=${RUNS:-21}
platforms=${PLATFORMS:-offscreen xvfb}
scales=${SCALES:-1 2}

for program in "$game" "$bare" ${other:+"$other"}; do
    if [[ ! -x $program ]]; then
        echo "startup.sh: $program is missing; build the targets tavolier and tavolier-bare-window" >&2
        exit 2
    fi
done

work=$(mktemp -d)
xvfb_pid=
cleanup() {
    if [[ -n $xvfb_pid ]]; then
        kill "$xvfb_pid" 2>/dev/null || true
        wait "$xvfb_pid" 2>/dev/null || true
    fi
    rm -rf "$work"
}
trap cleanup EXIT
mkdir -p "$work/runtime"
chmod 700 "$work/runtime"

start_xvfb() {
    local n
    for n in $(seq 70 99); do
        [[ -e /tmp/.X11-unix/X$n || -e /tmp/.X$n-lock ]] && continue
        Xvfb ":$n" -screen 0 2560x1600x24 -nolisten tcp >/dev/null 2>&1 &
        xvfb_pid=$!
        for _ in $(seq 100); do
            [[ -e /tmp/.X11-unix/X$n ]] && { display=":$n"; return 0; }
            kill -0 "$xvfb_pid" 2>/dev/null || break
            sleep 0.05
        done
        kill "$xvfb_pid" 2>/dev/null || true
        xvfb_pid=
    done
    return 1
}

# One timed start: prints the milliseconds from start to exit.
time_run() {
    local program=$1 config
    config=$(mktemp -d "$work/config.XXXXXX")
    local started=$EPOCHREALTIME
    XDG_CONFIG_HOME=$config XDG_RUNTIME_DIR=$work/runtime TAVOLIER_FIRST_FRAME=exit \
        "$program" >/dev/null 2>"$work/stderr" || true
    local ended=$EPOCHREALTIME
    rm -rf "$config"
    if ! grep -q '^first-frame ' "$work/stderr"; then
        echo "startup.sh: $program painted no first frame:" >&2
        cat "$work/stderr" >&2
        exit 1
    fi
    awk -v a="$started" -v b="$ended" 'BEGIN { printf "%.2f\n", (b - a) * 1000 }'
}

median() {
    sort -n | awk '{ v[NR] = $1 } END { if (NR % 2) print v[(NR + 1) / 2]; else printf "%.2f\n", (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

printf '%-10s %-5s %10s %10s %7s' platform scale "game ms" "bare ms" ratio
[[ -n $other ]] && printf ' %10s %7s' "other ms" ratio
printf '\n'
for platform in $platforms; do
    case $platform in
    offscreen) export QT_QPA_PLATFORM=offscreen ;;
    xvfb)
        if ! command -v Xvfb >/dev/null; then
            echo "startup.sh: Xvfb is not installed; skipping it" >&2
            continue
        fi
        [[ -z $xvfb_pid ]] && { start_xvfb || { echo "startup.sh: Xvfb did not start" >&2; continue; }; }
        export QT_QPA_PLATFORM=xcb DISPLAY=$display
        ;;
    *) echo "startup.sh: unknown platform $platform" >&2; exit 2 ;;
    esac
    for scale in $scales; do
        export QT_SCALE_FACTOR=$scale
        : >"$work/game" ; : >"$work/bare" ; : >"$work/other"
        # One warm-up start of each, then the timed ones in turns (the order
        # within a turn alternates too).
        time_run "$game" >/dev/null
        time_run "$bare" >/dev/null
        for i in $(seq "$runs"); do
            if (( i % 2 )); then
                time_run "$game" >>"$work/game"
                time_run "$bare" >>"$work/bare"
            else
                time_run "$bare" >>"$work/bare"
                time_run "$game" >>"$work/game"
            fi
            [[ -n $other ]] && time_run "$other" >>"$work/other"
        done
        g=$(median <"$work/game")
        b=$(median <"$work/bare")
        printf '%-10s %-5s %10s %10s %7s' "$platform" "${scale}x" "$g" "$b" \
            "$(awk -v g="$g" -v b="$b" 'BEGIN { printf "%.2f", g / b }')"
        if [[ -n $other ]]; then
            o=$(median <"$work/other")
            printf ' %10s %7s' "$o" "$(awk -v o="$o" -v b="$b" 'BEGIN { printf "%.2f", o / b }')"
        fi
        printf '\n'
    done
done
