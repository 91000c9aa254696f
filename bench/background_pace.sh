#!/usr/bin/env bash
# background_pace.sh: does work done in bursts in the background (as the speech recogniser's
# decoding is) make the scroll uneven, and do long turns for the working threads keep it even?
#
# Usage: bench/background_pace.sh PROGRAM BURST [SPEED_PX_S]   (default 30; REPEAT=N, default 3)
#
# BURST is lectoscope_bench_burst (two threads at niceness 10, each spinning 2 ms of every
# 10 ms). On its own Xvfb (1024 x 768) it plays a 400-line script at SPEED N times each,
# interleaved: once beside BURST --long-turns (the threads run as the recogniser's does) and
# once beside BURST in the usual turns (only niced). framepace measures 10 s of each play.
# It prints the medians (with: long turns, without: the usual ones) and the ratio of the CVs.
# framepace comes from FRAMEPACE_DIR (see bench/lib.sh).
set -u
prog=$(readlink -f "${1:?usage: background_pace.sh PROGRAM BURST [SPEED_PX_S]}")
burst=$(readlink -f "${2:?usage: background_pace.sh PROGRAM BURST [SPEED_PX_S]}")
speed=${3:-30}
source "$(dirname "$0")/lib.sh" "$prog"
start_xvfb 1024 768
for i in $(seq 1 400); do
    printf 'The quick brown fox jumps over the lazy dog %d\r\n' "$i"
done >"$WORK/script.txt"

# play DELAY SECONDS LONG(0/1): one play beside the bursts; leaves the probe's output in
# $WORK/text.txt.
play() {
    local delay=$1 seconds=$2 long=$3 main bursts
    rm -rf "$XDG_CONFIG_HOME"
    media_config "$delay" "$WORK/script.txt"
    start_app
    wait_until 60 window_named "$TITLE" || { app_log; fail "main window not shown"; }
    main=$(window_id "$TITLE")
    if [ "$long" = 1 ]; then "$burst" --long-turns & else "$burst" & fi
    bursts=$!
    xdotool windowfocus --sync "$main"
    xdotool key ctrl+p
    sleep 3
    "$WORK/framepace" -d "$seconds" -x 200 -W 16 -y 100 -Y 700 >"$WORK/text.txt" 2>/dev/null
    : >"$WORK/other.txt"
    kill "$bursts" "$APP_PID" 2>/dev/null
    wait "$bursts" "$APP_PID" 2>/dev/null
    APP_PID=""
}

compare_plays "long turns" "$(delay_for_speed "$speed")" 10
