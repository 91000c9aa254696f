#!/usr/bin/env bash
# Find in the real program: Ctrl+F, the word and Enter select the line that holds the word,
# and status panel 0 then shows what a click on that line shows, not what one on line 0 does.
source "$(dirname "$0")/lib.sh"

SHIPPED="$(cd "$(dirname "$0")/../.." && pwd)/resources/ZALSCROL.INI"
TITLE="ZAL LectoScope-32 PRO 01.24A"
printf 'zero\r\none\r\ntwo\r\nthree\r\nfour\r\nthe needle line\r\nsix\r\n' >"$WORK/script.txt"
mkdir -p "$XDG_CONFIG_HOME/lectoscope" # the shipped configuration, opening the script
sed "s|^LastFile=.*|LastFile=$WORK/script.txt\r|" "$SHIPPED" >"$XDG_CONFIG_HOME/lectoscope/ZALSCROL.INI"

start_xvfb 1024 768
start_app
wait_until 60 window_named "$TITLE" || { app_log; fail "main window not shown"; }
win=$(window_id "$TITLE")
eval "$(xdotool getwindowgeometry --shell "$win")" # X, Y, WIDTH, HEIGHT
panel() { screenshot "$WORK/p.png" && convert "$WORK/p.png" -crop "76x18+$((X + 2))+$((Y + HEIGHT - 20))" "$1"; }
same() { [ "$(compare -metric AE "$1" "$2" null: 2>&1)" = "0" ]; }
# Each row of an editor strip clear of the caret, as its mean grey level.
rows() { convert "$@" -crop "40x$((HEIGHT - 120))+$((X + 40))+$((Y + 60))" -colorspace Gray \
    -resize "1x$((HEIGHT - 120))!" -depth 8 txt:- | awk -F'[(),:]' 'NR > 1 { print $2, $4 }'; }

sleep 1
screenshot "$WORK/before.png"
panel "$WORK/panel0.png"
found() { panel "$WORK/panel1.png" && ! same "$WORK/panel0.png" "$WORK/panel1.png"; }
for attempt in 1 2 3; do # keys can go astray on a loaded machine
    xdotool windowfocus --sync "$win" key ctrl+f
    if wait_until 15 window_named '^Find$'; then
        xdotool windowfocus --sync "$(window_id '^Find$')" key ctrl+a type needle
        xdotool key Return
        wait_until 15 found && break
    fi
done
found || { app_log; fail "the status panel did not change after Find"; }

# The rows that changed are the selection: one line high, line 5 from the top of the page.
screenshot "$WORK/after.png"
changed=$(convert "$WORK/before.png" "$WORK/after.png" -compose difference -composite \
    -threshold 0 png:- | rows png:- | awk '$2 > 0 { print $1 }')
[ -n "$changed" ] || fail "no line of the editor was selected"
top=$(echo "$changed" | head -n1) bottom=$(echo "$changed" | tail -n1)
page=$(rows "$WORK/before.png" | awk '$2 >= 250 { print $1; exit }')
line=$(awk -v t="$top" -v p="$page" -v h=$((bottom - top + 1)) 'BEGIN { printf "%d", (t - p) / h + 0.5 }')
[ $((bottom - top)) -ge 14 ] && [ $((bottom - top)) -le 60 ] || fail "selection rows $top-$bottom"
[ "$line" = 5 ] || fail "line $line selected instead of line 5 (rows $top-$bottom, page at $page)"

xdotool mousemove $((X + 60)) $((Y + 60 + (top + bottom) / 2)) click 1
sleep 1
panel "$WORK/panel2.png"
same "$WORK/panel1.png" "$WORK/panel2.png" || fail "the panel after Find is not the found line's"
xdotool mousemove $((X + 60)) $((Y + 70 + page)) click 1
moved() { panel "$WORK/panel3.png" && ! same "$WORK/panel1.png" "$WORK/panel3.png"; }
wait_until 15 moved || fail "the panel does not follow the caret's line"
app_running || fail "the program ended"
echo "e2e find: 1 passed, 0 failed"
