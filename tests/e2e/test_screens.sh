#!/usr/bin/env bash
# Two screens: a 1366 x 768 console screen and a 1920 x 1080 prompter screen (two X screens
# of one server). With the prompter screen chosen in the configuration, Play covers exactly
# that screen with the rising text, while the main window stays on the console screen with a
# live preview of the play in the editor's place; Esc ends the play and the preview goes.
source "$(dirname "$0")/lib.sh"

TITLE="ZAL LectoScope-32 PRO 01.24A"

# The X server with its two screens, on a free display.
fdfile="$WORK/display"
Xvfb -displayfd 3 -screen 0 1366x768x24 -screen 1 1920x1080x24 -nolisten tcp 3>"$fdfile" \
    2>/dev/null &
XVFB_PID=$!
wait_until 10 test -s "$fdfile" || fail "Xvfb did not start"
DISPLAY_NUMBER=$(head -n1 "$fdfile")
export DISPLAY=":$DISPLAY_NUMBER.0"
PROMPTER=":$DISPLAY_NUMBER.1"

shot_console() { import -display "$DISPLAY" -window root "$1"; }
shot_prompter() { import -display "$PROMPTER" -window root "$1"; }
# The share of bright pixels in a part of a picture (WxH+X+Y).
bright_share() { convert "$1" -crop "$2" +repage -colorspace Gray -threshold 50% -format '%[fx:mean]' info:; }
more_than() { awk -v a="$1" -v b="$2" 'BEGIN { exit !(a > b) }'; }

# White on black on the second screen, its name as the toolkit gives it (both X screens are
# called after the display; the second is numbered). The main window at a known place.
mkdir -p "$XDG_CONFIG_HOME/lectoscope"
for i in $(seq 1 300); do
    printf 'Line %d of the script, rising up the prompter screen\r\n' "$i"
done >"$WORK/script.txt"
printf '%s\r\n' "[Options]" ShowClock=0 TimerMode=0 VideoMode=1 NoPause=1 UseCountDown=0 \
    "OutputScreen=screen (2)" "[Stuff]" Delay=1000 FontSize=24 FontName=Arial \
    FormColor=0 DisPlaColor=16777215 "LastFile=$WORK/script.txt" \
    "[OptionWindows]" ML=0 MT=0 MW=1000 MH=700 >"$XDG_CONFIG_HOME/lectoscope/ZALSCROL.INI"

# The play window: a visible window of the program at 0,0 covering a whole screen of this
# size (xdotool prints position and geometry on two lines).
play_window_on() {
    local display=$1 size=$2 w
    for w in $(DISPLAY=$display xdotool search --onlyvisible --class lectoscope 2>/dev/null); do
        if DISPLAY=$display xdotool getwindowgeometry "$w" | tr '\n' ' ' |
            grep -q "Position: 0,0 .*Geometry: $size"; then
            echo "$w"
            return 0
        fi
    done
    return 1
}
# The preview's margin, the dark grey around the scaled picture, in a console screenshot (a
# few pixels of the console's own controls have that grey too).
margin_pixels() {
    convert "$1" -format %c histogram:info:- | awk '/#303030/ { n += $1 } END { print n + 0 }'
}
text_on_prompter() { shot_prompter "$WORK/probe.png" && more_than "$(bright_share "$WORK/probe.png" 1920x1080+0+0)" 0; }
preview_shown() { shot_console "$WORK/console.png" && [ "$(margin_pixels "$WORK/console.png")" -gt 1000 ]; }
preview_gone() { shot_console "$WORK/console.png" && [ "$(margin_pixels "$WORK/console.png")" -lt 1000 ]; }

start_app
wait_until 60 window_named "$TITLE" || { app_log; fail "main window not shown on the console screen"; }
main=$(window_id "$TITLE")

# 1. Play: the play window covers the whole second screen and nothing of the first.
for attempt in 1 2 3; do
    xdotool windowfocus --sync "$main" 2>/dev/null || true
    xdotool key ctrl+p
    wait_until 20 play_window_on "$PROMPTER" 1920x1080 >/dev/null && break
    echo "attempt $attempt: no play window yet; trying again"
done
play_window_on "$PROMPTER" 1920x1080 >/dev/null || { app_log; fail "no play window covering the second screen"; }
play_window_on "$DISPLAY" 1366x768 >/dev/null && fail "a play window covers the console screen"
wait_until 60 text_on_prompter || { app_log; fail "no text on the second screen"; }
shot_prompter "$WORK/p1.png"
sleep 1
shot_prompter "$WORK/p2.png"
cmp -s "$WORK/p1.png" "$WORK/p2.png" && fail "the second screen's picture did not change in a second"

# 2. The main window stays on the console screen, with the play's preview in the editor's
#    place, changing as the play goes on.
window_named "$TITLE" || fail "main window gone from the console screen"
wait_until 30 preview_shown || { app_log; fail "no live preview on the console screen"; }
shot_console "$WORK/c1.png"
sleep 1
shot_console "$WORK/c2.png"
changed=$(compare -metric AE "$WORK/c1.png" "$WORK/c2.png" null: 2>&1 || true)
more_than "${changed%% *}" 100 || fail "the preview did not change in a second ($changed pixels)"
echo "preview: $(margin_pixels "$WORK/c2.png") margin pixels, $changed pixels changed in a second"

# 3. Esc ends the play: the play window leaves the second screen and the preview goes.
for attempt in 1 2 3 4 5; do
    pw=$(play_window_on "$PROMPTER" 1920x1080) || break
    DISPLAY=$PROMPTER xdotool windowfocus --sync "$pw" 2>/dev/null || true
    xdotool key Escape
    no_play() { ! play_window_on "$PROMPTER" 1920x1080 >/dev/null; }
    wait_until 6 no_play && break
done
no_play || fail "play window still on the second screen after Esc"
wait_until 30 preview_gone || fail "the preview stayed after the play"
app_running || fail "program ended"

kill "$APP_PID"; wait "$APP_PID" 2>/dev/null || true; APP_PID=""
echo "e2e screens: 3 passed, 0 failed"
