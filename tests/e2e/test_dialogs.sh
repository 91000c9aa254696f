#!/usr/bin/env bash
# The dialogs of printing, system information and help in the real program: each opens
# from its menu item, chosen with the keyboard, and closes with Esc.
source "$(dirname "$0")/lib.sh"

TITLE="ZAL LectoScope-32 PRO 01.24A"

start_xvfb 1024 768
start_app
wait_until 60 window_named "$TITLE" || { app_log; fail "main window not shown"; }
main=$(window_id "$TITLE")

# dialog NAME-REGEX KEYS...: the keys open a window whose name matches; Esc closes it. On a
# slow machine a key can be lost: the whole sequence is tried again.
dialog() {
    local name="$1"; shift
    local shown=""
    for attempt in 1 2 3; do
        xdotool windowfocus --sync "$main" 2>/dev/null || true
        for keys in "$@"; do
            xdotool key $keys
            sleep 0.5
        done
        if wait_until 20 window_named "$name"; then shown=1; break; fi
        echo "attempt $attempt: \"$name\" not shown yet; trying again"
        xdotool key Escape Escape
    done
    [ -n "$shown" ] || { app_log; fail "\"$name\" did not open"; }
    for attempt in 1 2 3; do
        xdotool windowfocus --sync "$(window_id "$name")" 2>/dev/null || true
        xdotool key Escape
        wait_until 10 bash -c "! xdotool search --onlyvisible --name '$name' | grep -q ." && return 0
    done
    fail "\"$name\" did not close with Esc"
}

dialog "^Under Your Hood$" alt+w "Down Down Return"
dialog "^About$" alt+h a
dialog "^LectoScope-32 Help$" alt+h h
dialog "^Print$" alt+f r
# The editor is empty: Print asks first, and Esc answers No.
dialog "^ZAL LectoScope-32$" alt+f p
app_running || fail "the program ended"
echo "e2e dialogs: 5 passed, 0 failed"
