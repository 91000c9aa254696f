#!/usr/bin/env bash
# voice_pace.sh: is the picture as smooth while the play follows a voice as at a constant
# speed?
#
# Usage: bench/voice_pace.sh PROGRAM FOLDER      (REPEAT=N runs, default 2; FROM=S, default 8)
#
# FOLDER holds what `lectoscope_bench_voice --keep FOLDER` wrote: the 300-word script
# (script.txt) and its reading at 150 words a minute (voice-150.wav). On its own Xvfb
# (1024 x 768) the program plays the script N times each, interleaved: once with "Follow
# Voice" on and the recording as its sound input (LECTOSCOPE_VOICE_INPUT), once at the
# constant speed the following play had on average. framepace watches a strip through the
# text for 15 s from FROM seconds into each play: from 8 s the stretch takes in the turn to
# the second paragraph, from 26 s it lies within the second paragraph. It prints the medians
# of the text's speed, updates a second, speed CV and stalls, and the ratio of the two CVs.
# framepace comes from FRAMEPACE_DIR (see bench/lib.sh).
set -u
prog=$(readlink -f "${1:?usage: voice_pace.sh PROGRAM FOLDER}")
folder=$(readlink -f "${2:?usage: voice_pace.sh PROGRAM FOLDER}")
repeat=${REPEAT:-2}
from=${FROM:-8}
[ -f "$folder/voice-150.wav" ] && [ -f "$folder/script.txt" ] ||
    { echo "run lectoscope_bench_voice --keep $folder first" >&2; exit 1; }
source "$(dirname "$0")/lib.sh" "$prog"
start_xvfb 1024 768
# The reader starts after LEAD seconds (default 5) of a quiet room's faint noise, as the text
# comes up to the reading line. The noise is the same at every run (sox -R): what the recogniser
# makes of it moves the first seconds of the following, and with them the rest of the stretch.
input=$WORK/voice.wav
sox -R -n -r "$(soxi -r "$folder/voice-150.wav")" -c 1 -b 16 "$WORK/lead.wav" synth "${LEAD:-5}" \
    pinknoise vol 0.003 && sox "$WORK/lead.wav" "$folder/voice-150.wav" "$input" ||
    fail "sox did not make the lead-in"

# play FOLLOW(0/1) DELAY: one play; leaves framepace's output in $WORK/text.txt.
play() {
    local follow=$1 delay=$2 main
    rm -rf "$XDG_CONFIG_HOME"
    mkdir -p "$XDG_CONFIG_HOME/lectoscope"
    printf '%s\r\n' "[Options]" ShowClock=0 TimerMode=0 VideoMode=1 NoPause=1 \
        "FollowVoice=$follow" "[Stuff]" "Delay=$delay" FontSize=18 FontName=Arial FormColor=0 \
        DisPlaColor=16777215 "LastFile=$folder/script.txt" "[OptionWindows]" ML=0 MT=0 \
        MW=1000 MH=700 >"$XDG_CONFIG_HOME/lectoscope/ZALSCROL.INI"
    LECTOSCOPE_VOICE_INPUT="$input" start_app
    wait_until 60 window_named "$TITLE" || { app_log; fail "main window not shown"; }
    main=$(window_id "$TITLE")
    xdotool windowfocus --sync "$main"
    xdotool key ctrl+p
    sleep "$from"
    "$WORK/framepace" -d "${SECONDS_WATCHED:-15}" -x 200 -W 16 -y 100 -Y 700 ${LOG:+-l "$LOG/play-$follow-$r.csv"} \
        >"$WORK/text.txt" 2>/dev/null
    kill "$APP_PID" 2>/dev/null
    wait "$APP_PID" 2>/dev/null
    APP_PID=""
}

for r in $(seq 1 "$repeat"); do
    delay=1000
    for follow in 1 0; do
        play "$follow" "$delay"
        delay=$(delay_for_speed "$(key speed_px_s <"$WORK/text.txt")")
        for k in speed_px_s updates_per_s speed_cv stalls; do
            runs[$follow.$k]+="$(key "$k" <"$WORK/text.txt") "
        done
        echo "run $r, follow voice $follow: $(key speed_px_s <"$WORK/text.txt") px/s," \
            "cv $(key speed_cv <"$WORK/text.txt")"
    done
done
printf '%-16s %-8s %-10s %-7s %s\n' play px/s updates/s cv stalls
printf '%-16s %-8s %-10s %-7s %s\n' "constant speed" "$(m 0.speed_px_s)" \
    "$(m 0.updates_per_s)" "$(m 0.speed_cv)" "$(m 0.stalls)"
printf '%-16s %-8s %-10s %-7s %s\n' "following voice" "$(m 1.speed_px_s)" \
    "$(m 1.updates_per_s)" "$(m 1.speed_cv)" "$(m 1.stalls)"
awk -v a="$(m 1.speed_cv)" -v b="$(m 0.speed_cv)" \
    'BEGIN { if (b > 0) printf "cv ratio (following / constant): %.2f\n", a / b }'
