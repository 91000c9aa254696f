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
# in $WORK/text.txt and $WORK/other.txt.
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
        >"$WORK/text.txt" 2>/dev/null &
    local probe=$!
    : >"$WORK/other.txt"
    # The console is probed in both plays, so that the probes cost both the same.
    "$WORK/framepace" -d "$seconds" -x 200 -W 16 -y 150 -Y 600 \
        >"$WORK/other.txt" 2>/dev/null
    wait "$probe"
    kill "$APP_PID" 2>/dev/null
    wait "$APP_PID" 2>/dev/null
    APP_PID=""
}

d=$(delay_for_speed "$speed")

compare_plays preview "$d" 10
