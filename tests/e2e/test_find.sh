#!/usr/bin/env bash
# Find in the real program: Ctrl+F opens the find dialog, Enter finds the line that holds
# the word and selects it, and the status panel shows that line: the same panel as a click
# on the selected line gives, and not the one a click on the first line gives.
source "$(dirname "$0")/lib.sh"

SHIPPED="$(cd "$(dirname "$0")/../.." && pwd)/resources/ZALSCROL.INI"
TITLE="ZAL LectoScope-32 PRO 01.24A"
SCRIPT="$WORK/script.txt"
printf 'zero line\r\none line\r\ntwo line\r\nthree line\r\nfour line\r\nthe needle line\r\nsix line\r\n' >"$SCRIPT"
# The shipped configuration, opening the script at start.
mkdir -p "$XDG_CONFIG_HOME/lectoscope"
sed "s|^LastFile=.*|LastFile=$SCRIPT\r|" "$SHIPPED" >"$XDG_CONFIG_HOME/lectoscope/ZALSCROL.INI"

start_xvfb 1024 768
start_app
wait_until 60 window_named "$TITLE" || { app_log; fail "main window not shown"; }
win=$(window_id "$TITLE")
eval "$(xdotool getwindowgeometry --shell "$win")" # X, Y, WIDTH, HEIGHT

# Status panel 0 (the caret's line): the left 76 pixels of the window's bottom 20 rows.
panel() { screenshot "$WORK/p.png" && convert "$WORK/p.png" -crop "76x18+$((X + 2))+$((Y + HEIGHT - 20))" "$1"; }
same() { [ "$(compare -metric AE "$1" "$2" null: 2>&1)" = "0" ]; }
# A strip of the editor clear of the caret (which stands at the start of a line).
editor_strip() { convert "$1" -crop "40x$((HEIGHT - 120))+$((X + 40))+$((Y + 60))" "$2"; }

sleep 1
screenshot "$WORK/before.png"
panel "$WORK/panel_before.png"

# Ctrl+F, the word, Enter (Find Next). On a slow machine the keys are tried again.
found() { panel "$WORK/panel_found.png" && ! same "$WORK/panel_before.png" "$WORK/panel_found.png"; }
for attempt in 1 2 3; do
    xdotool windowfocus --sync "$win"
    xdotool key ctrl+f
    if wait_until 15 window_named '^Find$'; then
        xdotool windowfocus --sync "$(window_id '^Find$')"
        xdotool key ctrl+a
        xdotool type needle
        xdotool key Return
        wait_until 15 found && break
    fi
    echo "attempt $attempt: nothing found yet; trying again"
done
found || { app_log; fail "the status panel did not change after Find"; }
screenshot "$WORK/after.png"

# The rows of the editor that changed: the selected line, one line high, the sixth line
# (index 5) counted from the top of the editor's white page.
editor_strip "$WORK/before.png" "$WORK/s0.png"
editor_strip "$WORK/after.png" "$WORK/s1.png"
changed=$(convert "$WORK/s0.png" "$WORK/s1.png" -compose difference -composite -threshold 0 \
    -colorspace Gray -resize "1x$((HEIGHT - 120))!" -depth 8 txt:- |
    awk -F'[(),:]' 'NR > 1 && $4 > 0 { print $2 }')
[ -n "$changed" ] || fail "no line of the editor was selected"
top=$(echo "$changed" | head -n1)
bottom=$(echo "$changed" | tail -n1)
height=$((bottom - top + 1))
white=$(convert "$WORK/s0.png" -colorspace Gray -resize "1x$((HEIGHT - 120))!" -depth 8 txt:- |
    awk -F'[(),:]' 'NR > 1 && $4 >= 250 { print $2; exit }')
line=$(awk -v t="$top" -v w="$white" -v h="$height" 'BEGIN { printf "%d", (t - w) / h + 0.5 }')
[ "$height" -ge 15 ] && [ "$height" -le 60 ] || fail "the selection is $height rows high, not one line"
[ "$line" = 5 ] || fail "line $line selected instead of line 5 (rows $top-$bottom, page at $white)"

# A click on the selected line shows the same panel; a click on the first line another.
middle=$((Y + 60 + (top + bottom) / 2))
xdotool mousemove $((X + 60)) "$middle" click 1
sleep 1
panel "$WORK/panel_clicked.png"
same "$WORK/panel_found.png" "$WORK/panel_clicked.png" || fail "the panel after Find is not the found line's"
xdotool mousemove $((X + 60)) $((Y + 60 + white + 10)) click 1
first_shown() { panel "$WORK/panel_first.png" && ! same "$WORK/panel_found.png" "$WORK/panel_first.png"; }
wait_until 15 first_shown || fail "the panel does not follow the caret's line"
app_running || fail "the program ended"
echo "e2e find: 1 passed, 0 failed"
