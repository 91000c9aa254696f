#!/usr/bin/env bash
# preview_pace.sh: does the live preview on the console cost the play on the prompter screen
# anything?
#
# Usage: bench/preview_pace.sh PROGRAM [SPEED_PX_S]    (default 60; REPEAT=N runs, default 3)
#
# On its own Xvfb with two X screens (the console 1366 x 768, the prompter 1920 x 1080) it
# plays a 400-line script on the prompter screen at SPEED, N times each, interleaved: with
# "Live Preview" on and with it off. framepace measures the play on the prompter screen and
# the preview on the console for 10 s of each play. It prints the medians: the play's speed,
# updates a second, speed CV and stalls with and without the preview, the preview's updates a
# second, and the ratio of the two CVs. framepace comes from FRAMEPACE_DIR (see bench/lib.sh).
set -u
prog=$(readlink -f "${1:?usage: preview_pace.sh PROGRAM [SPEED_PX_S]}")
speed=${2:-60}
repeat=${REPEAT:-3}
source "$(dirname "$0")/lib.sh" "$prog"
fdfile="$WORK/display"
Xvfb -displayfd 3 -screen 0 1366x768x24 -screen 1 1920x1080x24 -nolisten tcp -noreset \
    3>"$fdfile" 2>/dev/null &
XVFB_PID=$!
wait_until 10 test -s "$fdfile" || fail "Xvfb did not start"
export DISPLAY=":$(head -n1 "$fdfile").0"
PROMPTER="${DISPLAY%.0}.1"
wait_until 5 xdotool getdisplaygeometry || fail "Xvfb does not answer"
for i in $(seq 1 400); do
    printf 'The quick brown fox jumps over the lazy dog %d\r\n' "$i"
done >"$WORK/script.txt"


# play DELAY SECONDS PREVIEW(0/1): one play; leaves the play's and the preview's probe output
# in $WORK/play.txt and $WORK/preview.txt.
play() {
    local delay=$1 seconds=$2 preview=$3 main
    rm -rf "$XDG_CONFIG_HOME"
    mkdir -p "$XDG_CONFIG_HOME/lectoscope"
    printf '%s\r\n' "[Options]" ShowClock=0 TimerMode=0 VideoMode=1 NoPause=1 UseCountDown=0 \
        "OutputScreen=screen (2)" "LivePreview=$preview" "[Stuff]" "Delay=$delay" FontSize=24 \
        FontName=Arial FormColor=0 DisPlaColor=16777215 "LastFile=$WORK/script.txt" \
        "[OptionWindows]" ML=0 MT=0 MW=1000 MH=700 >"$XDG_CONFIG_HOME/lectoscope/ZALSCROL.INI"
    start_app
    wait_until 60 window_named "$TITLE" || { app_log; fail "main window not shown"; }
    main=$(window_id "$TITLE")
    xdotool windowfocus --sync "$main"
    xdotool key ctrl+p
    sleep 3
    DISPLAY=$PROMPTER "$WORK/framepace" -d "$seconds" -x 400 -W 16 -y 100 -Y 1000 \
        >"$WORK/play.txt" 2>/dev/null &
    local probe=$!
    : >"$WORK/preview.txt"
    # The console is probed in both plays, so that the probes cost both the same.
    "$WORK/framepace" -d "$seconds" -x 200 -W 16 -y 150 -Y 600 \
        >"$WORK/preview.txt" 2>/dev/null
    wait "$probe"
    kill "$APP_PID" 2>/dev/null
    wait "$APP_PID" 2>/dev/null
    APP_PID=""
}

d=$(delay_for_speed "$speed")

declare -A runs
for r in $(seq 1 "$repeat"); do
    for preview in 1 0; do
        play "$d" 10 "$preview"
        for k in speed_px_s updates_per_s speed_cv stalls; do
            runs[$preview.$k]+="$(key "$k" <"$WORK/play.txt") "
        done
        runs[$preview.fps]+="$(key updates_per_s <"$WORK/preview.txt") "
        echo "run $r, preview $preview: play $(key speed_px_s <"$WORK/play.txt") px/s cv" \
            "$(key speed_cv <"$WORK/play.txt"), preview $(key updates_per_s <"$WORK/preview.txt") /s"
    done
done
m() { tr ' ' '\n' <<<"${runs[$1]}" | grep . | median; }
printf '%-16s %-6s %-8s %-10s %-7s %-7s %s\n' play delay px/s updates/s cv stalls preview/s
printf '%-16s %-6s %-8s %-10s %-7s %-7s %s\n' "without preview" "$d" "$(m 0.speed_px_s)" \
    "$(m 0.updates_per_s)" "$(m 0.speed_cv)" "$(m 0.stalls)" -
printf '%-16s %-6s %-8s %-10s %-7s %-7s %s\n' "with preview" "$d" "$(m 1.speed_px_s)" \
    "$(m 1.updates_per_s)" "$(m 1.speed_cv)" "$(m 1.stalls)" "$(m 1.fps)"
awk -v a="$(m 1.speed_cv)" -v b="$(m 0.speed_cv)" \
    'BEGIN { if (b > 0) printf "cv ratio (with / without): %.2f\n", a / b }'
