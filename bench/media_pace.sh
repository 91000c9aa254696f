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
repeat=${REPEAT:-3}
source "$(dirname "$0")/lib.sh" "$prog"
start_xvfb 1024 768
make_video "$WORK/clip.avi" 120 || fail "ffmpeg made no video"
for i in $(seq 1 400); do
    printf 'The quick brown fox jumps over the lazy dog %d\r\n' "$i"
done >"$WORK/script.txt"


# play DELAY SECONDS VIDEO(0/1): one play; leaves the text's and the video's probe output in
# $WORK/text.txt and $WORK/video.txt.
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
    : >"$WORK/video.txt"
    [ "$video" = 1 ] && "$WORK/framepace" -d "$seconds" -x 160 -W 16 -y 0 -Y 240 \
        >"$WORK/video.txt" 2>/dev/null
    wait "$text"
    kill "$APP_PID" 2>/dev/null
    wait "$APP_PID" 2>/dev/null
    APP_PID=""
}

d=$(delay_for_speed "$speed")

declare -A runs
for r in $(seq 1 "$repeat"); do
    for video in 1 0; do
        play "$d" 10 "$video"
        for k in speed_px_s updates_per_s speed_cv stalls; do
            runs[$video.$k]+="$(key "$k" <"$WORK/text.txt") "
        done
        runs[$video.fps]+="$(key updates_per_s <"$WORK/video.txt") "
        echo "run $r, video $video: text $(key speed_px_s <"$WORK/text.txt") px/s cv" \
            "$(key speed_cv <"$WORK/text.txt"), video $(key updates_per_s <"$WORK/video.txt") /s"
    done
done
m() { tr ' ' '\n' <<<"${runs[$1]}" | grep . | median; }
printf '%-14s %-6s %-8s %-10s %-7s %-7s %s\n' play delay px/s updates/s cv stalls video/s
printf '%-14s %-6s %-8s %-10s %-7s %-7s %s\n' "without video" "$d" "$(m 0.speed_px_s)" \
    "$(m 0.updates_per_s)" "$(m 0.speed_cv)" "$(m 0.stalls)" -
printf '%-14s %-6s %-8s %-10s %-7s %-7s %s\n' "with video" "$d" "$(m 1.speed_px_s)" \
    "$(m 1.updates_per_s)" "$(m 1.speed_cv)" "$(m 1.stalls)" "$(m 1.fps)"
awk -v a="$(m 1.speed_cv)" -v b="$(m 0.speed_cv)" -v f="$(m 1.fps)" \
    'BEGIN { if (b > 0) printf "cv ratio (with / without): %.2f; video: %.1f%% of 25 pictures a second\n", a / b, 100 * f / 25 }'
