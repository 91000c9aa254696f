#!/usr/bin/env bash
# The real program starts on a 1024 x 768 screen and shows its main window; on a screen
# 600 pixels wide it shows the resolution message and ends after OK.
source "$(dirname "$0")/lib.sh"

start_xvfb 1024 768
start_app
wait_until 60 window_named "ZAL LectoScope-32 PRO 01.24A" || { app_log; fail "main window not shown"; }
# The window shows something other than the bare black root: its menu and panels. It is
# mapped a moment before it is painted, so the picture is taken until it shows them.
colours() { screenshot "$WORK/main.png" && convert "$WORK/main.png" -format "%k" info:; }
painted() { [ "$(colours)" -gt 20 ]; }
wait_until 30 painted || fail "main window looks empty ($(colours) colours)"
kill "$APP_PID"; wait "$APP_PID" 2>/dev/null || true; APP_PID=""
kill "$XVFB_PID"; wait "$XVFB_PID" 2>/dev/null || true; XVFB_PID=""

start_xvfb 600 800
start_app
wait_until 60 window_named "ZAL LectoScope-32" || { app_log; fail "no message box"; }
screenshot "$WORK/narrow.png"
# Answer OK: focus the box and press Enter (it is the only window on this screen). A box
# that is mapped but not yet taking keys gets the key again.
for attempt in 1 2 3 4 5; do
    for id in $(xdotool search --onlyvisible --name "ZAL LectoScope-32"); do
        xdotool windowfocus --sync "$id" 2>/dev/null && break
    done
    xdotool key Return
    wait_until 6 app_ended && break
done
app_ended || fail "program still running after OK"
code=0; wait "$APP_PID" || code=$?; APP_PID=""
[ "$code" -eq 0 ] || fail "exit code $code"
echo "e2e startup: 2 passed, 0 failed"
