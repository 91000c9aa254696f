#!/usr/bin/env bash
# A script named on the command line plays at once: the play window covers the screen and
# its text rises (two screenshots a second apart show the same text higher up); Esc hides
# the play window and brings back the main window, which has the keyboard again.
source "$(dirname "$0")/lib.sh"

start_xvfb 1024 768

# White on black, a moderate pace, no pauses before the text.
mkdir -p "$XDG_CONFIG_HOME/lectoscope"
printf '[Options]\r\nNoPause=1\r\nVideoMode=1\r\n[Stuff]\r\nDisPlaColor=16777215\r\nFormColor=0\r\nDelay=1000\r\nFontSize=24\r\n' \
    >"$XDG_CONFIG_HOME/lectoscope/ZALSCROL.INI"
for i in $(seq 1 300); do
    printf 'Line %d of the script, rising up the screen\r\n' "$i"
done >"$WORK/script.txt"

# The play window: a visible window of the program covering the whole screen.
play_window() {
    local w
    for w in $(xdotool search --onlyvisible --class lectoscope 2>/dev/null); do
        if xdotool getwindowgeometry "$w" | grep -q "Geometry: 1024x768"; then
            echo "$w"
            return 0
        fi
    done
    return 1
}

# Average brightness of each screen row (x 0..799), one value a line.
row_profile() {
    convert "$1" -crop 800x768+0+0 -colorspace Gray -resize '1x768!' -depth 8 txt:- |
        awk -F'[(),]' 'NR > 1 { print $3 }'
}

# The shift s (1..600) at which the later profile best matches the earlier one moved up:
# later[y] = earlier[y + s]. Prints "shift cost".
best_upward_shift() {
    awk 'NR == FNR { a[FNR - 1] = $1; next } { b[FNR - 1] = $1 }
        END {
            best = -1; bestCost = 1e18
            for (s = 1; s <= 600; s++) {
                cost = 0; n = 0
                for (y = 0; y + s < 768; y++) { d = b[y] - a[y + s]; cost += (d < 0 ? -d : d); n++ }
                cost /= n
                if (cost < bestCost) { bestCost = cost; best = s }
            }
            printf "%d %.2f\n", best, bestCost
        }' "$1" "$2"
}

# Text pixels: white on the play window's black.
has_text() { [ "$(convert "$1" -crop 800x768+0+0 -threshold 50% -format '%[fx:mean]' info:)" != "0" ]; }

start_app "$WORK/script.txt"
wait_until 60 play_window || { app_log; fail "play window not shown"; }
shot_has_text() { screenshot "$WORK/probe.png" && has_text "$WORK/probe.png"; }
wait_until 60 shot_has_text || { app_log; fail "no text on the play window"; }
# The main window is not up while the command-line script plays.
window_named "ZAL LectoScope-32 PRO 01.24A" && fail "main window shown during the play"

# Two screenshots a second apart. A screenshot can catch a present half-way (the X server
# takes the window's picture in several requests), so a pair that does not match is
# taken again, up to three times.
rose=""
for attempt in 1 2 3; do
    screenshot "$WORK/first.png"
    sleep 1
    screenshot "$WORK/second.png"
    cmp -s "$WORK/first.png" "$WORK/second.png" && fail "the picture did not change in a second"
    row_profile "$WORK/first.png" >"$WORK/first.txt"
    row_profile "$WORK/second.png" >"$WORK/second.txt"
    read -r shift cost < <(best_upward_shift "$WORK/first.txt" "$WORK/second.txt")
    echo "attempt $attempt: text rose by $shift px in about a second (mean row difference $cost)"
    if [ "$shift" -ge 2 ] && awk -v c="$cost" 'BEGIN { exit !(c < 8) }'; then
        rose=yes
        break
    fi
done
[ -n "$rose" ] || fail "later picture is not the earlier one moved up (shift $shift, cost $cost)"

# Esc ends the play: the play window goes, the main window comes.
# A key lost while the window takes the focus is sent again.
for attempt in 1 2 3 4 5; do
    pw=$(play_window) || break
    xdotool windowfocus --sync "$pw" 2>/dev/null || true
    xdotool key Escape
    wait_until 6 window_named "ZAL LectoScope-32 PRO 01.24A" && break
done
wait_until 30 window_named "ZAL LectoScope-32 PRO 01.24A" || { app_log; fail "main window not back after Esc"; }
no_play_window() { ! play_window >/dev/null; }
wait_until 30 no_play_window || fail "play window still shown after Esc"
app_running || fail "program ended"

# The main window has the keyboard again: Ctrl+F opens Find without a click.
xdotool key ctrl+f
wait_until 10 window_named '^Find$' || { app_log; fail "the main window's short-cuts do not answer after the play"; }

kill "$APP_PID"; wait "$APP_PID" 2>/dev/null || true; APP_PID=""
echo "e2e play: 4 passed, 0 failed"
