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
# text for 15 s from FROM seconds into each play. The reader starts at the play's 5th second
# (LEAD) and ends the first paragraph at about its 25th and the second at about its 49th: from
# 14 s the stretch takes in the end of finding the pace and the turn to the second paragraph,
# from 30 s it lies within the second paragraph. It prints the medians
# of the text's speed, updates a second, speed CV, judder (the CV of each update's speed over
# the two seconds around it) and stalls, and the ratios of the two CVs and the two judders.
# LOG=FOLDER keeps framepace's logs. STRETCH=S splits the watched seconds into stretches of S
# seconds and prints the median CVs and their ratio for each (FROM=15 SECONDS_WATCHED=45
# STRETCH=15: the 15th-30th, 30th-45th and 45th-60th seconds of the plays in one run).
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

# judder_cv CSV: the CV of each update's speed over the mean speed of the two seconds around
# it (framepace's log): the picture's unevenness from frame to frame, without the changes of
# speed from second to second that a following play makes on purpose. The first update (the
# probe's baseline) is left out.
judder_cv() {
    awk -F, 'NR > 2 && $2 > 0 { n++; t[n] = $1 / 1000; v[n] = $3 < 0 ? -$3 / $2 : $3 / $2 }
        END {
            a = 1; b = 0; sum = 0
            for (i = 1; i <= n; i++) {
                while (b < n && t[b + 1] <= t[i] + 1) { b++; sum += v[b] }
                while (t[a] < t[i] - 1) { sum -= v[a]; a++ }
                d[i] = v[i] / (sum / (b - a + 1)); s += d[i]; q += d[i] * d[i]
            }
            if (n > 1) { m = s / n; printf "%.4f", sqrt(q / n - m * m) / m }
        }' "$1"
}

# stretch_cv CSV FROM TO: the speed CV of the updates between FROM and TO seconds of the log.
stretch_cv() {
    awk -F, -v a="$2" -v b="$3" 'NR > 2 && $2 > 0 && $1 >= a * 1000 && $1 < b * 1000 {
            v = ($3 < 0 ? -$3 : $3) / $2; s += v; q += v * v; n++ }
        END { if (n > 1) { m = s / n; printf "%.4f", sqrt(q / n - m * m) / m } }' "$1"
}

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
    local log=${LOG:-$WORK}/play-$follow-$r.csv
    "$WORK/framepace" -d "${SECONDS_WATCHED:-15}" -x 200 -W 16 -y 100 -Y 700 -l "$log" \
        >"$WORK/text.txt" 2>/dev/null
    echo "judder_cv: $(judder_cv "$log")" >>"$WORK/text.txt"
    local s=0
    while [ -n "${STRETCH:-}" ] && [ "$((s + STRETCH))" -le "${SECONDS_WATCHED:-15}" ]; do
        echo "cv_from_$((from + s)): $(stretch_cv "$log" "$s" "$((s + STRETCH))")" \
            >>"$WORK/text.txt"
        s=$((s + STRETCH))
    done
    kill "$APP_PID" 2>/dev/null
    wait "$APP_PID" 2>/dev/null
    APP_PID=""
}

for r in $(seq 1 "$repeat"); do
    delay=1000
    for follow in 1 0; do
        play "$follow" "$delay"
        delay=$(delay_for_speed "$(key speed_px_s <"$WORK/text.txt")")
        for k in speed_px_s updates_per_s speed_cv judder_cv stalls \
            $(awk -F: '/^cv_from_/ { print $1 }' "$WORK/text.txt"); do
            runs[$follow.$k]+="$(key "$k" <"$WORK/text.txt") "
        done
        echo "run $r, follow voice $follow: $(key speed_px_s <"$WORK/text.txt") px/s," \
            "cv $(key speed_cv <"$WORK/text.txt"), judder $(key judder_cv <"$WORK/text.txt")"
    done
done
printf '%-16s %-8s %-10s %-7s %-7s %s\n' play px/s updates/s cv judder stalls
for follow in 0 1; do
    printf '%-16s %-8s %-10s %-7s %-7s %s\n' "$([ $follow = 1 ] && echo following voice ||
        echo constant speed)" "$(m $follow.speed_px_s)" "$(m $follow.updates_per_s)" \
        "$(m $follow.speed_cv)" "$(m $follow.judder_cv)" "$(m $follow.stalls)"
done
awk -v a="$(m 1.speed_cv)" -v b="$(m 0.speed_cv)" -v c="$(m 1.judder_cv)" -v d="$(m 0.judder_cv)" \
    'BEGIN { if (b > 0 && d > 0) printf "cv ratio (following / constant): %.2f, judder ratio: %.2f\n", a / b, c / d }'
for k in $(printf '%s\n' "${!runs[@]}" | sed -n 's/^1\.\(cv_from_[0-9]*\)$/\1/p' | sort -t_ -k3 -n); do
    awk -v f="${k#cv_from_}" -v a="$(m 1.$k)" -v b="$(m 0.$k)" -v s="$STRETCH" \
        'BEGIN { printf "%d-%d s: cv %s constant, %s following, ratio %.2f\n", f, f + s, b, a, (b > 0 ? a / b : 0) }'
done
