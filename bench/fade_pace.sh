#!/usr/bin/env bash
# fade_pace.sh: do the steps of a fading title reach the screen whole, each once, at an even
# pace?
#
# Usage: bench/fade_pace.sh PROGRAM [DELAY]      (default Delay 0: each step as soon as a
#                                                 display refresh allows)
#
# On its own Xvfb (1024 x 768) it plays a script of six short lines as fading titles, centred
# in the lower third, held one second each, and watches the title's rows with framepace,
# which logs every update of the screen there. An update is one present; the updates of a
# title come as runs of steps with the holds between. For each run it
# counts the updates (33 a fade when every step reached the screen once: none skipped, none
# split in two) and the spread of the intervals between them. It prints one line per run and
# a summary: all the updates, and the median and largest interval CV of the runs.
# framepace comes from FRAMEPACE_DIR (see bench/lib.sh).
set -u
prog=$(readlink -f "${1:?usage: fade_pace.sh PROGRAM [DELAY]}")
delay=${2:-0}
source "$(dirname "$0")/lib.sh" "$prog"
start_xvfb 1024 768
mkdir -p "$XDG_CONFIG_HOME/lectoscope"
printf '[Options]\r\nNoPause=1\r\nVideoMode=1\r\nFadeTitles=1\r\nCenterfade=1\r\nLowerThird=1\r\n[Stuff]\r\nDisPlaColor=16777215\r\nFormColor=0\r\nDelay=%s\r\nDelayFactor=1\r\nFontSize=24\r\nFadeHoldTime=1\r\n' \
    "$delay" >"$XDG_CONFIG_HOME/lectoscope/ZALSCROL.INI"
for t in "Evening News" "Weather" "Sport" "Traffic" "Markets" "Goodnight"; do
    printf '%s\r\n' "$t"
done >"$WORK/script.txt"

# The lower third of 768 rows starts at row 512; the strip covers the title's rows.
"$WORK/framepace" -d 20 -x 512 -W 64 -y 480 -Y 660 -c 2 -l "$WORK/updates.csv" \
    >"$WORK/probe.txt" 2>/dev/null &
probe=$!
start_app "$WORK/script.txt"
wait "$probe"
kill "$APP_PID" 2>/dev/null
wait "$APP_PID" 2>/dev/null
APP_PID=""

# Runs: updates less than 200 ms apart (a hold is a second).
awk -F, 'NR > 1 {
    t = $1
    if (n > 0 && t - last > 200) { flush() }
    if (n > 0) { dt[n] = t - last }
    n++; last = t
}
function flush(   i, s, ss, m) {
    if (n >= 3) {
        s = 0; ss = 0
        for (i = 1; i < n; i++) { s += dt[i]; ss += dt[i] * dt[i] }
        m = s / (n - 1)
        printf "run: %d updates, interval %.1f ms, cv %.3f\n", n, m, sqrt(ss / (n - 1) - m * m) / m
    }
    n = 0
}
END { flush() }' "$WORK/updates.csv" >"$WORK/runs.txt"
cat "$WORK/runs.txt"
# A fade out runs straight into the next title's fade in, so a run holds 33 or 66 steps (the
# first and the last one more: the screen cleared before the first title, and left after the
# last).
total=$(awk '{ n += $2 } END { print n + 0 }' "$WORK/runs.txt")
[ "$total" -gt 0 ] || { echo "no fade seen"; exit 1; }
awk '{ print $NF }' "$WORK/runs.txt" | sort -g | awk -v t="$total" \
    '{ a[NR] = $1 } END { printf "updates: %d for 6 titles (12 fades of 33 steps: 396, and the screen before the first and after the last); interval cv median %.3f, largest %.3f\n", t, a[int((NR + 1) / 2)], a[NR] }'
