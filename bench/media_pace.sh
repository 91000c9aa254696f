#!/usr/bin/env bash
# media_pace.sh: does a video keep its pace at the top of the play window while the script
# scrolls beneath it, and does the text stay as smooth as without the video?
#
# Usage: bench/media_pace.sh PROGRAM [SPEED_PX_S]      (default 60; REPEAT=N runs, default 3)
#
# On its own Xvfb (1024 x 768) it finds the Delay that scrolls the text at SPEED on this
# machine, then plays a 400-line script with the text area starting 246 pixels down, N times
# each, interleaved: once with a 320 x 240, 25 pictures-a-second video opened from the
# "Me&dia Players" menu and armed with "Start w/Video", once without it. framepace measures
# the text (a strip through it) and the video (a strip through the picture) for 10 s of each
# play. It prints the medians: the video's pictures a second, and the text's speed, updates
# a second, speed CV and stalls with and without the video, and the ratio of the two CVs.
# framepace comes from FRAMEPACE_DIR (see bench/lib.sh).
set -u
prog=$(readlink -f "${1:?usage: media_pace.sh PROGRAM [SPEED_PX_S]}")
speed=${2:-60}
source "$(dirname "$0")/lib.sh" "$prog"
start_xvfb 1024 768
make_video "$WORK/clip.avi" 120 || fail "ffmpeg made no video"
for i in $(seq 1 400); do
    printf 'The quick brown fox jumps over the lazy dog %d\r\n' "$i"
done >"$WORK/script.txt"


# play DELAY SECONDS VIDEO(0/1): one play; leaves the text's and the video's probe output in
# $WORK/text.txt and $WORK/other.txt.
play() {
    local delay=$1 seconds=$2 video=$3 main
    rm -rf "$XDG_CONFIG_HOME"
    media_config "$delay" "$WORK/script.txt" S_Top=246
    start_app
    wait_until 60 window_named "$TITLE" || { app_log; fail "main window not shown"; }
    main=$(window_id "$TITLE")
    if [ "$video" = 1 ]; then
        open_media "$main" 0 "$WORK/clip.avi" || fail "no video dialog"
        wait_until 30 window_named "clip.avi" || fail "the video did not open"
        press_start_with_video
        sleep 0.5
    fi
    xdotool windowfocus --sync "$main"
    xdotool key ctrl+p
    sleep 3
    "$WORK/framepace" -d "$seconds" -x 200 -W 16 -y 260 -Y 760 >"$WORK/text.txt" 2>/dev/null &
    local text=$!
    : >"$WORK/other.txt"
    [ "$video" = 1 ] && "$WORK/framepace" -d "$seconds" -x 160 -W 16 -y 0 -Y 240 \
        >"$WORK/other.txt" 2>/dev/null
    wait "$text"
    kill "$APP_PID" 2>/dev/null
    wait "$APP_PID" 2>/dev/null
    APP_PID=""
}

d=$(delay_for_speed "$speed")

compare_plays video "$d" 10
awk -v f="$(m 1.fps)" 'BEGIN { printf "video: %.1f%% of 25 pictures a second\n", 100 * f / 25 }'
