#!/usr/bin/env bash
# A first start on a 1366 x 768 screen shows the whole console: the main window lies on the
# screen, the right column ("Play Options", "Pixel Processing", "Screen Res") is drawn in it,
# and nothing reaches the window's right edge or the rows above its status bar.
source "$(dirname "$0")/lib.sh"

title="ZAL LectoScope-32 PRO 01.24A"
start_xvfb 1366 768
start_app
wait_until 60 window_named "$title" || { app_log; fail "main window not shown"; }
eval "$(xdotool getwindowgeometry --shell "$(window_id "$title")")" # X, Y, WIDTH, HEIGHT
[ "$X" -ge 0 ] && [ "$Y" -ge 0 ] && [ $((X + WIDTH)) -le 1366 ] && [ $((Y + HEIGHT)) -le 768 ] ||
    fail "window ${WIDTH}x${HEIGHT}+$X+$Y is not wholly on the screen"

# colours GEOMETRY: how many colours the last screenshot holds in that rectangle.
colours() { convert "$WORK/first.png" -crop "$1" +repage -format "%k" info:; }
column="150x330+$((X + WIDTH - 160))+$((Y + 60))"
# The window is mapped a moment before it is painted: shoot until the column shows.
drawn() { screenshot "$WORK/first.png" && [ "$(colours "$column")" -gt 2 ]; }
wait_until 30 drawn || fail "the right column is not drawn ($(colours "$column") colours)"
edge="6x$((HEIGHT - 60))+$((X + WIDTH - 8))+$((Y + 30))"
[ "$(colours "$edge")" -eq 1 ] || fail "something reaches the window's right edge"
below="300x12+$((X + WIDTH - 310))+$((Y + HEIGHT - 45))"
[ "$(colours "$below")" -eq 1 ] || fail "something reaches down to the status bar"
echo "e2e first fit: 1 passed, 0 failed"
