#!/usr/bin/env bash
# Fade titles in the real program: a script named on the command line plays at once as a
# fading title, centred in the lower third. The title appears, passes through partial
# strengths, stands at full strength (pure white) during its hold, fades out to black and
# stays black while the play waits at its end ("Stop @ End"); Esc then leaves the play.
source "$(dirname "$0")/lib.sh"

start_xvfb 1024 768

# White on black, no pauses, one title held three seconds; a slow pace (Delay 1400, 49 ms
# a step) so that each fade lasts more than a second and screenshots catch it half-way.
mkdir -p "$XDG_CONFIG_HOME/lectoscope"
printf '[Options]\r\nNoPause=1\r\nVideoMode=1\r\nFadeTitles=1\r\nCenterfade=1\r\nLowerThird=1\r\nStopAtEnd=1\r\n[Stuff]\r\nDisPlaColor=16777215\r\nFormColor=0\r\nDelay=1400\r\nFontSize=24\r\nFadeHoldTime=3\r\n' \
    >"$XDG_CONFIG_HOME/lectoscope/ZALSCROL.INI"
printf 'Evening News\r\n' >"$WORK/script.txt"

# The brightest value of any channel in the screenshot (0-255), and the same above the
# lower third (rows 0 to 511 of the 768).
brightest() { convert "$1" -format '%[fx:int(255*maxima+0.5)]' info:; }
brightest_above_lower_third() {
    convert "$1" -crop 1024x512+0+0 +repage -format '%[fx:int(255*maxima+0.5)]' info:
}

start_app "$WORK/script.txt"

# Screenshots until the title has come, stood at full strength and gone again.
full="" partial=0 gone=""
end=$((SECONDS + 120))
n=0
while [ $SECONDS -lt $end ]; do
    n=$((n + 1))
    screenshot "$WORK/shot.png" 2>/dev/null || continue
    b=$(brightest "$WORK/shot.png")
    if [ "$b" -gt 0 ]; then
        [ "$(brightest_above_lower_third "$WORK/shot.png")" -eq 0 ] ||
            { cp "$WORK/shot.png" /tmp/fade-misplaced.png; fail "title not in the lower third"; }
        if [ "$b" -ge 255 ]; then full=yes; else partial=$((partial + 1)); fi
    elif [ -n "$full" ]; then
        gone=yes
        break
    fi
done
echo "screenshots: $n, with the title part-way: $partial"
[ -n "$full" ] || { app_log; fail "the title never reached full strength"; }
[ -n "$gone" ] || { app_log; fail "the title did not fade out"; }
[ "$partial" -gt 0 ] || fail "no screenshot caught the title part-way through a fade"

# The screen stays black while the play waits after its last title; Esc leaves the play.
sleep 1
screenshot "$WORK/after.png"
[ "$(brightest "$WORK/after.png")" -eq 0 ] || fail "the screen is not black after the title"
for attempt in 1 2 3 4 5; do
    xdotool key Escape
    wait_until 6 window_named "ZAL LectoScope-32 PRO 01.24A" && break
done
wait_until 30 window_named "ZAL LectoScope-32 PRO 01.24A" || { app_log; fail "main window not back after Esc"; }
app_running || fail "program ended"

kill "$APP_PID"; wait "$APP_PID" 2>/dev/null || true; APP_PID=""
echo "e2e fade: 4 passed, 0 failed"
